// An engineer's whole path: open a test file, frame hits, group them, delete them and save a
// cleaned file, which must be the source less exactly those hits, byte for byte.
#include <vector>

#include <gtest/gtest.h>

#include "tests/viewer/ui/ViewerFixture.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZmvMain.h"

namespace ae {
namespace {

using Bytes = std::vector<unsigned char>;

// The messages of a DTA file: a 16-bit length, then that many bytes.
std::vector<Bytes> Messages(const Bytes& file) {
  std::vector<Bytes> messages;
  std::size_t at = 0;
  while (at + 2 <= file.size()) {
    const std::size_t length = file[at] | (file[at + 1] << 8);
    if (at + 2 + length > file.size()) break;
    messages.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(at),
                          file.begin() + static_cast<std::ptrdiff_t>(at + 2 + length));
    at += 2 + length;
  }
  return messages;
}

class EndToEnd : public test::ViewerFixture {};

TEST_F(EndToEnd, TheSavedFileIsTheSourceLessExactlyTheDeletedHits) {
  const std::string source = MakeFile(3000);
  Start({QString::fromStdString(source)});
  ShowPage(1);
  TZTGraphControl& graph = Graph(0);  // counts against amplitude
  const TZTGraph& g = graph.Graph();
  // The high-amplitude hits: the right third of the plot, top to bottom.
  const int x = g.PlotLeft + (g.PlotRight - g.PlotLeft) * 2 / 3;
  Drag(graph, {x, g.PlotTop + 1}, {g.PlotRight - 1, g.PlotBottom - 1});
  Trigger("AddAndAction");
  Trigger("DeleteGroupedAction");
  const ZTDataSet& data = window_->Pages().DataSet();
  ASSERT_GT(data.DeletedCount, 0u);
  ASSERT_LT(data.DeletedCount, data.HitCount);

  const std::string cleaned = dir_.File("CLEANED.DTA");
  fileAnswers_ = {QString::fromStdString(cleaned)};
  Trigger("SaveAsAction");

  const std::vector<Bytes> in = Messages(test::ReadFileBytes(source));
  ASSERT_EQ(in.size(), data.Recs.size());
  Bytes expected;
  std::size_t deleted = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (data.Recs[i].IsDeleted()) {
      ++deleted;
      EXPECT_TRUE(data.Recs[i].IsHit());
      EXPECT_GT(data.Recs[i].Amplitude, 40);
      continue;
    }
    expected.insert(expected.end(), in[i].begin(), in[i].end());
  }
  EXPECT_EQ(deleted, data.DeletedCount);
  EXPECT_EQ(test::ReadFileBytes(cleaned), expected);
}

}  // namespace
}  // namespace ae
