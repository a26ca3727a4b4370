#pragma once
// A test report: one PDF (A4 landscape) of the loaded data as the analyst left them, every page
// with a header line (the data file's name, the report's title) and a footer (page n of m, when
// it was made, the suite's version): the summary with the test setup, a page per graph page of
// the chosen graph set, the five statistic reports as tables and the ZIP. The viewer and aetool
// make it through this class; the printer gets the same pages.
#include <QByteArray>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "viewer/graphs/GraphPage.h"
#include "viewer/graphs/TCommonData.h"
#include "viewer/report/ReportSource.h"

class QPagedPaintDevice;

namespace ae {

class ZTDataStore;

class TestReport {
 public:
  // The fraction of the work done, 0..1.
  using Progress = std::function<void(double)>;

  // Builds the pages of the source's graph set from the table store, which is used here only,
  // on a view context of the report's own: the viewer's graphs are never touched. Without a
  // store (it could not be opened) the report has no graph pages. Raises the store's errors.
  TestReport(ReportSource source, ZTDataStore* store);
  ~TestReport();
  TestReport(const TestReport&) = delete;
  TestReport& operator=(const TestReport&) = delete;

  const ReportSource& Source() const { return source_; }
  // The graph pages, empty without a graph set or when the set has no pages.
  const std::vector<std::unique_ptr<GraphPage>>& Pages() const { return pages_; }
  // The graphs that could not be set up, one line each.
  std::vector<std::string> Problems() const;

  // Paints the whole report onto a paged device, after setting it to A4 landscape. Raises
  // EViewer with the message for the user (the event view over hits out of time order, too
  // little memory for a page) and leaves the device's pages unfinished then.
  void Paint(QPagedPaintDevice& device, const Progress& progress = {});
  // The report as a PDF document.
  QByteArray Pdf(const Progress& progress = {});
  // The PDF into a file: written beside it under a temporary name and renamed over it only when
  // it is whole, so a failure leaves no half-written file ("Cannot write ..." as EViewer).
  void Save(const std::string& path, const Progress& progress = {});

  // "AE analysis suite 0.1", as the footer names the program.
  static std::string Maker();
  // What the sets of the report are, in words.
  std::string SetsText() const;

 private:
  void RetargetFrames();

  ReportSource source_;
  AOptions options_;  // the source's, with deleted hits not shown and the whole test in view
  TCommonData common_;
  std::vector<std::unique_ptr<GraphPage>> pages_;
  std::unique_ptr<GraphPage> locationPage_;  // the location map when the setup locates
};

}  // namespace ae
