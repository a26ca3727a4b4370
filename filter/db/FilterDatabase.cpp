#include "filter/db/FilterDatabase.h"

#include <QDate>
#include <algorithm>
#include <utility>

#include "store/StoreNumbers.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"
#include "store/ZTDataStore.h"

namespace ae {

namespace {

constexpr char WindowLetters[] = "ABCD";

enum class FieldKind { Text, Decimal };
struct RowField {
  const char* Name;
  FieldKind Kind;
};

// The fields of a window row, in the order of the grid's columns.
constexpr RowField MinMaxFields[] = {
    {"RParam", FieldKind::Text}, {"RMin", FieldKind::Decimal}, {"RMax", FieldKind::Decimal}};
constexpr RowField EquationFields[] = {{"YParam", FieldKind::Text},
                                       {"Token", FieldKind::Text},
                                       {"AConst", FieldKind::Decimal},
                                       {"XParam", FieldKind::Text},
                                       {"BConst", FieldKind::Decimal}};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A box as stored: -1 ticked, 0 not.
int BoxValue(bool ticked) { return ticked ? -1 : 0; }

// Selecting a radio item by index keeps the index within the items, -1 selecting none.
int ItemIndex(const QVariant& stored, int items) { return std::clamp(stored.toInt(), -1, items - 1); }

// A time box: empty for an empty field, else a whole number.
QVariant IntegerField(const ZTDataStore& store, const std::string& text, const char* field) {
  if (text.empty()) return QVariant(QMetaType(QMetaType::Int));
  const auto value = ParseIntegerText(text);
  if (!value) store.Fail(std::string("Filters, field ") + field + ": \"" + text + "\" is not a whole number");
  return *value;
}

// Writes the Filters record: a new one when fid is empty, else the existing fid. Fields the
// controls do not write keep what they hold (empty in a new record).
int WriteRecord(const ZTDataStore& store, const FilterControls& c, std::optional<int> fid) {
  if (c.FilterName.empty()) store.Fail("Filters, field FName: a filter needs a name");
  std::vector<std::pair<QString, QVariant>> fields = {
      {"FDate", QDate::currentDate().toString(Qt::ISODate)},
      {"FName", Q(c.FilterName)},
      {"TreatmentMethod", c.TreatmentItem},
      {"IncludeFilter", c.TypeItem},
  };
  if (c.EventBoxesEnabled()) {
    fields.emplace_back("MPT", IntegerField(store, c.MPT, "MPT"));
    fields.emplace_back("LOCK", IntegerField(store, c.LOCK, "LOCK"));
  }
  if (c.MechanicBoxesEnabled()) {
    fields.emplace_back("Forward", IntegerField(store, c.Forward, "Forward"));
    fields.emplace_back("Back", IntegerField(store, c.Back, "Back"));
  }
  fields.emplace_back("DeleteTDP", BoxValue(c.DeleteTDP));
  fields.emplace_back("EOT_Type", BoxValue(c.SmartEOT));
  fields.emplace_back("ADepFlag", BoxValue(c.Windows[fwA].JoinAnd));
  fields.emplace_back("BDepFlag", BoxValue(c.Windows[fwB].JoinAnd));
  fields.emplace_back("CDepFlag", BoxValue(c.Windows[fwC].JoinAnd));
  fields.emplace_back("DDepFlag", BoxValue(c.Windows[fwD].JoinAnd));

  QStringList names, placeholders, assignments;
  for (const auto& field : fields) {
    names.append(field.first);
    placeholders.append(":" + field.first);
    assignments.append(field.first + " = :" + field.first);
  }
  const QString sql = fid ? "UPDATE Filters SET " + assignments.join(", ") + " WHERE FID = :FID"
                          : "INSERT INTO Filters (" + names.join(", ") + ") VALUES (" + placeholders.join(", ") + ")";
  StoreQuery query(store, sql, "Filters");
  for (const auto& [name, value] : fields) query.Bind(":" + name, value);
  if (fid) query.Bind(":FID", *fid);
  query.Exec();
  return fid ? *fid : query.LastInsertId().toInt();
}

// The rows of one window grid, when its first parameter cell is filled.
template <std::size_t N>
void WriteWindow(const ZTDataStore& store, int fid, int window, int windowNum, const FilterGrid& grid,
                 const char* table, const RowField (&fields)[N]) {
  if (grid.Rows.empty() || grid.Rows[0].empty() || grid.Rows[0][0].empty()) return;
  QString sql = QString("INSERT INTO %1 (FID, RWindowNum, RecNum").arg(table);
  QString values = ":FID, :WINNUM, :RECNUM";
  for (const RowField& field : fields) {
    sql += QString(", ") + field.Name;
    values += QString(", :") + field.Name;
  }
  StoreQuery query(store, sql + ") VALUES (" + values + ")", table);
  for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
    const std::vector<std::string>& cells = grid.Rows[r];
    const std::string where =
        std::string(table) + ", window " + WindowLetters[window] + " row " + std::to_string(r + 1) + ", field ";
    query.Bind(":FID", fid).Bind(":WINNUM", windowNum).Bind(":RECNUM", static_cast<int>(r + 1));
    for (std::size_t f = 0; f < N; ++f) {
      const std::string text = f < cells.size() ? cells[f] : std::string();
      if (text.empty()) store.Fail(where + fields[f].Name + ": the field must have a value");
      if (fields[f].Kind == FieldKind::Text) {
        query.Bind(QString(":") + fields[f].Name, Q(text));
      } else {
        const auto value = ParseDecimalText(text);
        if (!value) store.Fail(where + fields[f].Name + ": \"" + text + "\" is not a number");
        query.Bind(QString(":") + fields[f].Name, *value);
      }
    }
    query.Exec();
  }
}

void WriteRows(const ZTDataStore& store, int fid, const FilterControls& c) {
  for (int w = fwA; w <= fwC; ++w) WriteWindow(store, fid, w, w, c.Windows[w], "FRMinMax", MinMaxFields);
  WriteWindow(store, fid, fwD, 0, c.Windows[fwD], "FRExpr", EquationFields);
  StoreQuery query(store, "INSERT INTO FExpress (FID, RecNum, Expression) VALUES (:FID, :RECNUM, :EXPRESSION)",
                   "FExpress");
  for (int row = 0; row < ExpressionRows; ++row) {
    if (c.Expressions[row].empty()) continue;  // the stored rows keep their row numbers
    query.Bind(":FID", fid).Bind(":RECNUM", row + 1).Bind(":EXPRESSION", Q(c.Expressions[row])).Exec();
  }
}

void DeleteRows(const ZTDataStore& store, int fid) {
  for (const char* table : {"FRMinMax", "FRExpr", "FExpress"})
    StoreQuery(store, QString("Delete from %1 where FID = :FID").arg(table), table).Bind(":FID", fid).Exec();
}

// Puts the stored rows of one window into its grid: more than one row sizes the grid to them,
// and each row lands on its RecNum. A row numbered outside the grid has no cells to fill.
template <std::size_t N>
void FillWindow(StoreQuery& query, FilterGrid& grid, const RowField (&fields)[N]) {
  std::vector<std::pair<int, std::vector<std::string>>> rows;
  while (query.Next()) {
    std::vector<std::string> cells;
    for (const RowField& field : fields) cells.push_back(StoredValueText(query.Value(field.Name)));
    rows.emplace_back(query.Value("RecNum").toInt(), std::move(cells));
  }
  if (rows.size() > 1) grid.Rows.assign(rows.size(), std::vector<std::string>(N));
  for (auto& [recNum, cells] : rows)
    if (recNum >= 1 && static_cast<std::size_t>(recNum) <= grid.Rows.size()) grid.Rows[recNum - 1] = std::move(cells);
}

}  // namespace

