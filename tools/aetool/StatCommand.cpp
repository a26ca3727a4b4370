#include "tools/aetool/StatCommand.h"

#include <optional>
#include <string>
#include <string_view>

#include "datafiles/EZTData.h"
#include "datafiles/ZTDataSet.h"
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

// Empty when the arguments are fine, else the usage error.
std::string Parse(int argc, const char* const* argv, int first, StatArguments& args) {
  int positional = 0;
  for (int i = first; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--events") {
      args.Events = true;
    } else if (arg == "--setup" || arg == "--channels") {
      if (i + 1 >= argc) return "missing value after " + std::string(arg);
      const std::string value = argv[++i];
      if (arg == "--setup") {
        args.Setup = value;
      } else {
        args.Channels = ParseChannelList(value);
        if (!args.Channels) return "invalid channel list \"" + value + "\" (for example 1-4,7,9-12)";
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option " + std::string(arg);
    } else {
      args.File = arg;
      ++positional;
    }
  }
  if (positional != 1) return "wrong number of arguments";
  return {};
}

std::string_view Title(std::string_view caption) {
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  return caption;
}

}  // namespace

int RunStat(int argc, const char* const* argv, int first, std::ostream& out, std::ostream& err) {
  StatArguments args;
  if (const std::string problem = Parse(argc, argv, first, args); !problem.empty()) {
    err << "aetool: " << problem << '\n';
    return 2;
  }
  StreamUser user(err);
  ATestSetup setup;
  // A script that names a setup must not get an evaluation with the defaults instead.
  if (!args.Setup.empty() && !setup.Load(args.Setup, user)) return 1;
  AOptions options;
  options.EventsView = args.Events;
  if (args.Channels) options.CheckedChan = *args.Channels;

  ZTDataSet data;
  data.Load(args.File);
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
  const auto reports = WriteStatReports(stat);
  for (int i = 0; i < StatReportCount; ++i) {
    if (i > 0) out << '\n';
    out << "== " << Title(StatPageCaptions[static_cast<std::size_t>(i)]) << " ==\n"
        << reports[static_cast<std::size_t>(i)];
  }
  out.flush();
  if (!out) {
    err << "Cannot write the output\n";
    return 1;
  }
  return 0;
}

}  // namespace ae
