#pragma once

#include <cstdint>
#include <string>

#include "filter/core/AParamNames.h"

namespace ae {

// What both kinds of filter record share: the one parameter table through which every record
// turns names into codes and back, and the form of a record's error text.
class AFilterRec {
 public:
  explicit AFilterRec(const AParamNames& names) : names_(&names) {}

  int32_t ParamCodeOf(const std::string& name) const { return names_->ParamCodeOf(name); }
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
