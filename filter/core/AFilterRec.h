#pragma once

#include <cstdint>
#include <string>

#include "datafiles/DataFileTypes.h"
#include "filter/core/AParamNames.h"

namespace ae {

// What both kinds of filter record share: the one parameter table through which every record
// turns names into codes and back, and the form of a record's error text.
class AFilterRec {
 public:
  explicit AFilterRec(const AParamNames& names) : names_(&names) {}

  // 0, as for a name the table lacks, for the location of an event: the viewer works it out
  // from a whole loaded file, and no hit a filter reads has one.
  int32_t ParamCodeOf(const std::string& name) const {
    const int32_t code = names_->ParamCodeOf(name);
    return IsLocationCode(code) ? 0 : code;
  }
  std::string ParamNameOf(int32_t code) const { return names_->ParamNameOf(code); }

 protected:
  // "Запись " + row + "\n" + the message: raised as EFRecError.
  [[noreturn]] static void RaiseRecError(int row, int messageId);
  // A limit or constant for the report: general notation, 6 significant digits, '.'.
  static std::string ReportNumber(double value);

 private:
  const AParamNames* names_;
};

// "Запись " + row number + "\n": the start of every row and record error.
std::string RowPrefix(int row);

}  // namespace ae
