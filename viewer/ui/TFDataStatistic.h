#pragma once
// "Sets statistic..": the statistics of the current sets, collected when the window is created,
// as five report pages and the zone intensity plot (ZIP). The window owns the statistics; they
// do not follow later changes of the data set, the sets or the test setup (it is modal).
#include <QDialog>
#include <array>
#include <exception>
#include <memory>

#include "viewer/core/StatReports.h"

class QLabel;
class QTabWidget;
class QTextEdit;

namespace ae {

class AOptions;
class ATestSetup;
class ATestStat;
class TFrameArray;
class ZTDataSet;

class TFDataStatistic : public QDialog {
  Q_OBJECT

 public:
  // The size it opens with; centring it fits it to this, not to its smallest layout.
  QSize sizeHint() const override { return {760, 540}; }
  // Collects the statistics of the frames' sets (with the options' channel selection and
  // events view) and writes the reports. Without any frame every hit that is not deleted counts
  // as set 1, and the window's first line says so. A time-order error of the event rule (EZTData 2001)
  // is raised to the caller, who shows it; the window is then not made. Any other failure is
  // shown in a warning box and leaves the pages empty. The options are read again whenever the
  // plot paints (its colour scheme).
  TFDataStatistic(const ZTDataSet& data, const TFrameArray& frames, const AOptions& options, const ATestSetup& setup,
                  QWidget* owner);
  ~TFDataStatistic() override;

  const ATestStat& Stat() const { return *stat_; }

  // The window's first line when there is no frame: the reports then cover the whole file.
  static constexpr const char* WholeFileText = WholeFileStatText;

 private:
  void Collect(const ZTDataSet& data, const TFrameArray& frames, const AOptions& options);
  void Failed(const std::exception& error);

  std::unique_ptr<ATestStat> stat_;
  QLabel* wholeFile_;
  QTabWidget* statistic_;
  // By report: amplitude, statistic, MONPAC, local/dynamic, holds (RichEdit1, 2, 3, 4, 5).
  std::array<QTextEdit*, 5> reports_{};
};

}  // namespace ae
