#include "viewer/core/ReportNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ae {

namespace {

bool AppendNonFinite(std::string& text, double value) {
  if (std::isnan(value)) {
    text += "NAN";
    return true;
  }
  if (std::isinf(value)) {
    text += value < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

}  // namespace

void AppendUnsigned(std::string& text, std::uint64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

void AppendSigned(std::string& text, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

void AppendFixed(std::string& text, double value, int decimals) {
  if (AppendNonFinite(text, value)) return;
  if (decimals < 0) decimals = 0;
  if (decimals > 15) decimals = 15;
  // Room for the 309 integer digits of the largest double, the sign, the point and the decimals.
  char buffer[352];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  text.append(buffer, result.ptr);
}

std::string Fixed(double value, int decimals) {
  std::string text;
  AppendFixed(text, value, decimals);
  return text;
}

std::string FixedLimited(double value, int decimals) {
  constexpr int Precision = 10;
  std::string text;
  if (AppendNonFinite(text, value)) return text;
  if (std::fabs(value) < 1e10) {
    AppendFixed(text, value, decimals);
    return text;
  }
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, Precision - 1);
  // to_chars writes "1.2e+12"; the viewer's texts use a capital E.
  for (char* p = buffer; p != result.ptr; ++p)
    if (*p == 'e') *p = 'E';
  text.append(buffer, result.ptr);
  return text;
}

}  // namespace ae
