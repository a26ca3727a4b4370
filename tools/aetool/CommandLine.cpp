#include "tools/aetool/CommandLine.h"

#include <charconv>
#include <memory>

#include "tools/aetool/HelpFormatter.h"

namespace ae {

#ifndef AE_VERSION
#define AE_VERSION "unknown"
#endif

CommandLine::CommandLine() : app_("The command-line tool of the AE analysis suite.", "aetool") {
  app_.set_version_flag("--version", std::string("aetool (AE analysis suite) ") + AE_VERSION,
                        "Print the version and exit");
  app_.set_help_flag("-h,--help", "Print this help and exit");
  app_.require_subcommand(1);
  app_.formatter(std::make_shared<HelpFormatter>());
  app_.footer(
      HelpFormatter::Wrap("Run \"aetool SUBCOMMAND --help\" for the options of a subcommand. Errors print "
                          "their text on stderr and exit with a non-zero code: 2 for a usage error, 1 for "
                          "any other.",
                          HelpFormatter::Width));
}

CLI::App* CommandLine::Add(const std::string& name, const std::string& description, Action action) {
  CLI::App* sub = app_.add_subcommand(name, description);
  sub->set_help_flag("-h,--help", "Print this help and exit");
  sub->footer("");
  commands_.emplace_back(sub, std::move(action));
  return sub;
}

CLI::Validator CommandLine::WholeNumber(std::uint64_t minimum) {
  return CLI::Validator(
      [minimum](std::string& text) -> std::string {
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < minimum)
          return "\"" + text + "\" is not a whole number of " + std::to_string(minimum) + " or more";
        return {};
      },
      "");
}

int CommandLine::UsageFailure(const std::string& command, const std::string& what, CommandIo& io) const {
  const std::string name = command.empty() ? "aetool" : "aetool " + command;
  io.Err << name << ": " << what << " (see \"" << name << " --help\")\n";
  return 2;
}

int CommandLine::Run(int argc, const char* const* argv, CommandIo& io) {
  if (argc < 2) return UsageFailure("", "a subcommand is required", io);
  // The subcommand a usage error belongs to: it is always the first argument.
  const std::string first = argv[1];
  CLI::App* chosen = nullptr;
  for (const auto& entry : commands_)
    if (entry.first->get_name() == first) chosen = entry.first;
  const std::string command = chosen != nullptr ? first : std::string();
  if (chosen == nullptr) {
    if (first.empty() || first[0] != '-') return UsageFailure("", "unknown command \"" + first + "\"", io);
    if (first != "-h" && first != "--help" && first != "--version")
      return UsageFailure("", "unknown option " + first, io);
  }

  try {
    app_.parse(argc, argv);
  } catch (const CLI::ExtrasError&) {
    // CLI11 lists what is left over in no useful order: name the first option, else the first
    // argument.
    const std::vector<std::string> extras = (chosen != nullptr ? chosen : &app_)->remaining();
    std::string what = "unexpected argument";
    for (const std::string& extra : extras) {
      if (extra.size() > 1 && extra[0] == '-') return UsageFailure(command, "unknown option " + extra, io);
    }
    if (!extras.empty()) what += " \"" + extras.front() + "\"";
    return UsageFailure(command, what, io);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app_.exit(e, io.Out, io.Err);  // help or the version
    return UsageFailure(command, e.what(), io);
  }

  for (const auto& [sub, action] : commands_) {
    if (!sub->parsed()) continue;
    try {
      const int code = action(io);
      io.Out.flush();
      if (!io.Out) {
        io.Err << "Cannot write the output\n";
        return 1;
      }
      return code;
    } catch (const UsageError& e) {
      return UsageFailure(command, e.what(), io);
    } catch (const std::exception& e) {
      io.Err << e.what() << '\n';
      return 1;
    }
  }
  return UsageFailure("", "a subcommand is required", io);
}

}  // namespace ae
