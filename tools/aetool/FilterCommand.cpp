#include "tools/aetool/FilterCommand.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "datafiles/EZTData.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterTextForm.h"
#include "filter/core/FilterUser.h"
#include "filter/db/FilterDatabase.h"
#include "filter/db/StoreParamNames.h"
#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/ProgressBar.h"

namespace ae {

namespace {

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
  std::optional<std::string> Source;
  std::optional<std::string> Destination;
};

// What the declarations of the options cannot say.
void CheckArguments(const FilterArguments& args) {
  if (args.SaveName) return;  // --from and nothing else, checked by the declarations
  if (args.FilterName.has_value() == args.Fid.has_value()) throw UsageError("give either --filter NAME or --fid N");
  if (!args.Source) throw UsageError("give SOURCE and at most one DEST");
}

// Answers the in-place question from --yes, prints the summary, puts warnings on err and
// moves the progress bar.
class ConsoleFilterUser : public FilterUser {
 public:
  ConsoleFilterUser(bool yes, CommandIo& io) : yes_(yes), io_(io), progress_("Filtering", io.Progress) {}

  bool AskYesNo(const std::string& text, const std::string& /*caption*/) override {
    progress_.Finish();
    if (!yes_) io_.Err << text << "\n(no --yes: the answer is No)\n";
    return yes_;
  }
  void Inform(const std::string& text, const std::string& caption) override {
    progress_.Finish();  // the run is over when it tells something
    std::ostream& to = caption == FilterMessage(fmCaptionSummary) ? io_.Out : io_.Err;
    to << text;
    if (!text.empty() && text.back() != '\n') to << '\n';
  }
  void SetProgressRange(int64_t maximum, int64_t step) override {
    step_ = step;
    done_ = 0;
    progress_.SetTotal(maximum);
    progress_.SetDone(0);
  }
  void StepProgress() override {
    done_ += step_;
    progress_.SetDone(done_);
  }

 private:
  bool yes_;
  CommandIo& io_;
  ProgressBar progress_;
  int64_t step_ = 0;
  int64_t done_ = 0;
};

int RunStoredFilter(const FilterArguments& args, CommandIo& io) {
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
  controls.SourceName = *args.Source;
  controls.DestinationName = args.Destination.value_or(std::string());
  controls.WorkFolder.clear();  // names are taken from the current directory
  controls.MakeReport = !args.NoReport;
  controls.ReportFileItem = args.ReportDir ? 1 : 0;
  controls.ReportFolder = args.ReportDir.value_or(std::string());

  ConsoleFilterUser user(args.Yes, io);
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

}  // namespace

void AddFilterCommand(CommandLine& cli) {
  auto args = std::make_shared<FilterArguments>();
  CLI::App* sub =
      cli.Add("filter",
              "Run a stored filter on one file (exit 1 when the filter is invalid or the run fails), or store a filter "
              "written in the plain text form (--save NAME --from FILE)",
              [args](CommandIo& io) {
                CheckArguments(*args);
                try {
                  return args->SaveName ? SaveFilter(*args, io.Out) : RunStoredFilter(*args, io);
                } catch (const EZTData& e) {
                  // The filter program's errors speak its message for the code.
                  const std::string& text = FilterMessage(e.Code());
                  throw std::runtime_error(text.empty() ? std::string(e.what()) : text);
                }
              });
  CLI::Option* name =
      sub->add_option("--filter", args->FilterName, "The stored filter of that name (exactly one)")->type_name("NAME");
  CLI::Option* fid = sub->add_option("--fid", args->Fid, "The stored filter with that FID")
                         ->type_name("N")
                         ->check(CommandLine::WholeNumber(1));
  CLI::Option* yes =
      sub->add_flag("--yes", args->Yes,
                    "Filter in place (no DEST, or DEST is SOURCE by any path); the original is kept as SOURCE with the "
                    "extension .BAK");
  CLI::Option* reportDir =
      sub->add_option("--report-dir", args->ReportDir,
                      "Append the report block to Protocol.txt in DIR (default: the current directory)")
          ->type_name("DIR");
  CLI::Option* noReport = sub->add_flag("--no-report", args->NoReport, "Write no report block");
  CLI::Option* save =
      sub->add_option("--save", args->SaveName, "Store the filter of --from FILE as a new filter NAME; prints its FID")
          ->type_name("NAME");
  CLI::Option* from = sub->add_option("--from", args->FromFile, "The filter in the plain text form (see the README)")
                          ->type_name("FILE");
  CLI::Option* source = sub->add_option("SOURCE", args->Source, "The data file to filter");
  CLI::Option* destination =
      sub->add_option("DEST", args->Destination, "The filtered file (default: SOURCE, in place)");
  fid->excludes(name);
  reportDir->excludes(noReport);
  save->needs(from);
  from->needs(save);
  for (CLI::Option* other : {name, fid, yes, reportDir, noReport, source, destination}) save->excludes(other);
}

}  // namespace ae
