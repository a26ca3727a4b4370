#pragma once
// The text of one statistic report: lines ending in a line end, at most 65 535 characters. A
// line that does not fit is dropped with everything after it, so the text always ends at a
// line boundary.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace ae {

class AReportText {
 public:
  static constexpr std::size_t Limit = 65535;

  AReportText() { text_.reserve(Limit); }

  // Appends the line and a line end, unless the text is full.
  void AddLine(std::string_view line);
  bool Full() const { return full_; }
  const std::string& Text() const { return text_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  bool full_ = false;
};

}  // namespace ae
