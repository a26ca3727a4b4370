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

// The arguments after the program name, e.g. {"dump", "a.dta"}.
inline ToolResult RunTool(std::vector<std::string> args) {
  args.insert(args.begin(), "aetool");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int code = RunAetool(static_cast<int>(argv.size()), argv.data(), out, err);
  return {code, out.str(), err.str()};
}

}  // namespace ae::test