FilterDatabase::FilterDatabase(ZTDataStore& store) : store_(store) {}

std::vector<FilterListRow> FilterDatabase::Filters() const {
  StoreQuery query(store_, "SELECT FID, FDate, FName FROM Filters ORDER BY FID", "Filters");
  query.Exec();
  std::vector<FilterListRow> rows;
  while (query.Next())
    rows.push_back(
        {query.Value("FID").toInt(), StoredValueText(query.Value("FDate")), StoredValueText(query.Value("FName"))});
  return rows;
}

bool FilterDatabase::Exists(int fid) const {
  StoreQuery query(store_, "SELECT FID FROM Filters WHERE FID = :FID", "Filters");
  query.Bind(":FID", fid).Exec();
  return query.Next();
}

std::vector<int> FilterDatabase::FindByName(const std::string& name) const {
  StoreQuery query(store_, "SELECT FID FROM Filters WHERE FName = :NAME ORDER BY FID", "Filters");
  query.Bind(":NAME", Q(name)).Exec();
  std::vector<int> fids;
  while (query.Next()) fids.push_back(query.Value("FID").toInt());
  return fids;
}

bool FilterDatabase::LoadInto(int fid, FilterControls& controls) const {
  StoreQuery record(store_, "SELECT * FROM Filters WHERE FID = :FID", "Filters");
  record.Bind(":FID", fid).Exec();
  if (!record.Next()) return false;

  // Filled aside, so that a failing read leaves the window as it was.
  FilterControls c = controls;
  c.ClearWindows();
  c.FilterName = StoredValueText(record.Value("FName"));
  c.SelectTreatment(ItemIndex(record.Value("TreatmentMethod"), 3));
  c.TypeItem = ItemIndex(record.Value("IncludeFilter"), 2);
  c.MPT = StoredValueText(record.Value("MPT"));
  c.LOCK = StoredValueText(record.Value("LOCK"));
  c.Forward = StoredValueText(record.Value("Forward"));
  c.Back = StoredValueText(record.Value("Back"));
  c.DeleteTDP = record.Value("DeleteTDP").toInt() != 0;
  c.SmartEOT = record.Value("EOT_Type").toInt() != 0;
  c.Windows[fwA].JoinAnd = record.Value("ADepFlag").toInt() != 0;
  c.Windows[fwB].JoinAnd = record.Value("BDepFlag").toInt() != 0;
  c.Windows[fwC].JoinAnd = record.Value("CDepFlag").toInt() != 0;
  c.Windows[fwD].JoinAnd = record.Value("DDepFlag").toInt() != 0;

  for (int w = fwA; w <= fwC; ++w) {
    StoreQuery rows(store_, "select * from FRMinMax where FID = :FID and RWindowNum = :WINNUM order by RecNum",
                    "QMinMax");
    rows.Bind(":FID", fid).Bind(":WINNUM", w).Exec();
    FillWindow(rows, c.Windows[w], MinMaxFields);
  }
  StoreQuery equations(store_, "select * from FRExpr where FID = :FID and RWindowNum = :WINNUM order by RecNum",
                       "QExprRec");
  equations.Bind(":FID", fid).Bind(":WINNUM", 0).Exec();
  FillWindow(equations, c.Windows[fwD], EquationFields);

  StoreQuery expressions(store_, "select * from FExpress where FID = :FID order by RecNum", "QExpress");
  expressions.Bind(":FID", fid).Exec();
  while (expressions.Next()) {
    const int recNum = expressions.Value("RecNum").toInt();
    if (recNum >= 1 && recNum <= ExpressionRows)
      c.Expressions[recNum - 1] = StoredValueText(expressions.Value("Expression"));
  }
  controls = std::move(c);
  return true;
}

