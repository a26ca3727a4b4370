#include "filter/core/FilterExpression.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace ae {

namespace {

bool IsWindowLeaf(int32_t code) { return code >= 0 && code <= 3; }

bool HasBothChildren(const Tree& node) { return node.Left != nullptr && node.Right != nullptr; }

}  // namespace

Tree::~Tree() {
  std::vector<std::unique_ptr<Tree>> pending;
  if (Left) pending.push_back(std::move(Left));
  if (Right) pending.push_back(std::move(Right));
  while (!pending.empty()) {
    std::unique_ptr<Tree> node = std::move(pending.back());
    pending.pop_back();
    if (node->Left) pending.push_back(std::move(node->Left));
    if (node->Right) pending.push_back(std::move(node->Right));
  }
}

std::unique_ptr<Tree> ParseExpression(const std::string& text) {
  // One current node per open level; levels[0] is the outermost. A level is closed by ")"
  // or, for every level still open, by the end of the text.
  std::vector<std::unique_ptr<Tree>> levels;
  levels.emplace_back();
  auto closeLevel = [&levels] {
    std::unique_ptr<Tree> result = std::move(levels.back());
    levels.pop_back();
    std::unique_ptr<Tree>& current = levels.back();
    if (current) current->Right = std::move(result);
    else current = std::move(result);
  };
  for (const char raw : text) {
    if (raw == '\0') break;  // nothing after a terminating zero is read
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
    std::unique_ptr<Tree>& current = levels.back();
    if (c == ')') {
      if (levels.size() == 1) break;  // the rest of the text is ignored
      closeLevel();
    } else if (c == '&' || c == '|') {
      auto node = std::make_unique<Tree>(c == '&' ? Tree::AndCode : Tree::OrCode);
      node->Left = std::move(current);
      current = std::move(node);
    } else if (c == '(') {
      levels.emplace_back();
    } else if (c >= 'A' && c <= 'D') {
      auto leaf = std::make_unique<Tree>(c - 'A');
      if (current) current->Right = std::move(leaf);
      else current = std::move(leaf);
    }
  }
  while (levels.size() > 1) closeLevel();
  return std::move(levels.front());
}

ExpressionProgram::ExpressionProgram(const Tree* tree) {
  if (tree == nullptr) {
    ops_.push_back(opFalse);
    depth_ = 1;
    return;
  }
  // Postfix order without recursion: a node is emitted after both of its children.
  struct Step {
    const Tree* Node;
    bool ChildrenDone;
  };
  std::vector<Step> stack{{tree, false}};
  std::size_t values = 0;
  while (!stack.empty()) {
    const Step step = stack.back();
    stack.pop_back();
    const Tree& node = *step.Node;
    if (!HasBothChildren(node)) {
      ops_.push_back(IsWindowLeaf(node.Code) ? static_cast<std::int8_t>(node.Code) : std::int8_t{opFalse});
      if (IsWindowLeaf(node.Code)) used_ |= 1u << node.Code;
      depth_ = std::max(depth_, ++values);
    } else if (step.ChildrenDone) {
      ops_.push_back(node.Code == Tree::AndCode ? std::int8_t{opAnd} : std::int8_t{opOr});
      --values;
    } else {
      stack.push_back({&node, true});
      stack.push_back({node.Right.get(), false});
      stack.push_back({node.Left.get(), false});
    }
  }
}

bool ExpressionProgram::Run(const WindowResults& results) const {
  if (ops_.size() == 1) return ops_[0] < opFalse ? results[static_cast<std::size_t>(ops_[0])] : false;
  // Small programs keep their stack on the machine stack; long ones allocate once per call.
  constexpr std::size_t LocalDepth = 64;
  char small[LocalDepth] = {};
  std::vector<char> big;
  char* values = small;
  if (depth_ > LocalDepth) {
    big.resize(depth_);
    values = big.data();
  }
  std::size_t top = 0;
  for (const std::int8_t op : ops_) {
    switch (op) {
      case opFalse: values[top++] = 0; break;
      case opAnd:
        --top;
        values[top - 1] = static_cast<char>(values[top - 1] && values[top]);
        break;
      case opOr:
        --top;
        values[top - 1] = static_cast<char>(values[top - 1] || values[top]);
        break;
      default: values[top++] = static_cast<char>(results[static_cast<std::size_t>(op)]); break;
    }
  }
  return values[0] != 0;
}

bool Evaluate(const Tree* tree, const WindowResults& results) { return ExpressionProgram(tree).Run(results); }

bool IsDefinedExpression(const Tree* tree) {
  if (tree == nullptr) return false;
  std::vector<const Tree*> pending{tree};
  while (!pending.empty()) {
    const Tree* node = pending.back();
    pending.pop_back();
    if (HasBothChildren(*node)) {
      pending.push_back(node->Left.get());
      pending.push_back(node->Right.get());
    } else if (!IsWindowLeaf(node->Code)) {
      return false;
    }
  }
  return true;
}

}  // namespace ae
