#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ae {

class ZTDataStore;

// The AE parameter table: names and codes of the hit parameters, and which parameters each
// instrument family delivers. Both programs read it: the filter turns typed names into codes,
// the viewer names its axes.
class AEParamTable {
 public:
  explicit AEParamTable(ZTDataStore& store);

  // The code of a parameter name, ignoring letter case; 0 when the table has no such name.
  int32_t ParamCodeOf(const std::string& name) const;
  // The alphabetically first name of a code; none when the table lacks the code (each program
  // says that in its own words).
  std::optional<std::string> ParamNameOf(int32_t code) const;
  // The short name (the viewer's axis name) of a code; empty when there is none.
  std::string ShortNameOf(int32_t code) const;
  // The family query: the distinct parameter names of one family in name order.
  std::vector<std::string> QueryParams(const std::string& systemName) const;
  // The family names of the table, in key order.
  std::vector<std::string> SystemNames() const;

  // The items of the lookup dialog's " System " group with the family name each one queries.
  static const std::vector<std::pair<std::string, std::string>>& SystemItems();

 private:
  ZTDataStore& store_;
};

}  // namespace ae
