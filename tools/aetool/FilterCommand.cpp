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
#include "filter/db/FilterDatabase.h"
#include "filter/db/StoreParamNames.h"
#include "store/AEParamTable.h"
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
  const AEParamTable table(store);
  const StoreParamNames params(table);
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
  const AEParamTable table(store);
  const StoreParamNames params(table);
  // Stored only when it is a filter the program can run, as "&Insert" does.
  const AFilter check(controls, params);
  FilterDatabase database(store);
  out << database.Insert(controls) << '\n';
  return 0;
}

// ---- The plain text form ------------------------------------------------------------------

std::string Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return std::string(s);
}

// Lower case with inner runs of blanks made one blank: "Delete  Parametric" is "delete parametric".
std::string KeyOf(std::string_view s) {
  std::string key;
  for (const char c : Trim(s)) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!key.empty() && key.back() != ' ') key += ' ';
    } else {
      key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return key;
}

std::vector<std::string> Cells(const std::string& value) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = value.find('|', start);
    cells.push_back(
        Trim(std::string_view(value).substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) return cells;
    start = bar + 1;
  }
}

}  // namespace

FilterControls ParseFilterText(std::istream& in, const std::string& sourceName) {
  FilterControls controls;
  controls.ClearWindows();
  int treatment = tiAsHits;
  std::string mpt, lock, forward, back;
  std::array<bool, 4> rowsGiven{};
  std::array<bool, ExpressionRows> expressionGiven{};

  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    auto fail = [&](const std::string& what) {
      throw std::runtime_error(sourceName + ":" + std::to_string(number) + ": " + what);
    };
    const std::string text = Trim(line);
    if (text.empty() || text[0] == '#') continue;
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) fail("expected KEY = VALUE");
    const std::string key = KeyOf(std::string_view(text).substr(0, equals));
    const std::string value = Trim(std::string_view(text).substr(equals + 1));
    const std::string word = KeyOf(value);
    auto yesNo = [&]() {
      if (word == "yes") return true;
      if (word == "no") return false;
      fail("\"" + key + "\" is yes or no");
      return false;
    };

    if (key == "type") {
      if (word == "included") controls.TypeItem = 0;
      else if (word == "excluded") controls.TypeItem = 1;
      else fail("type is Included or Excluded");
    } else if (key == "treatment") {
      if (word == "as hits" || word == "hits") treatment = tiAsHits;
      else if (word == "as events" || word == "events") treatment = tiAsEvents;
      else if (word == "as mechanic" || word == "mechanic") treatment = tiAsMechanic;
      else fail("treatment is As Hits, As Events or As Mechanic");
    } else if (key == "mpt") {
      mpt = value;
    } else if (key == "lock") {
      lock = value;
    } else if (key == "forward") {
      forward = value;
    } else if (key == "back") {
      back = value;
    } else if (key == "delete parametric") {
      controls.DeleteTDP = yesNo();
    } else if (key == "smart end of time") {
      controls.SmartEOT = yesNo();
    } else if (key.size() == 6 && key.rfind("join ", 0) == 0 && key[5] >= 'a' && key[5] <= 'd') {
      if (word != "and" && word != "or") fail("a join is AND or OR");
      controls.Windows[static_cast<std::size_t>(key[5] - 'a')].JoinAnd = word == "and";
    } else if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'd') {
      const auto w = static_cast<std::size_t>(key[0] - 'a');
      const std::size_t columns = w == fwD ? EquationColumns : MinMaxColumns;
      std::vector<std::string> cells = Cells(value);
      if (cells.size() != columns)
        fail(std::string("a row of window ") + static_cast<char>('A' + w) + " has " + std::to_string(columns) +
             " cells separated by |");
      FilterGrid& grid = controls.Windows[w];
      if (!rowsGiven[w]) grid.Rows.clear();
      rowsGiven[w] = true;
      grid.Rows.push_back(std::move(cells));
    } else if (key.size() == 12 && key.rfind("expression ", 0) == 0 && key[11] >= '1' && key[11] <= '4') {
      const auto row = static_cast<std::size_t>(key[11] - '1');
      if (expressionGiven[row]) fail(key + " given twice");
      expressionGiven[row] = true;
      controls.Expressions[row] = value;
    } else {
      fail("unknown key \"" + key + "\"");
    }
  }
  // Boxes of another treatment are empty, as the window leaves them.
  controls.SelectTreatment(treatment);
  if (controls.EventBoxesEnabled()) {
    controls.MPT = mpt;
    controls.LOCK = lock;
  }
  if (controls.MechanicBoxesEnabled()) {
    controls.Forward = forward;
    controls.Back = back;
  }
  return controls;
}

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
