#pragma once

#include <cstdint>
#include <string>

namespace ae {

// The two lookups of the AE parameter table as the filter sees them. The table store
// implements it; tests give a small in-memory table.
class AParamNames {
 public:
  virtual ~AParamNames() = default;
  // Code of a parameter name, ignoring letter case; 0 when the table has no such name.
  virtual int32_t ParamCodeOf(const std::string& name) const = 0;
  // Alphabetically first name of a code; the text of message 808 when there is none.
  virtual std::string ParamNameOf(int32_t code) const = 0;
};

}  // namespace ae
