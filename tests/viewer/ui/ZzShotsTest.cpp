#include <QApplication>
#include <QTabWidget>
#include <gtest/gtest.h>
#include "store/ZTDataStore.h"
#include "tests/support/DataSetBuilder.h"
#include "tests/support/TempDir.h"
#include "tests/viewer/ui/BoxRecorder.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/ui/TDataBaseForm.h"
#include "viewer/ui/TFDataStatistic.h"
#include "viewer/ui/TFDataView.h"
namespace ae {
TEST(ZzShots, Save) {
  test::BoxRecorder boxes;
  test::TempDir dir;
  ZTDataStore store(dir.File("z.sqlite"));
  AOptions options;
  TDataBaseForm form(store, options, nullptr);
  form.show(); QApplication::processEvents();
  form.grab().save("/tmp/shot_db.png");
  std::vector<ZTShortHit> hits;
  double t = 1;
  for (int c = 1; c <= 4; ++c) for (int i = 0; i < 30 * c; ++i) { ZTShortHit h = test::Hit(t, c, 55 + i % 30, 10 * c + i % 50); h.Counts = 20; h.Duration = 300; h.FrameBits = c % 2 ? 1 : 3; t += 0.003; hits.push_back(h); }
  ZTDataSet data = test::MakeSet(hits);
  TFrameArray frames; frames.AddFrame(TFrameRect{}, data, {}); frames.AddFrame(TFrameRect{}, data, {});
  options.CheckedChan.reset(); for (int c = 0; c < 4; ++c) options.CheckedChan.set(c);
  TFDataStatistic stat(data, frames, options, ATestSetup(), nullptr);
  stat.show(); QApplication::processEvents();
  stat.grab().save("/tmp/shot_stat.png");
  stat.findChild<QTabWidget*>()->setCurrentIndex(4); QApplication::processEvents();
  stat.grab().save("/tmp/shot_monpac.png");
  stat.findChild<QTabWidget*>()->setCurrentIndex(5); QApplication::processEvents();
  stat.grab().save("/tmp/shot_zip.png");
  options.EventsView = true; options.SecondAsShadow = true;
  TFDataView view(data, options, ATestSetup(), nullptr);
  view.show(); QApplication::processEvents();
  view.grab().save("/tmp/shot_view.png");
}
}
