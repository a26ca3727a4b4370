#include "viewer/ui/TFDataStatistic.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>
#include <string_view>
#include <vector>

#include "datafiles/EZTData.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestStat.h"
#include "viewer/core/StatReports.h"
#include "viewer/core/TFrameArray.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/ZipPlot.h"

namespace ae {

namespace {

// The line over the reports of a file without frames (the report of the file says it in English).
constexpr const char* WholeFileLabel =
    QT_TRANSLATE_NOOP("ae::TFDataStatistic", "No frame: every hit that is not deleted, as set 1");
static_assert(std::string_view(WholeFileLabel) == TFDataStatistic::WholeFileText);

constexpr int TabStopCount = 32;
constexpr double TwipsPerInch = 1440.0;

// The plot page: renders the plot at its own size, again after a resize.
class TZipPaintBox : public QWidget {
 public:
  TZipPaintBox(const ATestStat& stat, const AOptions& options, QWidget* parent)
      : QWidget(parent), stat_(stat), options_(options) {
    setObjectName(QStringLiteral("ZIPPaintBox"));
  }

 protected:
  void paintEvent(QPaintEvent*) override { ZIPPaintBoxPaint(); }

 private:
  void ZIPPaintBoxPaint() {
    // The zone classes are those the MONPAC report stored.
    if (image_.size() != size() || scheme_ != options_.ColorScheme) {
      scheme_ = options_.ColorScheme;
      image_ = ZipPlot::Render(ZipPointsOf(stat_), width(), height(), scheme_);
    }
    QPainter(this).drawImage(0, 0, image_);
  }

  const ATestStat& stat_;
  const AOptions& options_;
  QImage image_;
  int scheme_ = -1;
};

QTextEdit* ReportEdit(const char* name, int tabTwips, QWidget* parent) {
  auto* edit = new QTextEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->setLineWrapMode(QTextEdit::NoWrap);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit->setAcceptRichText(false);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
  // Tab stops at tabTwips, 2 x tabTwips, ... as the report columns are laid out.
  QList<QTextOption::Tab> tabs;
  const double pixelsPerTwip = edit->logicalDpiX() / TwipsPerInch;
  for (int i = 1; i <= TabStopCount; ++i)
    tabs.append(QTextOption::Tab(i * tabTwips * pixelsPerTwip, QTextOption::LeftTab));
  QTextOption option = edit->document()->defaultTextOption();
  option.setTabs(tabs);
  edit->document()->setDefaultTextOption(option);
  return edit;
}

}  // namespace

TFDataStatistic::TFDataStatistic(const ZTDataSet& data, const TFrameArray& frames, const AOptions& options,
                                 const ATestSetup& setup, QWidget* owner)
    : QDialog(owner), stat_(std::make_unique<ATestStat>(setup)) {
  setObjectName(QStringLiteral("FDataStatistic"));
  setWindowTitle(tr("Sets statistic.."));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setMinimumSize(600, 450);

  auto* layout = new QVBoxLayout(this);
  wholeFile_ = new QLabel(tr(WholeFileLabel), this);
  wholeFile_->setObjectName(QStringLiteral("WholeFileLabel"));
  wholeFile_->setVisible(!frames.AnyFrame());
  layout->addWidget(wholeFile_);
  statistic_ = new QTabWidget(this);
  statistic_->setObjectName(QStringLiteral("Statistic"));
  reports_[srAmplitude] = ReportEdit("RichEdit1", 1000, this);
  reports_[srStatistic] = ReportEdit("RichEdit2", 1000, this);
  reports_[srMonpac] = ReportEdit("RichEdit3", 1000, this);
  reports_[srLocalDynamic] = ReportEdit("RichEdit4", 1000, this);
  reports_[srHolds] = ReportEdit("RichEdit5", 700, this);
  struct Page {
    const char* Name;
    QWidget* Content;
    const char* Caption;
  };
  const Page pages[] = {
      {"TSAmplDistr", reports_[srAmplitude], QT_TR_NOOP("Amplitude Distr.")},
      {"TSStatDistr", reports_[srStatistic], QT_TR_NOOP("Statistic Distr.")},
      {"TSLocDyn", reports_[srLocalDynamic], QT_TR_NOOP("Local/Dynamic")},
      {"TSHolds", reports_[srHolds], QT_TR_NOOP(" Pressure holds")},
      {"TSMonpac", reports_[srMonpac], "   MONPAC+   "},
      {"TSZip", new TZipPaintBox(*stat_, options, this), "ZIP"},
  };
  for (const Page& page : pages) {
    auto* sheet = new QWidget(statistic_);
    sheet->setObjectName(QString::fromLatin1(page.Name));
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    page.Content->setParent(sheet);
    sheetLayout->addWidget(page.Content);
    statistic_->addTab(sheet, tr(page.Caption));
  }
  statistic_->setCurrentIndex(0);
  layout->addWidget(statistic_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(760, 540);

  Collect(data, frames, options);
  CenterOnOwner(this, owner);
}

TFDataStatistic::~TFDataStatistic() = default;

void TFDataStatistic::Collect(const ZTDataSet& data, const TFrameArray& frames, const AOptions& options) {
  try {
    // Without frames the reports are those of the whole file, as aetool stat writes them.
    if (frames.AnyFrame()) stat_->Collect(data, frames.FrameSlotMask(), options);
    else stat_->CollectWhole(data, options);
    const std::array<std::string, StatReportCount> texts = WriteStatReports(*stat_);
    for (int r = 0; r < StatReportCount; ++r)
      reports_[static_cast<std::size_t>(r)]->setPlainText(Q(texts[static_cast<std::size_t>(r)]));
  } catch (const EZTData& error) {
    if (error.Code() == EZTData::TimeOrderError) throw;
    Failed(error);
  } catch (const std::exception& error) {
    Failed(error);
  }
}

void TFDataStatistic::Failed(const std::exception& error) {
  MessageSeam::Show(this, MessageSeam::Kind::Warning, QString::fromUtf8(error.what()), Q(ViewerText(vmWarning)));
  for (QTextEdit* report : reports_) report->clear();
  // Nor does the plot show what was half collected.
  *stat_ = ATestStat(stat_->Setup());
}

}  // namespace ae
