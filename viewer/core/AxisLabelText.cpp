#include "viewer/core/AxisLabelText.h"

#include <cmath>
#include <cstdio>

namespace ae {

namespace {

// The value rounded to `decimals` places, without trailing zeros or a trailing point.
std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::string PlainNumber(double value) { return Fixed(value, 3); }

std::string CompactNumber(double value, int decimals) {
  static constexpr const char* Suffixes[] = {"", "k", "M", "G", "T"};
  const double magnitude = std::fabs(value);
  if (!std::isfinite(value) || magnitude < 1000.0) return PlainNumber(value);
  int power = 0;
  double scaled = magnitude;
  while (scaled >= 1000.0 && power < 4) {
    scaled /= 1000.0;
    ++power;
  }
  // Rounding may carry into the next suffix: 999999 with no decimals is 1M, not 1000k.
  const double factor = std::pow(10.0, decimals);
  if (std::round(scaled * factor) / factor >= 1000.0 && power < 4) {
    scaled /= 1000.0;
    ++power;
  }
  return Fixed(value < 0 ? -scaled : scaled, decimals) + Suffixes[power];
}

std::vector<std::string> AxisLabelTexts(const std::vector<AxisLabelRoom>& labels,
                                        const std::function<int(const std::string&)>& width) {
  std::vector<std::string> texts;
  texts.reserve(labels.size());
  auto all = [&](auto&& format) {
    texts.clear();
    bool fit = true;
    for (const AxisLabelRoom& label : labels) {
      texts.push_back(format(label.Value));
      if (width(texts.back()) > label.Room) fit = false;
    }
    return fit;
  };
  if (all([](double v) { return PlainNumber(v); })) return texts;
  for (int decimals = 2; decimals >= 0; --decimals)
    if (all([decimals](double v) { return CompactNumber(v, decimals); })) return texts;
  return texts;
}

}  // namespace ae
