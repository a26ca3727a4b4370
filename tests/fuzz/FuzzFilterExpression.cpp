// Any text as a filter expression. The parser and the evaluation are compared with plain
// recursive versions written from the language's rules: the same tree, and the same value for
// every combination of the four window results.
#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "filter/core/FilterExpression.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

namespace {

// The rules as they read: one current node per level, a sub-expression parsed recursively.
class ReferenceParser {
 public:
  explicit ReferenceParser(const std::string& text) : text_(text) {}

  std::unique_ptr<Tree> Parse() { return Level(true); }

 private:
  std::unique_ptr<Tree> Level(bool outermost) {
    std::unique_ptr<Tree> current;
    while (pos_ < text_.size()) {
      const char raw = text_[pos_++];
      if (raw == '\0') {
        pos_ = text_.size();  // the end of the text ends every open level
        break;
      }
      const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
      if (c == ')') {
        if (outermost) pos_ = text_.size();  // the rest is ignored
        break;
      }
      if (c == '&' || c == '|') {
        auto node = std::make_unique<Tree>(c);
        node->Left = std::move(current);
        current = std::move(node);
      } else if (c == '(') {
        std::unique_ptr<Tree> sub = Level(false);
        if (current) current->Right = std::move(sub);
        else current = std::move(sub);
      } else if (c >= 'A' && c <= 'D') {
        auto leaf = std::make_unique<Tree>(c - 'A');
        if (current) current->Right = std::move(leaf);
        else current = std::move(leaf);
      }
    }
    return current;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

bool Same(const Tree* a, const Tree* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return a->Code == b->Code && Same(a->Left.get(), b->Left.get()) && Same(a->Right.get(), b->Right.get());
}

// A node without both children is read as a leaf; both children are always evaluated.
bool Value(const Tree* node, const WindowResults& results) {
  if (node == nullptr) return false;
  if (node->Left == nullptr || node->Right == nullptr)
    return node->Code >= 0 && node->Code <= 3 && results[static_cast<std::size_t>(node->Code)];
  const bool left = Value(node->Left.get(), results);
  const bool right = Value(node->Right.get(), results);
  return node->Code == Tree::AndCode ? left && right : left || right;
}

// Deep nesting would take the recursive versions beyond the stack; the parser itself has no
// recursion and takes any depth.
bool ShallowEnough(const std::string& text) {
  std::size_t open = 0, operators = 0;
  for (const char c : text) {
    open += c == '(';
    operators += c == '&' || c == '|';
  }
  return open < 2000 && operators < 2000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::unique_ptr<Tree> tree = ParseExpression(text);
  const bool defined = IsDefinedExpression(tree.get());
  const ExpressionProgram program(tree.get());
  if (defined && tree == nullptr) Violated("an expression without a tree is defined");
  const bool compare = ShallowEnough(text);
  std::unique_ptr<Tree> reference;
  if (compare) {
    reference = ReferenceParser(text).Parse();
    if (!Same(tree.get(), reference.get())) Violated("the parser differs from the rules");
  }
  for (unsigned mask = 0; mask < 16; ++mask) {
    const WindowResults results{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
    const bool value = Evaluate(tree.get(), results);
    if (program.Run(results) != value) Violated("the program differs from the evaluation");
    if (compare && Value(tree.get(), results) != value) Violated("the evaluation differs from the rules");
    if ((program.UsedWindows() & ~0xFu) != 0) Violated("a window beyond D is used");
  }
  return 0;
}
