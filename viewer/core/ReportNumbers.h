#pragma once
// Number texts of the viewer's reports and protocol lines. They always use a point as the
// decimal separator, whatever the user's locale, so that reports read the same everywhere and
// scripts can parse them.
#include <cstdint>
#include <string>

namespace ae {

// Decimal, no padding or grouping.
void AppendUnsigned(std::string& text, std::uint64_t value);
void AppendSigned(std::string& text, std::int64_t value);
// Fixed-point with the given number of decimals (0..15); "NAN", "INF" or "-INF" for values
// that are not finite.
void AppendFixed(std::string& text, double value, int decimals);
std::string Fixed(double value, int decimals);
// Fixed-point with the given decimals and at most 10 significant digits: values of 1e10 and
// more switch to scientific notation with 10 significant digits ("1.234567890E+12").
std::string FixedLimited(double value, int decimals);

}  // namespace ae
