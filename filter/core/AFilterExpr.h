#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "filter/core/FilterExpression.h"

namespace ae {

// One row of the expression grid: its text, its scope (0 first hit, 1 second, 2 third, 3 any
// hit) and its parsed tree (none for an empty text).
class AFilterExpr {
 public:
  AFilterExpr() = default;
  AFilterExpr(std::string text, int32_t scope);

  const std::string& Text() const { return text_; }
  int32_t Scope() const { return scope_; }
  // Raises EFilter 812 for a scope outside 0 to 3.
  void SetScope(int32_t scope);
  // Parses the text into the tree.
  void Parse();
  const Tree* Root() const { return tree_.get(); }

  // The scope's label followed by the text, with its line break.
  void WriteReport(std::ostream& os) const;

 private:
  std::string text_;
  int32_t scope_ = 0;
  std::unique_ptr<Tree> tree_;
};

}  // namespace ae
