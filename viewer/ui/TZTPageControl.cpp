#include "viewer/ui/TZTPageControl.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "datafiles/EDataFile.h"
#include "store/ZTDataStore.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/ui/LongTask.h"
#include "viewer/ui/TMainDataModule.h"
#include "viewer/ui/TZTTabSheet.h"

namespace ae {

TZTPageControl::TZTPageControl(AOptions& options, ATestSetup& setup, AProtocol& protocol, GraphMouseHost& host,
                               QWidget* parent)
    : QTabWidget(parent),
      options_(options),
      setup_(setup),
      protocol_(protocol),
      common_(dataSet_, options, setup),
      selection_(common_.Frames, dataSet_, protocol, options, setup),
      timeWindow_(options),
      mouse_(options, selection_, timeWindow_, host) {
  setObjectName(QStringLiteral("PageControl"));
  setDocumentMode(true);
}

TZTPageControl::~TZTPageControl() {
  // The sheets hold the graphs' controls; they go before the data they show.
  while (count() > 0) delete widget(0);
}

std::vector<TZTTabSheet*> TZTPageControl::Sheets() const {
  std::vector<TZTTabSheet*> sheets;
  for (int i = 0; i < count(); ++i) sheets.push_back(static_cast<TZTTabSheet*>(widget(i)));
  return sheets;
}

void TZTPageControl::BuildPages() {
  timeWindow_.Reset();
  setVisible(false);
  while (count() > 0) delete widget(0);
  setVisible(true);
  if (module_ == nullptr) return;

  std::vector<std::unique_ptr<GraphPage>> pages;
  std::vector<std::string> problems;
  try {
    GraphPageBuilder builder(module_->Store(), common_);
    const GraphSetChoice choice = builder.ChooseGraphSet();
    if (!choice.Show) return;
    if (choice.Set) pages = builder.BuildPages(choice.Set->GSystemID);
  } catch (const std::exception& error) {
    MessageSeam::Show(this, MessageSeam::Kind::Error, Q(error.what()), Q(ViewerText(vmError)));
    return;
  }
  if (pages.empty()) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, Q(ViewerText(vmNoPages)), Q(ViewerText(vmError)));
    return;
  }
  ApplyFileTimeAxis(pages, common_);
  for (auto& page : pages) {
    for (const std::string& problem : page->Problems) problems.push_back(problem);
    const QString name = Q(page->Name);
    auto* sheet = new TZTTabSheet(std::move(page), mouse_, this);
    connect(sheet, &TZTTabSheet::Resized, this, &TZTPageControl::UpdateAllLayouts);
    connect(sheet, &TZTTabSheet::Rendered, this, &TZTPageControl::GraphsRendered);
    connect(sheet, &TZTTabSheet::TimeOrderError, this, &TZTPageControl::ShowTimeOrderError, Qt::QueuedConnection);
    addTab(sheet, name);
  }
  UpdateAllLayouts();
  // A graph whose channel text is not a list of channels is shown without data; say which.
  if (!problems.empty()) {
    QString text = tr("These graphs cannot show data:");
    for (const std::string& problem : problems) text += QStringLiteral("\n") + Q(problem);
    MessageSeam::Show(this, MessageSeam::Kind::Warning, text, Q(ViewerText(vmWarning)));
  }
}

bool TZTPageControl::LoadData(const QString& fileName) {
  // The old data go first, so that memory never holds two files; the pages show nothing while
  // the new one is read.
  dataSet_.Clear();
  dataSet_.MaxTime = 0.0;
  dataSet_.TimeEnd = 0.0;
  RedrawAll();
  bool loaded = false;
  QString message;
  try {
    ZTDataSet incoming;
    const std::string name = S(fileName);
    RunLongTask(this, tr("Loading %1 ...").arg(fileName), [&](TaskProgress&) { incoming.Load(name); });
    dataSet_ = std::move(incoming);
    loaded = true;
  } catch (const EDataFile& error) {
    message = Q(error.what());
  } catch (const std::bad_alloc&) {
    message = Q(ViewerText(vmFileLoadingError));
  } catch (const std::exception& error) {
    message = error.what()[0] != '\0' ? Q(error.what()) : Q(ViewerText(vmFileLoadingError));
  }
  common_.RepaintAll = true;
  if (!loaded) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, message, Q(ViewerText(vmWarning)));
    BuildPages();
    return false;
  }
  BuildPages();
  protocol_.AddLine("Data loaded\t" + S(fileName));
  return true;
}

void TZTPageControl::SaveData(const QString& fileName) {
  const std::string name = S(fileName);
  RunLongTask(this, tr("Saving %1 ...").arg(fileName), [&](TaskProgress&) { dataSet_.SaveAs(name); });
}

void TZTPageControl::RedrawAll() {
  for (TZTTabSheet* sheet : Sheets()) sheet->Redraw();
}

void TZTPageControl::SetTimeRange(std::int32_t from, std::int32_t to) {
  for (TZTTabSheet* sheet : Sheets()) sheet->Page().SetTimeRange(from, to);
}

void TZTPageControl::RestoreTimeRange() {
  if (options_.TimeAxisFromFile) {
    const double end = std::trunc(dataSet_.TimeEnd);
    SetTimeRange(0, static_cast<std::int32_t>(std::clamp(end, 0.0, 2147483647.0)));
    return;
  }
  for (TZTTabSheet* sheet : Sheets()) sheet->Page().RestoreTimeRange();
}

void TZTPageControl::ApplyTimeWindow(const ATimeWindowChange& change) {
  switch (change.What) {
    case ATimeWindowChange::Nothing: return;
    case ATimeWindowChange::SetRange: SetTimeRange(change.From, change.To); break;
    case ATimeWindowChange::RestoreRange: RestoreTimeRange(); break;
  }
  RedrawAll();
}

bool TZTPageControl::FitAxesToData() {
  auto* sheet = qobject_cast<TZTTabSheet*>(currentWidget());
  if (sheet == nullptr || !sheet->Page().FitAxesToData()) return false;
  sheet->Redraw();
  return true;
}

void TZTPageControl::RestoreStoredRanges() {
  for (TZTTabSheet* sheet : Sheets())
    if (sheet->Page().RestoreStoredRanges()) sheet->Redraw();
}

void TZTPageControl::UpdateAllLayouts() {
  if (layingOut_) return;
  layingOut_ = true;
  // Only the tab shown is resized by the tabs; the hidden ones take its size, so that every page
  // is laid out (and renders when it is shown).
  const QWidget* shown = currentWidget();
  for (TZTTabSheet* sheet : Sheets()) {
    if (shown != nullptr && sheet != shown && sheet->size() != shown->size()) sheet->resize(shown->size());
    sheet->UpdateAllLayouts();
  }
  layingOut_ = false;
}

void TZTPageControl::ShowTimeOrderError(double seconds) {
  MessageSeam::Show(this, MessageSeam::Kind::Warning, Q(NotSortedMessage(seconds)), Q(ViewerText(vmError)));
}

}  // namespace ae
