#include <gtest/gtest.h>

#include "ui/QtText.h"

namespace ae {
namespace {

// The cores hold UTF-8: the filter's Russian messages and report lines must survive both ways.
TEST(QtText, TextsCrossBetweenQtAndTheCoresAsUtf8) {
  for (const std::string text : {"", "Amplitude", "Неизвестный тип фильтра", "Все файлы (*)", "a\tb\nc"}) {
    EXPECT_EQ(S(Q(text)), text);
    EXPECT_EQ(Q(text), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  EXPECT_EQ(Q("Ия").size(), 2);
}

}  // namespace
}  // namespace ae
