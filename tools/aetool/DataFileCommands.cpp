#include "tools/aetool/DataFileCommands.h"

#include <string_view>

#include "tools/aetool/CommandLine.h"
#include "tools/aetool/DumpCommand.h"
#include "tools/aetool/ExportCommand.h"
#include "tools/aetool/GenCommand.h"

namespace ae {

bool IsDataFileCommand(const char* name) {
  const std::string_view n = name;
  return n == "dump" || n == "describe" || n == "export" || n == "gen";
}

int RunDataFileCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress) {
  CommandLine cli;
  for (void (*add)(CommandLine&) : {AddDumpCommand, AddDescribeCommand, AddExportCommand, AddGenCommand}) add(cli);
  CommandIo io{out, err, progress};
  return cli.Run(argc, argv, io);
}

}  // namespace ae
