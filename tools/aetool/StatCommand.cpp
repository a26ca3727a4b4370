#include "tools/aetool/StatCommand.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/ProgressBar.h"
#include "tools/aetool/SharedOptions.h"
#include "tools/aetool/ViewerRun.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/ChannelList.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/ViewerMessages.h"

namespace ae {

namespace {

struct StatArguments {
  std::string File;
  std::string Setup;
  bool Events = false;
  std::optional<AChannelSet> Channels;
};

std::string_view Title(std::string_view caption) {
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  return caption;
}

int RunStat(const StatArguments& args, CommandIo& io) {
  std::ostream& out = io.Out;
  std::ostream& err = io.Err;
  StreamUser user(err);
  ATestSetup setup;
  // A script that names a setup must not get an evaluation with the defaults instead.
  if (!args.Setup.empty() && !setup.Load(args.Setup, user)) return 1;
  AOptions options;
  options.EventsView = args.Events;
  if (args.Channels) options.CheckedChan = *args.Channels;

  ProgressBar progress("Reading", io.Progress);
  ZTDataSet data;
  LoadWithProgress(args.File, data, progress);
  progress.SetTotal(0);
  progress.SetLabel("Evaluating");
  // Set 1 holds every hit, as the viewer's statistic window without frames has it.
  ATestStat stat(setup);
  try {
    stat.CollectWhole(data, options);
  } catch (const EZTData& e) {
    if (e.Code() != EZTData::TimeOrderError) throw;
    err << NotSortedMessage(ZTDataSet::EventRule().ErrorTime) << '\n';
    return 1;
  }
  progress.Finish();
  const auto reports = WriteStatReports(stat);
  for (int i = 0; i < StatReportCount; ++i) {
    if (i > 0) out << '\n';
    out << "== " << Title(StatPageCaptions[static_cast<std::size_t>(i)]) << " ==\n"
        << reports[static_cast<std::size_t>(i)];
  }
  return 0;
}

}  // namespace

void AddStatCommand(CommandLine& cli) {
  auto args = std::make_shared<StatArguments>();
  CLI::App* sub = cli.Add("stat",
                          "The viewer's hit statistics and MONPAC evaluation of a whole data file: every hit in "
                          "set 1, the five reports of the data statistic window, each under a line "
                          "\"== caption ==\"",
                          [args](CommandIo& io) { return RunStat(*args, io); });
  sub->add_option("FILE", args->File, "The data file")->required();
  sub->add_option("--setup", args->Setup,
                  "Take the test setup (holds, event windows, MONPAC and local-dynamic parameters) from a "
                  "viewer INI file instead of the defaults")
      ->type_name("FILE.ini");
  sub->add_flag("--events", args->Events, "Count only the first hit of each event");
  AddChannelsOption(sub, args, "all 128, as in the viewer");
}

}  // namespace ae
