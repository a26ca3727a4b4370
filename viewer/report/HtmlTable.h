#pragma once
// A table of the report as the HTML a QTextDocument reads: a header row that repeats on every
// page the table runs over, rows of cells, and rows that span the whole width (a set, a block of
// a statistic). Every text given is plain text; the table escapes it.
#include <QString>
#include <QStringList>

namespace ae {

class HtmlTable {
 public:
  enum class Align { Left, Right };

  explicit HtmlTable(const QStringList& header, Align cells = Align::Right);
  // A table of names and values: no header, the names shaded in the first column.
  static HtmlTable Facts();
  void AddRow(const QStringList& cells);
  // A row of one cell over every column, bold or in italics.
  void AddSpanRow(const QString& text, bool bold);
  int Rows() const { return rows_; }
  QString Html() const;

 private:
  QString html_;
  int columns_;
  Align align_;
  bool names_ = false;
  int rows_ = 0;
};

// Plain text as HTML.
QString HtmlText(const QString& text);
QString HtmlText(const std::string& text);
// A heading of the report: level 1 starts a part (14 points), level 2 a piece of it (11 points),
// level 3 a group within a piece (9 points, bold).
QString HtmlHeading(const QString& text, int level);
// A paragraph of plain text.
QString HtmlParagraph(const QString& text);

}  // namespace ae
