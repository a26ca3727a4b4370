#pragma once
// Runs aetool in the test's own process and captures what it prints.
#include <sstream>
#include <string>
#include <vector>

#include "tools/aetool/AetoolCommands.h"

namespace ae::test {

struct ToolResult {
  int Code;
  std::string Out;
  std::string Err;
};

// A command-line entry of the tool: RunAetool, or one that runs part of its subcommands.
using ToolEntry = int (*)(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress);

// The arguments after the program name, e.g. {"dump", "a.dta"}.
inline ToolResult RunTool(std::vector<std::string> args, ToolEntry entry = RunAetool) {
  args.insert(args.begin(), "aetool");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int code = entry(static_cast<int>(argv.size()), argv.data(), out, err, false);
  return {code, out.str(), err.str()};
}

}  // namespace ae::test
