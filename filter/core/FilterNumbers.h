#pragma once
// The number conversions of the filter window: limits and constants as decimal numbers, time
// boxes as whole numbers. Both reject what is not a number instead of reading a prefix of it.
#include <cstdint>
#include <string>

namespace ae {

// The decimal separator of the user's numeric locale (LC_ALL, LC_NUMERIC, LANG); '.' when the
// locale cannot be found.
char UserDecimalSeparator();

// A decimal number: optional blanks, an optional sign, digits with at most one separator, an
// optional exponent, optional blanks. '.' is always a separator; `separator` is accepted too
// (the user's own, ',' in a Russian locale). Infinite results (overflow) are rejected.
bool ParseDecimal(const std::string& text, double& value, char separator);
bool ParseDecimal(const std::string& text, double& value);  // with UserDecimalSeparator()

// A whole number of the signed 32-bit range, decimal, with optional blanks and sign.
bool ParseWholeNumber(const std::string& text, std::int32_t& value);

}  // namespace ae
