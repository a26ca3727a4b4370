#pragma once
// The text of one statistic report: lines ending in a line end, at most 65 535 characters (the
// window's page), or as many as a caller that keeps every row asks for. A line that does not fit
// is dropped with everything after it, so the text always ends at a line boundary.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace ae {

class AReportText {
 public:
  static constexpr std::size_t Limit = 65535;

  // A report for a file keeps every row: it has no page to fill.
  static constexpr std::size_t NoLimit = static_cast<std::size_t>(-1);

  explicit AReportText(std::size_t limit = Limit) : limit_(limit) {
    if (limit <= Limit) text_.reserve(limit);
  }

  // Appends the line and a line end, unless the text is full.
  void AddLine(std::string_view line);
  bool Full() const { return full_; }
  const std::string& Text() const { return text_; }
  std::string Take() { return std::move(text_); }

 private:
  std::size_t limit_;
  std::string text_;
  bool full_ = false;
};

}  // namespace ae
