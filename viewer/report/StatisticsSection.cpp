#include "viewer/report/StatisticsSection.h"

#include <QStringList>
#include <array>

#include "viewer/report/HtmlTable.h"
#include "viewer/report/StatReportTable.h"

namespace ae {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList Cells(const std::vector<std::string>& fields) {
  QStringList cells;
  for (const std::string& field : fields) cells << Q(field);
  return cells;
}

// The order of the window's pages.
constexpr std::array<int, StatReportCount> PageOrder = {srAmplitude, srStatistic, srLocalDynamic, srHolds, srMonpac};

}  // namespace

int StatisticsSection::Layout(const ReportPageGeometry& page) { return pages_.Layout(Html(), page); }

void StatisticsSection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  pages_.Paint(painter, index, page);
}

QString StatisticsSection::Html() const {
  QString html = HtmlHeading(QStringLiteral("Statistics"), 1) + HtmlParagraph(Q(content_.SetsText));
  for (int report : PageOrder) html += ReportHtml(report);
  return html;
}

QString StatisticsSection::ReportHtml(int report) const {
  const QString caption = QString::fromLatin1(StatPageCaptions[static_cast<std::size_t>(report)]).trimmed();
  QString html = HtmlHeading(caption, 2);
  const StatReportTable table =
      StatReportTable::Read(content_.Reports[static_cast<std::size_t>(report)], content_.Stat);
  if (table.Empty()) return html + HtmlParagraph(QStringLiteral("No set to count."));
  // Without holds the report has the channel column alone.
  if (report == srHolds && table.Header.size() < 2)
    return html + HtmlParagraph(QStringLiteral("No pressure holds in the test setup."));
  // The report's closing lines explain its marks: small, under the caption as the table's legend,
  // so that they never end up alone on a page after a long table.
  QStringList notes;
  for (const std::string& note : table.Notes) notes << HtmlText(note);
  if (!notes.isEmpty())
    html += QStringLiteral("<p style=\"font-size:7.5pt; margin-top:0pt; margin-bottom:3pt\">%1</p>\n")
                .arg(notes.join(QStringLiteral("<br>")));
  if (table.ValueRows() == 0) {
    html += HtmlParagraph(QStringLiteral("No channel has hits in the sets."));
  } else {
    HtmlTable out(Cells(table.Header));
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
      const StatReportTable::Row& row = table.Rows[i];
      switch (row.RowKind) {
        case StatReportTable::Row::Kind::Set: out.AddSpanRow(Q(row.Fields.front()), true); break;
        case StatReportTable::Row::Kind::Group: out.AddSpanRow(Q(row.Fields.front()), false); break;
        case StatReportTable::Row::Kind::Values: out.AddRow(Cells(row.Fields)); break;
      }
    }
    html += out.Html();
  }
  return html;
}

}  // namespace ae
