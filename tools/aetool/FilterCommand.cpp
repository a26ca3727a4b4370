#include "tools/aetool/FilterCommand.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "datafiles/EZTData.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterUser.h"
#include "store/AEParamTable.h"
#include "store/FilterDatabase.h"
#include "store/ZTDataStore.h"

namespace ae {

namespace {

constexpr const char* FilterUsage =
    "usage:\n"
    "  aetool filter (--filter NAME | --fid N) [--yes] [--report-dir DIR | --no-report] SOURCE [DEST]\n"
    "  aetool filter --save NAME --from FILE\n";

class FilterUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failure of the command that is not the filter program's own (no such stored filter).
class FilterCommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct FilterArguments {
  std::optional<std::string> FilterName;
  std::optional<int> Fid;
  std::optional<std::string> SaveName;
  std::optional<std::string> FromFile;
  std::optional<std::string> ReportDir;
  bool Yes = false;
  bool NoReport = false;
  std::vector<std::string> Positional;
};

int ParseFid(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value <= 0)
    throw FilterUsageError("invalid FID: \"" + text + "\"");
  return value;
}

FilterArguments ParseArguments(int argc, const char* const* argv) {
  FilterArguments args;
  auto value = [&](int& i, std::optional<std::string>& into) {
    const std::string name = argv[i];
    if (i + 1 >= argc) throw FilterUsageError("missing value after " + name);
    if (into) throw FilterUsageError(name + " given twice");
    into = argv[++i];
  };
  std::optional<std::string> fidText;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--filter") value(i, args.FilterName);
    else if (arg == "--fid") value(i, fidText);
    else if (arg == "--save") value(i, args.SaveName);
    else if (arg == "--from") value(i, args.FromFile);
    else if (arg == "--report-dir") value(i, args.ReportDir);
    else if (arg == "--yes") args.Yes = true;
    else if (arg == "--no-report") args.NoReport = true;
    else if (arg.size() > 1 && arg[0] == '-') throw FilterUsageError("unknown option " + std::string(arg));
    else args.Positional.emplace_back(arg);
  }
  if (fidText) args.Fid = ParseFid(*fidText);

  if (args.SaveName || args.FromFile) {
    if (!args.SaveName || !args.FromFile) throw FilterUsageError("--save NAME and --from FILE go together");
    if (args.FilterName || args.Fid || args.ReportDir || args.Yes || args.NoReport || !args.Positional.empty())
      throw FilterUsageError("--save takes only --from FILE");
    return args;
  }
  if (args.FilterName.has_value() == args.Fid.has_value())
    throw FilterUsageError("give either --filter NAME or --fid N");
  if (args.ReportDir && args.NoReport) throw FilterUsageError("--report-dir and --no-report exclude each other");
  if (args.Positional.empty() || args.Positional.size() > 2) throw FilterUsageError("give SOURCE and at most one DEST");
  return args;
}

// Answers the in-place question from --yes, prints the summary, and puts warnings on err.
class ConsoleFilterUser : public FilterUser {
 public:
  ConsoleFilterUser(bool yes, std::ostream& out, std::ostream& err) : yes_(yes), out_(out), err_(err) {}

  bool AskYesNo(const std::string& text, const std::string& /*caption*/) override {
    if (!yes_) err_ << text << "\n(no --yes: the answer is No)\n";
    return yes_;
  }
  void Inform(const std::string& text, const std::string& caption) override {
    std::ostream& to = caption == FilterMessage(fmCaptionSummary) ? out_ : err_;
    to << text;
    if (!text.empty() && text.back() != '\n') to << '\n';
  }
  void SetProgressRange(int64_t, int64_t) override {}
  void StepProgress() override {}

 private:
  bool yes_;
  std::ostream& out_;
  std::ostream& err_;
};

int RunStoredFilter(const FilterArguments& args, std::ostream& out, std::ostream& err) {
  ZTDataStore store;
  const AEParamTable params(store);
  const FilterDatabase database(store);
  int fid = 0;
  if (args.Fid) {
    fid = *args.Fid;
  } else {
    const std::vector<int> fids = database.FindByName(*args.FilterName);
    if (fids.empty()) throw FilterCommandError("No stored filter is named \"" + *args.FilterName + "\"");
    if (fids.size() > 1) {
      std::string list;
      for (const int f : fids) list += (list.empty() ? "" : ", ") + std::to_string(f);
      throw FilterCommandError("Several stored filters are named \"" + *args.FilterName + "\" (FID " + list +
                               "); choose one with --fid");
    }
    fid = fids.front();
  }
  FilterControls controls;
  if (!database.LoadInto(fid, controls))
    throw FilterCommandError("No stored filter has the FID " + std::to_string(fid));
  controls.SourceName = args.Positional[0];
  controls.DestinationName = args.Positional.size() > 1 ? args.Positional[1] : std::string();
  controls.WorkFolder.clear();  // names are taken from the current directory
  controls.MakeReport = !args.NoReport;
  controls.ReportFileItem = args.ReportDir ? 1 : 0;
  controls.ReportFolder = args.ReportDir.value_or(std::string());

  ConsoleFilterUser user(args.Yes, out, err);
  AFilter filter(controls, params);
  filter.Run(user);
  return 0;
}

int SaveFilter(const FilterArguments& args, std::ostream& out) {
  std::ifstream in(*args.FromFile);
  if (!in) throw FilterCommandError("Cannot read \"" + *args.FromFile + "\"");
  FilterControls controls = ParseFilterText(in, *args.FromFile);
  controls.FilterName = *args.SaveName;
  ZTDataStore store;
  const AEParamTable params(store);
  // Stored only when it is a filter the program can run, as "&Insert" does.
  const AFilter check(controls, params);
  FilterDatabase database(store);
  out << database.Insert(controls) << '\n';
  return 0;
}

}  // namespace

int FilterCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  try {
    const FilterArguments args = ParseArguments(argc, argv);
    const int code = args.SaveName ? SaveFilter(args, out) : RunStoredFilter(args, out, err);
    out.flush();
    if (!out) {
      err << "Cannot write the output\n";
      return 1;
    }
    return code;
  } catch (const FilterUsageError& e) {
    err << "aetool filter: " << e.what() << '\n' << FilterUsage;
    return 2;
  } catch (const EZTData& e) {
    const std::string& text = FilterMessage(e.Code());
    err << (text.empty() ? std::string(e.what()) : text) << '\n';
    return 1;
  } catch (const std::exception& e) {
    err << e.what() << '\n';
    return 1;
  }
}

}  // namespace ae
