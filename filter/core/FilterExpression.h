#pragma once
// The expression language over the four window results: window letters A to D, "&" (AND),
// "|" (OR), parentheses; no precedence, operators bind from left to right as they are met.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ae {

// One node of a parsed expression: a window leaf (code 0 to 3) or an operator ('&' 38, '|' 124).
struct Tree {
  static constexpr int32_t AndCode = '&';
  static constexpr int32_t OrCode = '|';

  int32_t Code = 0;
  std::unique_ptr<Tree> Left;
  std::unique_ptr<Tree> Right;

  explicit Tree(int32_t code) : Code(code) {}
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;
  // Releases the children without recursion: a long text makes a deep tree.
  ~Tree();
};

using WindowResults = std::array<bool, 4>;

// The root of the text's tree, or null when the text yields no node.
std::unique_ptr<Tree> ParseExpression(const std::string& text);

// The value of a tree. A node without both children is read as a leaf. A node that would then
// be read as a leaf of no window (an operator that lacks an operand) gives false, and so does
// a null tree; a filter never evaluates such a main expression (IsDefinedExpression).
bool Evaluate(const Tree* tree, const WindowResults& results);

// True when the tree exists and evaluation reads no leaf outside the windows A to D.
bool IsDefinedExpression(const Tree* tree);

// A tree flattened once into postfix order, for evaluating it on every hit without recursion
// or allocation.
class ExpressionProgram {
 public:
  ExpressionProgram() = default;
  explicit ExpressionProgram(const Tree* tree);

  bool Run(const WindowResults& results) const;
  // The windows the program reads, as bits 0 to 3.
  unsigned UsedWindows() const { return used_; }
  // The window index when the program is one window leaf, else -1.
  int SingleWindow() const { return ops_.size() == 1 && ops_[0] < opFalse ? ops_[0] : -1; }

 private:
  enum : std::int8_t { opFalse = 4, opAnd = 5, opOr = 6 };  // 0 to 3 push a window result

  std::vector<std::int8_t> ops_;
  std::size_t depth_ = 0;  // largest number of values on the stack
  unsigned used_ = 0;
};

}  // namespace ae
