#pragma once
// The value texts of the viewer's INI file and stored options: integers in decimal (or
// hexadecimal after "0x"), booleans as "1" or "0", reals in general notation with up to 15
// significant digits. A text that is not a number gives no value, and the caller its default.
#include <optional>
#include <string>
#include <string_view>

namespace ae {

// Decimal with an optional sign, or "0x"/"0X" and up to 8 hexadecimal digits (taken as the 32
// bits of the value, as the profile service reads them); blanks around the text are ignored.
std::optional<int> ParseProfileInt(std::string_view text);
// A finite real. The decimal separator is a point; a text without a point may use one comma
// instead, as files written under a locale with a decimal comma do.
std::optional<double> ParseProfileReal(std::string_view text);
// General notation, at most 15 significant digits, a point as separator: 4 gives "4", 0.8 in
// single precision "0.800000011920929".
std::string FormatProfileReal(double value);
// A real of single precision: finite and within its range.
std::optional<float> ToSingle(double value);

}  // namespace ae
