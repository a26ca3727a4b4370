#include "tools/aetool/AetoolCommands.h"

#include "tools/aetool/CommandLine.h"
#include "tools/aetool/DumpCommand.h"
#include "tools/aetool/ExportCommand.h"
#include "tools/aetool/FilterCommand.h"
#include "tools/aetool/GenCommand.h"
#include "tools/aetool/LocateCommand.h"
#include "tools/aetool/ParamsCommand.h"
#include "tools/aetool/RenderCommand.h"
#include "tools/aetool/ReportCommand.h"
#include "tools/aetool/StatCommand.h"
#include "tools/aetool/WaveCommand.h"

namespace ae {

int RunAetool(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress) {
  CommandLine cli;
  // The subcommands in the order the help lists them.
  for (void (*add)(CommandLine&) :
       {AddDumpCommand, AddDescribeCommand, AddExportCommand, AddFilterCommand, AddParamsCommand, AddStatCommand,
        AddLocateCommand, AddRenderCommand, AddReportCommand, AddWaveCommand, AddGenCommand})
    add(cli);
  CommandIo io{out, err, progress};
  return cli.Run(argc, argv, io);
}

}  // namespace ae
