#pragma once

#include <optional>
#include <string>
#include <vector>

#include "filter/core/FilterControls.h"

namespace ae {

class ZTDataStore;

// One row of the browse list.
struct FilterListRow {
  int FID = 0;
  std::string FDate;  // ISO yyyy-mm-dd
  std::string FName;
};

// Rows of the three row tables, as the row queries give them.
struct MinMaxRow {
  int FID = 0, RWindowNum = 0, RecNum = 0;
  std::string RParam;
  double RMin = 0, RMax = 0;
};
struct ExprRow {
  int FID = 0, RWindowNum = 0, RecNum = 0;
  std::string YParam, Token;
  double AConst = 0;
  std::string XParam;
  double BConst = 0;
};
struct ExpressionRow {
  int FID = 0, RecNum = 0;
  std::string Expression;
};

// The stored filters. Loading fills a window description exactly as the main window is filled;
// inserting and updating write the record and rows from one. Validation before storing is the
// caller's (it builds an AFilter from the same description).
class FilterDatabase {
 public:
  explicit FilterDatabase(ZTDataStore& store);

  std::vector<FilterListRow> Filters() const;  // primary-key order
  bool Exists(int fid) const;
  // The FIDs of the filters with this exact name, in key order.
  std::vector<int> FindByName(const std::string& name) const;

  // Loads filter fid into the controls; false (controls untouched) when there is none.
  bool LoadInto(int fid, FilterControls& controls) const;
  // Inserts the controls' filter as a new record with its rows; returns the new FID.
  int Insert(const FilterControls& controls);
  // Rewrites record and rows of fid; false (nothing stored) when the record is gone.
  bool Update(int fid, const FilterControls& controls);
  // Deletes the rows (min-max, correlation, expressions, in this order), then the record.
  void Delete(int fid);

  std::vector<MinMaxRow> QMinMax(int fid, int windowNum) const;
  std::vector<ExprRow> QExprRec(int fid, int windowNum) const;
  std::vector<ExpressionRow> QExpress(int fid) const;

 private:
  ZTDataStore& store_;
};

}  // namespace ae
