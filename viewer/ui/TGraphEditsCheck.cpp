#include "viewer/ui/TGraphEditsCheck.h"

#include <QCoreApplication>
#include <map>

#include "store/StoreNumbers.h"
#include "ui/QtText.h"
#include "viewer/core/GraphChannels.h"
#include "viewer/ui/TGraphTableModel.h"

namespace ae {

namespace {

struct FieldCaption {
  const char* Field;
  const char* Caption;
};

// The captions of the editors, as the graph database window shows them; fields without an editor
// go by their own names.
constexpr FieldCaption Captions[] = {
    {"LXCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Left X")},
    {"LYCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Left Y")},
    {"RXCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Right X")},
    {"RYCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Right Y")},
    {"XMin", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "X Min")},
    {"XMax", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "X Max")},
    {"YMin", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Y Min")},
    {"YMax", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Y Max")},
    {"XBinNum", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "BinNum")},
    {"GraphTypeID", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Graph type")},
    {"YCumTypeID", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Cumulation")},
    {"YBinSumTypeID", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "BinSum type")},
};

QString CaptionOf(const char* field) {
  for (const FieldCaption& c : Captions)
    if (std::string_view(c.Field) == field) return QCoreApplication::translate("ae::TDataBaseForm", c.Caption);
  return QString::fromLatin1(field);
}

constexpr const char* CoordinateFields[] = {"LXCoord", "LYCoord", "RXCoord", "RYCoord"};

QString Capitalized(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

QString RowLabel(const TGraphTableModel& model, TGraphEditsCheck::Table where, int row) {
  const bool sets = where == TGraphEditsCheck::tSets;
  const QString name = model.data(model.index(row, model.Column(sets ? "Name" : "GrPageName"))).toString();
  return (sets ? QCoreApplication::translate("ae::TGraphEditsCheck", "the graph set \"%1\"")
               : QCoreApplication::translate("ae::TGraphEditsCheck", "the page \"%1\""))
      .arg(name);
}

}  // namespace

std::optional<TGraphEditsCheck::Problem> TGraphEditsCheck::Run() {
  if (auto p = Numbers(sets_, tSets, {"PageNum"})) return p;
  if (auto p =
          Numbers(graphs_, tGraphs,
                  {"GraphTypeID", "LXCoord", "LYCoord", "RXCoord", "RYCoord", "XAxisType", "YAxisType", "XMin", "XMax",
                   "YMin", "YMax", "XBinNum", "YBinNum", "XBinSumTypeID", "YBinSumTypeID", "XCumTypeID", "YCumTypeID"}))
    return p;
  for (int row = 0; row < graphs_.rowCount(); ++row) {
    if (!graphs_.IsEdited(row)) continue;
    if (auto p = Grid(row)) return p;
    if (auto p = Channels(row)) return p;
  }
  return Capacity();
}

std::optional<TGraphEditsCheck::Problem> TGraphEditsCheck::Numbers(TGraphTableModel& model, Table where,
                                                                   std::initializer_list<const char*> fields) {
  for (int row = 0; row < model.rowCount(); ++row) {
    if (!model.IsEdited(row)) continue;
    for (const char* field : fields) {
      const int column = model.Column(field);
      const QModelIndex cell = model.index(row, column);
      const QVariant value = cell.data(Qt::EditRole);
      if (!model.isDirty(cell) || value.isNull()) continue;
      const std::optional<int32_t> number = ParseIntegerText(StoredValueText(value));
      if (!number) {
        const QString owner = where == tGraphs ? GraphLabel(row) : RowLabel(model, where, row);
        return Problem{tr("\"%1\" of %2 is \"%3\", which is not a whole number.")
                           .arg(CaptionOf(field), owner, Q(StoredValueText(value))),
                       where, row, column};
      }
      // Stored as the number, not as the text typed.
      model.setData(cell, *number);
    }
  }
  return std::nullopt;
}

std::optional<TGraphEditsCheck::Problem> TGraphEditsCheck::Grid(int row) {
  int c[4];
  for (int i = 0; i < 4; ++i) c[i] = graphs_.data(graphs_.index(row, graphs_.Column(CoordinateFields[i]))).toInt();
  const int lx = c[0], ly = c[1], rx = c[2], ry = c[3];
  const bool fits = lx >= 0 && lx < rx && rx <= columns_ && ly >= 0 && ly < ry && ry <= rows_;
  if (fits) return std::nullopt;
  const int column = graphs_.Column(lx < 0 || lx >= rx   ? "LXCoord"
                                    : rx > columns_      ? "RXCoord"
                                    : ly < 0 || ly >= ry ? "LYCoord"
                                                         : "RYCoord");
  return Problem{tr("%1 does not fit the page grid of %2 columns and %3 rows: Left X %4, Right X %5, "
                    "Left Y %6, Right Y %7. The columns must lie within 0..%2 and the rows within "
                    "0..%3, each right edge beyond its left edge; the page would show no graph from "
                    "this one on.")
                     .arg(Capitalized(GraphLabel(row)))
                     .arg(columns_)
                     .arg(rows_)
                     .arg(lx)
                     .arg(rx)
                     .arg(ly)
                     .arg(ry),
                 tGraphs, row, column};
}

std::optional<TGraphEditsCheck::Problem> TGraphEditsCheck::Channels(int row) {
  const int column = graphs_.Column("Channels");
  const QModelIndex cell = graphs_.index(row, column);
  if (!graphs_.isDirty(cell)) return std::nullopt;
  const GraphChannels parsed = GraphChannels::Parse(S(cell.data(Qt::EditRole).toString()));
  if (parsed.Ok()) return std::nullopt;
  return Problem{tr("The channels of %1 are not a list of channels 1..128 (for example 1,2,5): %2.")
                     .arg(GraphLabel(row), Q(parsed.Error)),
                 tGraphs, row, column};
}

std::optional<TGraphEditsCheck::Problem> TGraphEditsCheck::Capacity() {
  const int cells = columns_ * rows_;
  std::map<int, int> count, lastRow;
  std::map<int, bool> edited;
  for (int row = 0; row < graphs_.rowCount(); ++row) {
    if (graphs_.IsDeleted(row)) continue;
    const int page = graphs_.MasterOf(row);
    ++count[page];
    lastRow[page] = row;
    edited[page] = edited[page] || graphs_.IsEdited(row);
  }
  for (const auto& [page, n] : count) {
    if (n <= cells || !edited[page]) continue;
    return Problem{tr("The page \"%1\" has %2 graphs, more than the %3 cells of the page grid (%4 x %5): "
                      "the page would show only the first %3.")
                       .arg(PageName(page))
                       .arg(n)
                       .arg(cells)
                       .arg(columns_)
                       .arg(rows_),
                   tGraphs, lastRow[page], graphs_.Column("GraphName")};
  }
  return std::nullopt;
}

QString TGraphEditsCheck::PageName(int pageKey) const {
  const int row = pages_.RowOf(pageKey);
  return row < 0 ? QString() : pages_.data(pages_.index(row, pages_.Column("GrPageName"))).toString();
}

QString TGraphEditsCheck::GraphLabel(int row) const {
  // The graph number is the graph's place on its page.
  const int page = graphs_.MasterOf(row);
  int number = 0;
  for (int r = 0; r < row; ++r)
    if (!graphs_.IsDeleted(r) && graphs_.MasterOf(r) == page) ++number;
  const QString name = graphs_.data(graphs_.index(row, graphs_.Column("GraphName"))).toString();
  return tr("graph %1 \"%2\" on the page \"%3\"").arg(number).arg(name, PageName(page));
}

}  // namespace ae
