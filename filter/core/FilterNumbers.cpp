#include "filter/core/FilterNumbers.h"

#include <langinfo.h>
#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace ae {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(const std::string& text) {
  std::string_view s(text);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char SeparatorOfEnvironment() {
  // Read from the environment without touching the process's own locale, which the
  // stream and number formatting of the rest of the program rely on.
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  const char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
  freelocale(user);
  return separator;
}

}  // namespace

char UserDecimalSeparator() {
  static const char separator = SeparatorOfEnvironment();
  return separator;
}

bool ParseDecimal(const std::string& text, double& value, char separator) {
  const std::string_view s = Trimmed(text);
  // Check the shape first: from_chars alone would accept "inf", "nan" and hexadecimal forms.
  std::string plain;
  plain.reserve(s.size());
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') plain += '-';
    ++i;
  }
  int digits = 0;
  bool separatorSeen = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      ++digits;
      plain += c;
    } else if ((c == '.' || c == separator) && !separatorSeen) {
      separatorSeen = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    int exponentDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++exponentDigits) plain += s[i];
    if (exponentDigits == 0) return false;
  }
  if (i != s.size()) return false;

  // strtod_l in the C locale: the process locale may use another separator, and from_chars
  // cannot tell an overflow from an underflow. Overflow gives infinity and is rejected; a value
  // too small to hold reads as the nearest representable one, near zero, as the user meant.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  char* end = nullptr;
  const double result = strtod_l(plain.c_str(), &end, cLocale);
  if (end != plain.c_str() + plain.size() || !std::isfinite(result)) return false;
  value = result;
  return true;
}

bool ParseDecimal(const std::string& text, double& value) { return ParseDecimal(text, value, UserDecimalSeparator()); }

bool ParseWholeNumber(const std::string& text, std::int32_t& value) {
  std::string_view s = Trimmed(text);
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (s.empty() || !IsDigit(s.front())) return false;
  }
  if (s.empty() || !(IsDigit(s.front()) || (s.front() == '-' && s.size() > 1 && IsDigit(s[1])))) return false;
  std::int32_t result = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  value = result;
  return true;
}

}  // namespace ae
