// The expression language: left-to-right binding without precedence, parentheses, the quirks
// the parser is defined to have, and expressions that have no value.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "filter/core/FilterExpression.h"

namespace ae {
namespace {

using Truth = std::function<bool(bool, bool, bool, bool)>;

struct Case {
  const char* Text;
  Truth Expected;
};

TEST(FilterExpression, EvaluatesAsTheLanguageReads) {
  const Case cases[] = {
      {"A", [](bool a, bool, bool, bool) { return a; }},
      {"d", [](bool, bool, bool, bool d) { return d; }},
      {"a|b", [](bool a, bool b, bool, bool) { return a || b; }},
      {" A | B ", [](bool a, bool b, bool, bool) { return a || b; }},
      // No precedence: operators bind from the left as they are met.
      {"A|B&C", [](bool a, bool b, bool c, bool) { return (a || b) && c; }},
      {"A&B|C&D", [](bool a, bool b, bool c, bool d) { return ((a && b) || c) && d; }},
      {"(A)", [](bool a, bool, bool, bool) { return a; }},
      {"A&(B|C)", [](bool a, bool b, bool c, bool) { return a && (b || c); }},
      {"(A|B)&(C|D)", [](bool a, bool b, bool c, bool d) { return (a || b) && (c || d); }},
      {"A&(B|(C&D))", [](bool a, bool b, bool c, bool d) { return a && (b || (c && d)); }},
      // A missing ")" closes at the end of the text; a ")" at the outermost level ends it.
      {"A&(B|C", [](bool a, bool b, bool c, bool) { return a && (b || c); }},
      {"A)&B", [](bool a, bool, bool, bool) { return a; }},
      // A letter after a complete operand replaces the right operand; AB is A.
      {"A&B C", [](bool a, bool, bool c, bool) { return a && c; }},
      {"AB", [](bool a, bool, bool, bool) { return a; }},
      {"(A&)B", [](bool a, bool b, bool, bool) { return a && b; }},
      {"A & x B", [](bool a, bool b, bool, bool) { return a && b; }},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<Tree> tree = ParseExpression(c.Text);
    ASSERT_TRUE(IsDefinedExpression(tree.get())) << c.Text;
    const ExpressionProgram program(tree.get());
    for (int bits = 0; bits < 16; ++bits) {
      const WindowResults r{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
      const bool expected = c.Expected(r[0], r[1], r[2], r[3]);
      EXPECT_EQ(Evaluate(tree.get(), r), expected) << c.Text << " with " << bits;
      EXPECT_EQ(program.Run(r), expected) << c.Text << " with " << bits;
    }
  }
}

TEST(FilterExpression, ATerminatingZeroEndsTheText) {
  const std::string text("A|B\0&C", 6);
  const std::unique_ptr<Tree> tree = ParseExpression(text);
  EXPECT_TRUE(Evaluate(tree.get(), {false, true, false, false}));
}

TEST(FilterExpression, BuildsTheTreeTheRulesDescribe) {
  const std::unique_ptr<Tree> tree = ParseExpression("A|B&C");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->Code, '&');
  ASSERT_NE(tree->Left, nullptr);
  EXPECT_EQ(tree->Left->Code, '|');
  EXPECT_EQ(tree->Left->Left->Code, 0);
  EXPECT_EQ(tree->Left->Right->Code, 1);
  EXPECT_EQ(tree->Right->Code, 2);
  // AB: the leaf A with B as a right child that evaluation ignores.
  const std::unique_ptr<Tree> ab = ParseExpression("AB");
  EXPECT_EQ(ab->Code, 0);
  EXPECT_EQ(ab->Left, nullptr);
  ASSERT_NE(ab->Right, nullptr);
  EXPECT_EQ(ab->Right->Code, 1);
}

TEST(FilterExpression, TextsWithoutAValueAreFoundAndNeverReadOutsideTheWindows) {
  // An undefined node reads as false; the rest of the tree keeps its meaning.
  const std::pair<const char*, bool> undefined[] = {{"A&", false},  {"&A", false},    {"|", false},    {"A&|B", true},
                                                    {"E&A", false}, {"A|(B&)", true}, {"A&B()", false}};
  for (const auto& [text, allTrue] : undefined) {
    const std::unique_ptr<Tree> tree = ParseExpression(text);
    ASSERT_NE(tree, nullptr) << text;
    EXPECT_FALSE(IsDefinedExpression(tree.get())) << text;
    EXPECT_EQ(Evaluate(tree.get(), {true, true, true, true}), allTrue) << text;
  }
  for (const char* text : {"", "E", "xyz", "()", "  ", ")A"}) {
    EXPECT_EQ(ParseExpression(text), nullptr) << text;
    EXPECT_FALSE(IsDefinedExpression(nullptr));
    EXPECT_FALSE(Evaluate(nullptr, {true, true, true, true}));
  }
}

TEST(FilterExpression, LongTextsNeitherOverflowTheStackNorTakeLong) {
  // Deep nesting and long operator chains make deep trees; parsing, evaluation and
  // release must not recurse over them.
  const int n = 200000;
  const std::string nested = std::string(n, '(') + "A" + std::string(n, ')');
  std::string chain = "A";
  for (int i = 0; i < n; ++i) chain += i % 2 == 0 ? "&B" : "|C";
  std::string rightDeep;
  for (int i = 0; i < n; ++i) rightDeep += "A&(";
  rightDeep += "B";

  for (const std::string* text : std::initializer_list<const std::string*>{&nested, &chain, &rightDeep}) {
    std::unique_ptr<Tree> tree = ParseExpression(*text);
    ASSERT_TRUE(IsDefinedExpression(tree.get()));
    EXPECT_TRUE(Evaluate(tree.get(), {true, true, true, false}));
    EXPECT_FALSE(Evaluate(tree.get(), {false, false, false, false}));
    tree.reset();
  }
}

}  // namespace
}  // namespace ae
