#pragma once
// The aetool command line on CLI11: a subcommand is added by one registration function, which
// declares its options on the CLI::App it gets and the action that runs when it is chosen.
#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace ae {

// What an action works with.
struct CommandIo {
  std::ostream& Out;
  std::ostream& Err;
  // A progress bar may be drawn on stderr (it is a terminal).
  bool Progress = false;
};

// A usage error the action finds itself (options that go together or exclude each other in a
// way the declarations cannot say). Reported like a parse error: one line, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CommandLine {
 public:
  using Action = std::function<int(CommandIo&)>;

  CommandLine();

  // Adds the subcommand; the action runs after a successful parse when it was chosen.
  CLI::App* Add(const std::string& name, const std::string& description, Action action);

  // A check of an option's text: a whole number (digits only) of at least `minimum`.
  static CLI::Validator WholeNumber(std::uint64_t minimum);

  // Parses and runs: help and the version go to out with exit 0; a usage error is one line on
  // err, "aetool SUBCOMMAND: what (see ...)", with exit 2; an action's error is its text with
  // exit 1 (the actions raise EDataFile, EZTData and the like).
  int Run(int argc, const char* const* argv, CommandIo& io);

 private:
  int UsageFailure(const std::string& command, const std::string& what, CommandIo& io) const;

  CLI::App app_;
  std::vector<std::pair<CLI::App*, Action>> commands_;
};

}  // namespace ae
