#pragma once

#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>

namespace ae {

// Conversions between the texts typed into the windows' boxes and cells and the numbers of the
// stored fields, done the same way for every field (the filter tables use them).

// A decimal number as typed: blanks around it allowed, a point (or the user's locale decimal
// separator) before the fraction, an exponent allowed; nothing else, and never an infinity or
// not-a-number.
std::optional<double> ParseDecimalText(const std::string& text);

// A whole number of the 32-bit range, blanks around it allowed.
std::optional<int32_t> ParseIntegerText(const std::string& text);

// The text of a stored value: empty for an empty field, whole numbers in decimal, other
// numbers in general format with up to 15 significant digits, texts as they are.
std::string StoredValueText(const QVariant& value);

}  // namespace ae
