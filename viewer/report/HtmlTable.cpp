#include "viewer/report/HtmlTable.h"

#include <algorithm>

namespace ae {

QString HtmlText(const QString& text) { return text.toHtmlEscaped(); }

QString HtmlText(const std::string& text) { return HtmlText(QString::fromStdString(text)); }

QString HtmlHeading(const QString& text, int level) {
  QString tag, style;
  switch (level) {
    case 1:
      tag = QStringLiteral("h1");
      style = QStringLiteral("font-size:14pt; margin-top:0pt; margin-bottom:6pt");
      break;
    case 2:
      tag = QStringLiteral("h2");
      style = QStringLiteral("font-size:11pt; margin-top:12pt; margin-bottom:4pt");
      break;
    default:
      tag = QStringLiteral("h3");
      style = QStringLiteral("font-size:9pt; margin-top:8pt; margin-bottom:3pt");
      break;
  }
  return QStringLiteral("<%1 style=\"%2\">%3</%1>\n").arg(tag, style, HtmlText(text));
}

QString HtmlParagraph(const QString& text) {
  return QStringLiteral("<p style=\"margin-top:0pt; margin-bottom:3pt\">%1</p>\n").arg(HtmlText(text));
}

HtmlTable::HtmlTable(const QStringList& header, Align cells)
    : columns_(std::max<int>(1, static_cast<int>(header.size()))), align_(cells) {
  html_ = QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
      "style=\"border-collapse:collapse; border-color:#808080; border-style:solid\">\n");
  if (header.isEmpty()) return;
  html_ += QStringLiteral("<thead><tr>");
  for (const QString& field : header)
    html_ += QStringLiteral("<th bgcolor=\"#E6E6E6\" align=\"center\">%1</th>").arg(HtmlText(field));
  html_ += QStringLiteral("</tr></thead>\n");
}

HtmlTable HtmlTable::Facts() {
  HtmlTable table({}, Align::Left);
  table.columns_ = 2;
  table.names_ = true;
  return table;
}

void HtmlTable::AddRow(const QStringList& cells) {
  html_ += QStringLiteral("<tr>");
  for (int i = 0; i < columns_; ++i) {
    const QString cell = i < cells.size() ? cells[i] : QString();
    const QString align = align_ == Align::Right ? QStringLiteral("right") : QStringLiteral("left");
    const QString shade = names_ && i == 0 ? QStringLiteral(" bgcolor=\"#F2F2F2\"") : QString();
    // A value of several lines keeps them.
    html_ += QStringLiteral("<td align=\"%1\"%2>%3</td>")
                 .arg(align, shade, HtmlText(cell).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
  }
  html_ += QStringLiteral("</tr>\n");
  ++rows_;
}

void HtmlTable::AddSpanRow(const QString& text, bool bold) {
  const QString shown =
      bold ? QStringLiteral("<b>%1</b>").arg(HtmlText(text)) : QStringLiteral("<i>%1</i>").arg(HtmlText(text));
  html_ += QStringLiteral("<tr><td colspan=\"%1\" bgcolor=\"%2\">%3</td></tr>\n")
               .arg(columns_)
               .arg(bold ? QStringLiteral("#F2F2F2") : QStringLiteral("#FFFFFF"), shown);
  ++rows_;
}

QString HtmlTable::Html() const {
  // The rich text keeps no margin under a table: a small empty line keeps the next heading off it.
  return html_ + QStringLiteral("</table>\n<p style=\"font-size:5pt; margin:0pt\">&nbsp;</p>\n");
}

}  // namespace ae
