// What both About boxes show: version, memory load, the maker's link.
#include <QLabel>
#include <QRegularExpression>
#include <QUrl>
#include <memory>

#include <gtest/gtest.h>

#include "ui/AboutFacts.h"

namespace ae {
namespace {

TEST(AboutFacts, TheVersionIsTheProjectVersion) {
  EXPECT_TRUE(QRegularExpression(R"(^\d+(\.\d+)+$)").match(AboutFacts::Version()).hasMatch())
      << AboutFacts::Version().toStdString();
}

TEST(AboutFacts, TheMemoryLoadComesFromTotalAndAvailableMemory) {
  const struct {
    const char* meminfo;
    int percent;
  } cases[] = {
      {"MemTotal:       16000000 kB\nMemFree:  1000 kB\nMemAvailable:    4000000 kB\n", 75},
      {"MemAvailable: 500 kB\nMemTotal: 1000 kB\n", 50},  // any order
      {"MemTotal: 1000 kB\nMemAvailable: 1000 kB\n", 0},
      {"MemTotal: 1000 kB\nMemAvailable: 0 kB\n", 100},
      {"MemTotal: 1000 kB\nMemFree: 10 kB\n", 0},  // no MemAvailable: unknown
      {"MemTotal: 1000 kB\nMemAvailable: 2000 kB\n", 0},
      {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", 0},
      {"", 0},
      {"garbage\n\n:::\n", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(AboutFacts::MemoryLoadPercentOf(c.meminfo), c.percent) << c.meminfo;

  const int now = AboutFacts::MemoryLoadPercent();
  EXPECT_GE(now, 0);
  EXPECT_LE(now, 100);
  EXPECT_TRUE(QRegularExpression(R"(^\d{1,3} %$)").match(AboutFacts::MemoryLoadText()).hasMatch())
      << AboutFacts::MemoryLoadText().toStdString();
}

TEST(AboutFacts, TheMakerLinkOpensTheMakersSiteWithTheSystemsHandler) {
  const QUrl site(AboutFacts::MakerUrl());
  EXPECT_TRUE(site.isValid());
  EXPECT_TRUE(site.scheme() == "https" || site.scheme() == "http") << site.toString().toStdString();

  QWidget box;
  QLabel* link = AboutFacts::NewMakerLink(&box);
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->parent(), &box);
  EXPECT_EQ(link->objectName(), "LinkLabel");
  EXPECT_TRUE(link->openExternalLinks());
  EXPECT_EQ(link->textFormat(), Qt::RichText);
  EXPECT_TRUE(link->text().contains("href=\"" + AboutFacts::MakerUrl() + "\"")) << link->text().toStdString();
}

}  // namespace
}  // namespace ae
