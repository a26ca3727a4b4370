#include "tools/aetool/ReportCommand.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "datafiles/ZTDataSet.h"
#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/ProgressBar.h"
#include "tools/aetool/SharedOptions.h"
#include "tools/aetool/ViewerRun.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/report/TestReport.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

// A report of a folder that is not there would be made in vain: said before the work.
void CheckOutFolder(const std::string& out) {
  const fs::path path(out);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::error_code error;
  if (!fs::is_directory(folder, error))
    throw std::runtime_error("Cannot write \"" + out + "\": the folder \"" + folder.string() + "\" does not exist");
  if (fs::is_directory(path, error)) throw std::runtime_error("Cannot write \"" + out + "\": it is a folder");
}

}  // namespace

int WriteReport(const ReportArguments& args, std::ostream& out, std::ostream& err, bool showProgress) {
  try {
    CheckOutFolder(args.Out);
    const std::unique_ptr<QGuiApplication> application = GuiApplicationForRendering();  // outlives the report

    ReportSource source;
    // The page grid and display settings the viewer uses; every hit of every channel counts, as
    // in aetool stat, unless the channels are given.
    source.Options.Load();
    source.Options.EventsView = false;
    source.Options.CheckedChan.set();
    if (args.Channels) source.Options.CheckedChan = *args.Channels;
    if (!args.Setup.empty()) {
      StreamUser user(err);
      if (!source.Setup.Load(args.Setup, user)) return 1;
    }
    source.Title = args.Title.value_or(ReportSource::DefaultTitle(source.Setup));

    ProgressBar progress("Reading", showProgress);
    ZTDataSet data;
    LoadWithProgress(args.File, data, progress);
    source.Data = &data;

    ZTDataStore store;
    GraphDatabase database(store);
    source.GraphSet = GraphSetId(database, args.GraphSet, args.Gsid);
    TestReport report(std::move(source), &store);
    if (report.Pages().empty()) throw std::runtime_error(ViewerMessage(vmNoPages));
    for (const std::string& problem : report.Problems()) err << "aetool report: " << problem << '\n';

    progress.SetLabel("Writing the report");
    constexpr std::int64_t Steps = 1000;
    progress.SetTotal(Steps);
    progress.SetDone(0);
    report.Save(args.Out, [&progress](double fraction) {
      progress.SetDone(static_cast<std::int64_t>(std::lround(std::clamp(fraction, 0.0, 1.0) * Steps)));
    });
    progress.Finish();
    out << args.Out << '\n';
    return 0;
  } catch (const std::exception& error) {
    err << error.what() << '\n';
    return 1;
  }
}

void AddReportCommand(CommandLine& cli) {
  auto args = std::make_shared<ReportArguments>();
  CLI::App* sub = cli.Add(
      "report",
      "The viewer's test report of a data file as a PDF (A4 landscape): the data file and its test setup, one page "
      "per page of the graph set, the five statistic reports as tables and the ZIP, with every hit in set 1; the "
      "written path is printed",
      [args](CommandIo& io) {
        if (args->GraphSet.has_value() == args->Gsid.has_value())
          throw UsageError("report needs either --graph-set NAME or --gsid N");
        return WriteReport(*args, io.Out, io.Err, io.Progress);
      });
  sub->add_option("FILE", args->File, "The data file")->required();
  AddGraphSetOptions(sub, args);
  sub->add_option("-o", args->Out, "The PDF file (replaced when it exists)")->type_name("OUT.pdf")->required();
  sub->add_option("--setup", args->Setup,
                  "Take the test setup (holds, event windows, MONPAC and local-dynamic parameters) from a viewer "
                  "INI file instead of the defaults")
      ->type_name("FILE.ini");
  AddChannelsOption(sub, args, "all 128");
  sub->add_option_function<std::string>(
         "--title", [args](const std::string& title) { args->Title = title; },
         "The report's title (default: the test label of the setup, or \"AE test report\")")
      ->type_name("TEXT");
}

}  // namespace ae
