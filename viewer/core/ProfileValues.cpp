#include "viewer/core/ProfileValues.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ae {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int> ParseProfileInt(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    if (text.size() > 8) return std::nullopt;
    std::uint32_t bits = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    value = static_cast<std::int32_t>(bits);  // the 32 bits as a signed value
  } else {
    // from_chars reads no sign here, so "--5" and "+-5" fail as they should.
    std::uint64_t magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude, 10);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    value = static_cast<std::int64_t>(magnitude);
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<double> ParseProfileReal(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  std::string copy(text);
  if (copy.find('.') == std::string::npos) {
    const std::size_t comma = copy.find(',');
    if (comma != std::string::npos && copy.find(',', comma + 1) == std::string::npos) copy[comma] = '.';
  }
  double value = 0.0;
  const char* end = copy.data() + copy.size();
  const auto result = std::from_chars(copy.data(), end, value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  // "inf" and "nan" are numbers to from_chars but not to a setting.
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatProfileReal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::optional<float> ToSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
    return std::nullopt;
  return static_cast<float>(value);
}

}  // namespace ae
