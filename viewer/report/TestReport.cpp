#include "viewer/report/TestReport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <string_view>

#include "datafiles/EZTData.h"
#include "store/ZTDataStore.h"
#include "viewer/core/AReportText.h"
#include "viewer/core/EViewer.h"
#include "viewer/core/FileReplace.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPageBuilder.h"
#include "viewer/report/DocumentPages.h"
#include "viewer/report/LocationSection.h"
#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportPageFrame.h"
#include "viewer/report/ReportPageGeometry.h"
#include "viewer/report/ReportSections.h"

namespace ae {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

AOptions ReportOptions(const AOptions& viewer) {
  AOptions options = viewer;
  // Deleted hits are left out of the report; its time axes show the whole test.
  options.ShowDeleted = false;
  options.TimeRangeFilter = false;
  options.TimeRangeHistory.clear();
  return options;
}

}  // namespace

TestReport::TestReport(ReportSource source, ZTDataStore* store)
    : source_(std::move(source)),
      options_(ReportOptions(source_.Options)),
      common_(*source_.Data, options_, source_.Setup) {
  common_.Frames = source_.Frames;
  if (store != nullptr) {
    GraphPageBuilder builder(*store, common_);
    if (source_.GraphSet) {
      pages_ = builder.BuildPages(*source_.GraphSet);
      ApplyFileTimeAxis(pages_, common_);
    }
    locationPage_ =
        LocationSection::BuildPage(builder.Database(), builder, source_.Setup, source_.GraphSet.value_or(0));
    if (locationPage_ != nullptr) {
      std::vector<std::unique_ptr<GraphPage>> one;
      one.push_back(std::move(locationPage_));
      ApplyFileTimeAxis(one, common_);
      locationPage_ = std::move(one.front());
    }
  }
  RetargetFrames();
}

TestReport::~TestReport() = default;

void TestReport::RetargetFrames() {
  for (int slot = 0; slot < TFrameArray::Slots; ++slot) {
    TFrameRect* frame = common_.Frames.Frame(slot);
    if (frame == nullptr) continue;
    const GraphId shown = frame->Graph;
    frame->Graph = NoGraph;
    for (std::size_t p = 0; p < source_.FrameGraphs.size() && p < pages_.size(); ++p) {
      const std::vector<GraphId>& graphs = source_.FrameGraphs[p];
      for (std::size_t g = 0; g < graphs.size() && g < pages_[p]->Graphs.size(); ++g)
        if (graphs[g] == shown) frame->Graph = pages_[p]->Graphs[g]->Id();
    }
  }
}

std::vector<std::string> TestReport::Problems() const {
  std::vector<std::string> problems;
  for (const auto& page : pages_) problems.insert(problems.end(), page->Problems.begin(), page->Problems.end());
  return problems;
}

std::string TestReport::Maker() { return ReportMaker(); }

std::string TestReport::SetsText() const {
  if (!source_.Frames.AnyFrame()) return WholeFileStatText;
  std::string sets;
  for (int slot = 0; slot < TFrameArray::Slots; ++slot)
    if (source_.Frames.Frame(slot) != nullptr) sets += (sets.empty() ? "" : ", ") + std::to_string(slot + 1);
  return "Sets " + sets + " from the frames: set n holds the hits of frame n that are not deleted";
}

void TestReport::Paint(QPagedPaintDevice& device, const Progress& progress) {
  auto tell = [&progress](double fraction) {
    if (progress) progress(fraction);
  };
  const ZTDataSet& data = *source_.Data;
  SetUpReportPages(device);
  const ReportPageGeometry page = ReportPageGeometry::Of(device);
  tell(0.0);

  // The sets as the statistic window counts them.
  ATestStat stat(source_.Setup);
  try {
    if (common_.Frames.AnyFrame()) stat.Collect(data, common_.Frames.FrameSlotMask(), options_);
    else stat.CollectWhole(data, options_);
  } catch (const EZTData& error) {
    if (error.Code() != EZTData::TimeOrderError) throw;
    throw EViewer(NotSortedMessage(ZTDataSet::EventRule().ErrorTime));
  }
  const std::array<std::string, StatReportCount> reports = WriteStatReports(stat, AReportText::NoLimit);
  tell(0.1);
  const ReportFileInformation file = ReportFileInformation::Read(data.FileName);
  tell(0.2);

  const ReportContent content{source_, data, stat, reports, file, pages_, SetsText(), locationPage_.get()};
  std::size_t drawn = 0;
  const std::size_t graphPages = std::max<std::size_t>(pages_.size(), 1);
  const std::vector<std::unique_ptr<ReportSection>> sections = MakeReportSections(content, [&] {
    ++drawn;
    tell(0.2 + 0.75 * static_cast<double>(drawn) / static_cast<double>(graphPages));
  });
  std::vector<int> counts;
  int total = 0;
  for (const auto& section : sections) {
    counts.push_back(section->Layout(page));
    total += counts.back();
  }

  const QString fileName = QFileInfo(Q(data.FileName)).fileName();
  const QString title = Q(source_.Title);
  const QDateTime made = source_.Made.isValid() ? source_.Made : QDateTime::currentDateTime();
  const QString madeText = made.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  QPainter painter;
  if (!painter.begin(&device)) throw EViewer("The report's pages cannot be painted");
  int number = 0;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    for (int i = 0; i < counts[s]; ++i) {
      if (number > 0 && !device.newPage()) throw EViewer("The report's pages cannot be painted");
      ++number;
      PaintReportPageFrame(painter, page, {fileName, title, number, total, madeText});
      sections[s]->Paint(painter, i, page);
    }
  }
  painter.end();
  tell(1.0);
}

QByteArray TestReport::Pdf(const Progress& progress) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(Q(source_.Title));
    writer.setCreator(Q(Maker()));
    Paint(writer, progress);
  }
  return bytes;
}

void TestReport::Save(const std::string& path, const Progress& progress) {
  const QByteArray pdf = Pdf(progress);
  ReplaceFileContents(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace ae
