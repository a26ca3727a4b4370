#include "tools/aetool/StatCommand.h"

#include <stdio.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "datafiles/DataFileOpen.h"
#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/ProgressBar.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/ChannelList.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/core/ViewerUser.h"

namespace ae {

namespace {

// The viewer's message boxes as lines on stderr; a question is answered No.
class StreamUser : public ViewerUser {
 public:
  explicit StreamUser(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
    err_ << caption << ": " << text << '\n';
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    err_ << caption << ": " << text << " (answered No)\n";
    return false;
  }

 private:
  std::ostream& err_;
};

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
  {
    OpenedDataFile file = OpenDataFile(args.File);  // as Load does, with the stream in view
    if (progress.Enabled()) {
      FileReadProgress reading(fileno(file.Stream.Get()), 2);  // counting, then reading
      progress.SetTotal(reading.Total());
      progress.SetPoll(reading);
    }
    data.LoadFrom(*file.Reader, file.Type, args.File);
  }
  progress.SetPoll(nullptr);
  progress.SetTotal(0);
  progress.SetLabel("Evaluating");
  // Set 1 holds every hit, as one frame over everything would.
  for (ZTShortHit& rec : data.Recs) {
    if (!rec.IsHit()) continue;
    rec.FrameBits |= 1u;
    ++data.FramedCount;
  }
  ATestStat stat(setup);
  try {
    stat.Collect(data, 0x01, options);
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
  sub->add_option_function<std::string>(
         "--channels",
         [args](const std::string& text) {
           args->Channels = ParseChannelList(text);
           if (!args->Channels)
             throw CLI::ValidationError("--channels", "invalid channel list \"" + text + "\" (for example 1-4,7,9-12)");
         },
         "Only the listed channels, for example 1-8,12 (default: all 128, as in the viewer)")
      ->type_name("LIST");
}

}  // namespace ae