int FilterDatabase::Insert(const FilterControls& controls) {
  StoreTransaction transaction(store_);
  const int fid = WriteRecord(store_, controls, std::nullopt);
  WriteRows(store_, fid, controls);
  transaction.Commit();
  return fid;
}

bool FilterDatabase::Update(int fid, const FilterControls& controls) {
  StoreTransaction transaction(store_);
  if (!Exists(fid)) return false;
  WriteRecord(store_, controls, fid);
  DeleteRows(store_, fid);
  WriteRows(store_, fid, controls);
  transaction.Commit();
  return true;
}

void FilterDatabase::Delete(int fid) {
  StoreTransaction transaction(store_);
  DeleteRows(store_, fid);
  StoreQuery(store_, "Delete from Filters where FID = :FID", "Filters").Bind(":FID", fid).Exec();
  transaction.Commit();
}

std::vector<MinMaxRow> FilterDatabase::QMinMax(int fid, int windowNum) const {
  StoreQuery query(store_, "select * from FRMinMax where FID = :FID and RWindowNum = :WINNUM order by RecNum",
                   "QMinMax");
  query.Bind(":FID", fid).Bind(":WINNUM", windowNum).Exec();
  std::vector<MinMaxRow> rows;
  while (query.Next())
    rows.push_back({query.Value("FID").toInt(), query.Value("RWindowNum").toInt(), query.Value("RecNum").toInt(),
                    StoredValueText(query.Value("RParam")), query.Value("RMin").toDouble(),
                    query.Value("RMax").toDouble()});
  return rows;
}

std::vector<ExprRow> FilterDatabase::QExprRec(int fid, int windowNum) const {
  StoreQuery query(store_, "select * from FRExpr where FID = :FID and RWindowNum = :WINNUM order by RecNum",
                   "QExprRec");
  query.Bind(":FID", fid).Bind(":WINNUM", windowNum).Exec();
  std::vector<ExprRow> rows;
  while (query.Next())
    rows.push_back({query.Value("FID").toInt(), query.Value("RWindowNum").toInt(), query.Value("RecNum").toInt(),
                    StoredValueText(query.Value("YParam")), StoredValueText(query.Value("Token")),
                    query.Value("AConst").toDouble(), StoredValueText(query.Value("XParam")),
                    query.Value("BConst").toDouble()});
  return rows;
}

std::vector<ExpressionRow> FilterDatabase::QExpress(int fid) const {
  StoreQuery query(store_, "select * from FExpress where FID = :FID order by RecNum", "QExpress");
  query.Bind(":FID", fid).Exec();
  std::vector<ExpressionRow> rows;
  while (query.Next())
    rows.push_back(
        {query.Value("FID").toInt(), query.Value("RecNum").toInt(), StoredValueText(query.Value("Expression"))});
  return rows;
}

}  // namespace ae
