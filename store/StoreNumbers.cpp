#include "store/StoreNumbers.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace ae {

namespace {

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
  std::size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// from_chars takes a minus sign only; a plus sign is taken here, but not both.
bool DropPlusSign(std::string& text) {
  if (text.empty() || text[0] != '+') return true;
  text.erase(0, 1);
  return text.empty() || text[0] != '-';
}

std::optional<double> ParsePlainDecimal(std::string text) {
  if (!DropPlusSign(text)) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseDecimalText(const std::string& text) {
  const std::string trimmed = Trimmed(text);
  if (auto value = ParsePlainDecimal(trimmed)) return value;
  const std::string separator = QLocale::system().decimalPoint().toStdString();
  if (separator.empty() || separator == "." || trimmed.find('.') != std::string::npos) return std::nullopt;
  const std::size_t at = trimmed.find(separator);
  if (at == std::string::npos || trimmed.find(separator, at + 1) != std::string::npos) return std::nullopt;
  return ParsePlainDecimal(trimmed.substr(0, at) + '.' + trimmed.substr(at + separator.size()));
}

std::optional<int32_t> ParseIntegerText(const std::string& text) {
  std::string trimmed = Trimmed(text);
  if (!DropPlusSign(trimmed)) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size()) return std::nullopt;
  return value;
}

std::string StoredValueText(const QVariant& value) {
  if (value.isNull()) return {};
  if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value.toDouble(), std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
  }
  return value.toString().toStdString();
}

}  // namespace ae
