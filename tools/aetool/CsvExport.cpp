#include "tools/aetool/CsvExport.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "datafiles/EDataFile.h"

namespace ae {

namespace {

constexpr std::size_t FlushSize = 1 << 20;
constexpr std::size_t RowRoom = 512;  // more than the longest row

constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

int DigitCount(std::uint64_t v) {
  int n = 1;
  for (;;) {
    if (v < 10) return n;
    if (v < 100) return n + 1;
    if (v < 1000) return n + 2;
    if (v < 10000) return n + 3;
    v /= 10000;
    n += 4;
  }
}

// Writes the last `digits` digits of v, with leading zeros; returns the end.
char* WriteDigits(char* p, std::uint64_t v, int digits) {
  char* const end = p + digits;
  char* q = end;
  while (digits >= 2) {
    q -= 2;
    std::memcpy(q, DigitPairs + 2 * (v % 100), 2);
    v /= 100;
    digits -= 2;
  }
  if (digits == 1) *--q = static_cast<char>('0' + v % 10);
  return end;
}

char* WriteUnsigned(char* p, std::uint64_t v) { return WriteDigits(p, v, DigitCount(v)); }

char* WriteSigned(char* p, std::int64_t v) {
  if (v >= 0) return WriteUnsigned(p, static_cast<std::uint64_t>(v));
  *p++ = '-';
  return WriteUnsigned(p, 0 - static_cast<std::uint64_t>(v));
}

__extension__ typedef unsigned __int128 Wide;  // exact products of 64-bit mantissas

// How the long double q, which ATestTime::Seconds computes for `ticks`, compares with the exact
// value ticks / 4000000 (-1, 0, +1); compared exactly in integers. False when it cannot tell.
bool CompareWithExact(std::uint64_t ticks, long double q, int& order) {
  constexpr int digits = std::numeric_limits<long double>::digits;
  if constexpr (digits > 64) {
    return false;
  } else {
    int exponent = 0;
    const long double fraction = std::frexp(q, &exponent);  // q = fraction * 2^exponent
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, digits));
    const int shift = digits - exponent;  // q = mantissa / 2^shift
    if (shift < 0 || shift + 48 > 127) return false;
    const Wide scaled = static_cast<Wide>(mantissa) * 4000000u;
    const Wide exact = static_cast<Wide>(ticks) << shift;
    order = scaled > exact ? 1 : scaled < exact ? -1 : 0;
    return true;
  }
}

char* WriteFixed(char* p, double v, int decimals) {
  const auto result = std::to_chars(p, p + 64, v, std::chars_format::fixed, decimals);
  if (result.ec == std::errc()) return result.ptr;
  std::memcpy(p, "nan", 3);
  return p + 3;
}

}  // namespace

char* CsvRecordWriter::FormatSeconds(char* out, const ATestTime& time) {
  const std::uint64_t ticks = time.Ticks();
  const std::uint64_t seconds = ticks / 4000000;
  const std::uint64_t rest = ticks % 4000000;
  // 25 hundred-millionths of a second per tick: the eighth decimal is 0 or 5. A 5 is a tie at
  // seven decimals, which the binary value of the long double decides: above or below the
  // exact value, or, when it is exact, to the even digit.
  std::uint64_t decimals = rest * 25 / 10;
  if (rest & 1) {
    const long double q = time.Seconds();
    int order = 0;
    if (!CompareWithExact(ticks, q, order)) {
      const auto result = std::to_chars(out, out + 64, q, std::chars_format::fixed, 7);
      return result.ptr;
    }
    if (order > 0 || (order == 0 && (decimals & 1))) ++decimals;  // at most 9999998: no carry
  }
  char* p = WriteUnsigned(out, seconds);
  *p++ = '.';
  return WriteDigits(p, decimals, 7);
}

CsvRecordWriter::CsvRecordWriter(std::ostream& out, std::string outputName)
    : out_(out), outputName_(std::move(outputName)), buffer_(FlushSize + RowRoom, '\0') {}

void CsvRecordWriter::Begin(const ExportSource&) {
  const std::size_t n = std::strlen(CsvExportHeader);
  std::memcpy(buffer_.data() + used_, CsvExportHeader, n);
  used_ += n;
  buffer_[used_++] = '\n';
}

void CsvRecordWriter::Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) {
  char* const base = buffer_.data();
  char* p = base + used_;
  for (std::size_t k = 0; k < count; ++k) {
    const ZTShortHit& rec = recs[k];
    p = WriteSigned(p, first + static_cast<std::int64_t>(k));
    *p++ = ',';
    p = WriteSigned(p, rec.Kind);
    *p++ = ',';
    p = FormatSeconds(p, rec.Time);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Channel);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Rise);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Counts);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Energy);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Duration);
    *p++ = ',';
    p = WriteUnsigned(p, rec.Amplitude);
    *p++ = ',';
    // Parametric values are mostly whole counts; -0 keeps its sign as to_chars prints it.
    const float v = rec.Parametric;
    const bool whole = v > -1e9f && v < 1e9f && static_cast<float>(static_cast<std::int32_t>(v)) == v &&
                       (v != 0.0f || !std::signbit(v));
    if (whole) {
      p = WriteSigned(p, static_cast<std::int32_t>(v));
      std::memcpy(p, ".000", 4);
      p += 4;
    } else {
      p = WriteFixed(p, v, 3);
    }
    *p++ = '\n';
    if (static_cast<std::size_t>(p - base) >= FlushSize) {
      used_ = static_cast<std::size_t>(p - base);
      Flush();
      p = base;
    }
  }
  used_ = static_cast<std::size_t>(p - base);
}

void CsvRecordWriter::Flush() {
  if (used_ > 0) out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

void CsvRecordWriter::End() {
  Flush();
  out_.flush();
  if (!out_) throw EDataFile("Cannot write " + outputName_);
}

void ExportCsv(const std::string& dataFile, std::ostream& out, ProgressBar* progress) {
  CsvRecordWriter writer(out);
  ExportRecords(dataFile, writer, progress);
}

}  // namespace ae
