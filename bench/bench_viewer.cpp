// The viewer as the engineer uses it, in its real window (offscreen): opening a generated proof
// test and showing its first page of 20 point graphs, zooming, unzooming and scrolling the time
// window on that page, drawing a frame, grouping, deleting and undeleting, and the memory it all
// takes; over one million hits and then over ten million.
// Each figure runs until the page is painted again.
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/BenchSupport.h"
#include "datafiles/ZTDataSet.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"
#include "tools/aetool/Generators.h"
#include "ui/MessageSeam.h"
#include "viewer/core/AOptions.h"
#include "viewer/ui/FileCommands.h"
#include "viewer/ui/SetsCommands.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"
#include "viewer/ui/TimeWindowCommands.h"

namespace {

namespace fs = std::filesystem;
using ae::bench::Clock;
using ae::bench::SecondsSince;

constexpr int BenchSet = 90;

// A graph set of one page of twenty point graphs on the 5 x 4 grid, time graphs among them.
void AddBenchSet(const std::string& store) {
  ae::ZTDataStore opened(store);
  ae::test::RawDb raw(store);
  raw.Exec(QStringLiteral("INSERT INTO VNGrfSys (GSystemID, Name, Comment, PageNum) VALUES (%1, 'Bench', '', 1)")
               .arg(BenchSet));
  raw.Exec(
      QStringLiteral("INSERT INTO VNGrfPge (GPageID, GSystemID, GrPageName) VALUES (%1, %1, 'Twenty')").arg(BenchSet));
  const struct {
    int x, xMax, y, yMax, yLog;
  } axes[5] = {{1, 1800, 256, 100, 0},
               {256, 100, 32, 10000, 1},
               {256, 100, 64, 100000, 1},
               {1, 1800, 64, 60000, 0},
               {32, 5000, 128, 100000, 1}};
  for (int i = 0; i < 20; ++i) {
    const auto& a = axes[i % 5];
    raw.Exec(
        QStringLiteral("INSERT INTO VNGraph (GraphID, GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, "
                       "GraphName, XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels, "
                       "XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel) "
                       "VALUES (%1, %2, 1, %3, %4, %5, %6, 'Graph', %7, %8, 0, %9, 1, %10, 0, %11, '', 0, 0, 0, 0, "
                       "0, 0, 0)")
            .arg(9000 + i)
            .arg(BenchSet)
            .arg(i % 5)
            .arg(i / 5)
            .arg(i % 5 + 1)
            .arg(i / 5 + 1)
            .arg(a.x)
            .arg(a.y)
            .arg(a.xMax)
            .arg(a.yMax)
            .arg(a.yLog));
  }
}

// The shown page painted now, as the screen would after the command.
void PaintShownPage(ae::TZmvMain& window) {
  auto* sheet = static_cast<ae::TZTTabSheet*>(window.Pages().currentWidget());
  if (sheet != nullptr) sheet->repaint();
}

// The resident memory of the process in bytes (0 where the system does not say).
std::uint64_t ResidentBytes() {
  std::FILE* status = std::fopen("/proc/self/statm", "r");
  if (status == nullptr) return 0;
  unsigned long long pages = 0, resident = 0;
  const int read = std::fscanf(status, "%llu %llu", &pages, &resident);
  std::fclose(status);
  return read == 2 ? resident * 4096ull : 0;
}

double Timed(ae::TZmvMain& window, const std::function<void()>& command) {
  const Clock::time_point start = Clock::now();
  command();
  PaintShownPage(window);
  return SecondsSince(start);
}

void Run(const fs::path& folder, std::uint64_t hits) {
  const std::string file = (folder / "PROOF.DTA").string();
  ae::GenerateDataFile("dta", {hits, 1}, file);
  ae::bench::WarmCache(file);

  ae::ViewerStart start;
  start.SetupFile = QString::fromStdString((folder / "none.INI").string());
  start.ProgramDir = QString::fromStdString(folder.string());
  start.StorePath = (folder / "ZTData.sqlite").string();
  ae::TZmvMain window(start);
  window.resize(1600, 1000);
  window.show();
  window.FormShow();
  ae::AOptions& options = ae::GlobalOptions();
  options.CurrentGraphSet = BenchSet;
  options.ViewType = 0;
  options.ShowDeleted = true;
  QApplication::processEvents();

  const std::uint64_t before = ResidentBytes();
  const double open = Timed(window, [&] { window.Files().OpenFile(QString::fromStdString(file)); });
  const ae::ZTDataSet& data = window.Pages().DataSet();
  std::printf("%u hits: open and show a page of 20 graphs  %.3f s  (%.1f MB of records, %zu bytes each)\n",
              data.HitCount, open, data.Recs.size() * sizeof(ae::ZTShortHit) / 1e6, sizeof(ae::ZTShortHit));

  // A page painted again from scratch: every graph's every point.
  double repaint = 1e300;
  for (int run = 0; run < 3; ++run)
    repaint = std::min(repaint, Timed(window, [&] {
                         ++window.Pages().DataSet().Version;  // nothing kept stands: every point drawn
                         window.Pages().RedrawAll();
                       }));
  std::printf("%u hits: page painted again  %.3f s  (%.0f M points/s)\n", data.HitCount, repaint,
              20.0 * data.HitCount / repaint / 1e6);

  ae::TimeWindowCommands& time = window.TimeWindow();
  double zoom = 1e300, unzoom = 1e300, scroll = 1e300;
  for (int run = 0; run < 3; ++run) {
    // A window not shown before in every run: nothing kept of an earlier run stands for it.
    const int from = 300 + 40 * run;
    zoom = std::min(zoom, Timed(window, [&] {
                      window.Pages().ApplyTimeWindow(window.Pages().TimeWindow().Zoom(from, from + 600));
                    }));
    scroll = std::min(scroll, Timed(window, [&] { time.ScrollRightAction->trigger(); }));
    unzoom = std::min(unzoom, Timed(window, [&] {
                        time.UnZoomAction->trigger();
                        time.UnZoomAction->trigger();
                      }));
  }
  std::printf(
      "%u hits: zoom %.3f s, scroll %.3f s, unzoom %.3f s (best of 3, each until the page is painted; the unzoom "
      "finds the picture of the whole test kept)\n",
      data.HitCount, zoom, scroll, unzoom);

  // Frame, group, delete and undelete, three times over (the undelete also removes the frame),
  // the best of each.
  auto* sheet = static_cast<ae::TZTTabSheet*>(window.Pages().currentWidget());
  ae::TZTGraphControl& graph = *sheet->Controls().at(1);  // counts against amplitude
  const ae::TZTGraph& g = graph.Graph();
  ae::SetsCommands& sets = window.Sets();
  double frame = 1e300, group = 1e300, remove = 1e300, undelete = 1e300;
  std::uint32_t framed = 0, grouped = 0;
  for (int run = 0; run < 3; ++run) {
    frame =
        std::min(frame, Timed(window, [&] {
                   QTest::mousePress(&graph, Qt::LeftButton, Qt::NoModifier, {g.PlotLeft + 40, g.PlotTop + 5});
                   QTest::mouseMove(&graph, {g.PlotRight - 5, g.PlotBottom - 40});
                   QTest::mouseRelease(&graph, Qt::LeftButton, Qt::NoModifier, {g.PlotRight - 5, g.PlotBottom - 40});
                 }));
    framed = data.FramedCount;
    group = std::min(group, Timed(window, [&] { sets.AddAndAction->trigger(); }));
    grouped = data.GroupedCount;
    remove = std::min(remove, Timed(window, [&] { sets.DeleteGroupedAction->trigger(); }));
    undelete = std::min(undelete, Timed(window, [&] { sets.UndeleteAction->trigger(); }));
  }
  std::printf("%u hits: draw a frame (mark %u hits, status bar, page painted)  %.3f s\n", data.HitCount, framed, frame);
  std::printf(
      "%u hits: group %.3f s, delete %.3f s, undelete %.3f s (%u hits, best of 3, each until the page is painted)\n",
      data.HitCount, group, remove, undelete, grouped);
  const std::uint64_t after = ResidentBytes();
  std::printf("%u hits: memory %.1f bytes per hit (resident, from before opening to the end)\n", data.HitCount,
              after > before ? static_cast<double>(after - before) / data.HitCount : 0.0);
  fs::remove(file);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const ae::bench::TempFolder temp("bench-viewer");
  if (!temp.Made()) return 1;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QString::fromStdString((temp.Path() / "config").string()));
  try {
    AddBenchSet((temp.Path() / "ZTData.sqlite").string());
    // The missing test setup file and other boxes are answered at once.
    ae::MessageSeam::SetHandler([](const ae::MessageSeam::Box&) { return true; });
    Run(temp.Path(), argc > 1 ? std::stoull(argv[1]) : 1000000);
    if (argc == 1) Run(temp.Path(), 10000000);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
