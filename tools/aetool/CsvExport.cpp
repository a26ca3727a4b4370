#include "tools/aetool/CsvExport.h"

#include <bit>
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

char* WritePair(char* p, std::uint32_t v) {
  std::memcpy(p, DigitPairs + 2 * v, 2);
  return p + 2;
}

// Writes the last `digits` digits of v, with leading zeros; returns the end.
char* WriteDigits(char* p, std::uint64_t v, int digits) {
  char* const end = p + digits;
  char* q = end;
  while (digits >= 2) {
    q -= 2;
    WritePair(q, static_cast<std::uint32_t>(v % 100));
    v /= 100;
    digits -= 2;
  }
  if (digits == 1) *--q = static_cast<char>('0' + v % 10);
  return end;
}

// Below 100000, as nearly every field of a hit is: no loop.
char* WriteSmall(char* p, std::uint32_t v) {
  if (v < 100) {
    if (v < 10) {
      *p = static_cast<char>('0' + v);
      return p + 1;
    }
    return WritePair(p, v);
  }
  if (v < 10000) {
    if (v < 1000) {
      *p++ = static_cast<char>('0' + v / 100);
      return WritePair(p, v % 100);
    }
    return WritePair(WritePair(p, v / 100), v % 100);
  }
  *p++ = static_cast<char>('0' + v / 10000);
  v %= 10000;
  return WritePair(WritePair(p, v / 100), v % 100);
}

char* WriteUnsigned(char* p, std::uint64_t v) {
  if (v < 100000) return WriteSmall(p, static_cast<std::uint32_t>(v));
  return WriteDigits(p, v, DigitCount(v));
}

// The text of every number below 10000 in four bytes, and its length: a field of a hit is
// written with one copy of four bytes, and no branch on its count of digits, whose outcome
// varies from row to row and would be mispredicted several times in every row.
struct SmallNumbers {
  static constexpr std::uint32_t Count = 10000;
  char Text[Count][4];
  std::uint8_t Length[Count];
};

const SmallNumbers& Small() {
  static const SmallNumbers table = [] {
    SmallNumbers t{};
    for (std::uint32_t v = 0; v < SmallNumbers::Count; ++v)
      t.Length[v] = static_cast<std::uint8_t>(WriteSmall(t.Text[v], v) - t.Text[v]);
    return t;
  }();
  return table;
}

// Writes v; up to four bytes past its end may be overwritten (the row buffer has the room).
char* WriteField(char* p, std::uint64_t v, const SmallNumbers& small) {
  if (v < SmallNumbers::Count) [[likely]] {
    std::memcpy(p, small.Text[v], 4);
    return p + small.Length[v];
  }
  return WriteUnsigned(p, v);
}

char* WriteSignedField(char* p, std::int64_t v, const SmallNumbers& small) {
  if (v >= 0) return WriteField(p, static_cast<std::uint64_t>(v), small);
  *p++ = '-';
  return WriteUnsigned(p, 0 - static_cast<std::uint64_t>(v));
}

__extension__ typedef unsigned __int128 Wide;  // exact products of 64-bit mantissas

// q as mantissa / 2^shift, exactly. False where long double has more than 64 bits.
bool Decompose(long double q, std::uint64_t& mantissa, int& shift) {
  constexpr int digits = std::numeric_limits<long double>::digits;
  if constexpr (digits == 64 && std::numeric_limits<long double>::max_exponent == 16384 && sizeof(long double) >= 10) {
    // The x87 extended format: its 64-bit mantissa with an explicit integer bit, then sign and
    // exponent; read directly, it costs nothing next to frexp.
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &q, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&q) + 8, sizeof signAndExponent);
    shift = 16383 + 63 - (signAndExponent & 0x7FFF);
    return true;
  } else if constexpr (digits <= 64) {
    int exponent = 0;
    const long double fraction = std::frexp(q, &exponent);  // q = fraction * 2^exponent
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, digits));
    shift = digits - exponent;
    return true;
  } else {
    return false;
  }
}

// The row index as decimal text, counted up in place: consecutive rows need no formatting.
class DecimalCounter {
 public:
  void Set(std::uint64_t value) { length_ = static_cast<int>(WriteUnsigned(text_, value) - text_); }
  void Increment() {
    int i = length_ - 1;
    while (i >= 0 && text_[i] == '9') text_[i--] = '0';
    if (i >= 0) {
      ++text_[i];
      return;
    }
    std::memmove(text_ + 1, text_, static_cast<std::size_t>(length_));
    text_[0] = '1';
    ++length_;
  }
  // Copies a fixed amount (the row buffer has the room) and moves on by the length.
  char* Write(char* p) const {
    std::memcpy(p, text_, sizeof text_);
    return p + length_;
  }

 private:
  char text_[24] = {};
  int length_ = 0;
};

// The long double SecondsPerTick as mantissa / 2^shift.
struct TickScale {
  bool Known = false;
  std::uint64_t Mantissa = 0;
  int Shift = 0;
};

const TickScale& Scale() {
  static const TickScale scale = [] {
    TickScale s;
    s.Known = Decompose(ATestTime::SecondsPerTick, s.Mantissa, s.Shift);
    return s;
  }();
  return scale;
}

// How the long double ATestTime::Seconds computes for `ticks` compares with the exact value
// ticks / 4000000 (-1, 0, +1), in integers only. Seconds multiplies the exact tick count by
// SecondsPerTick once: the exact product rounded to the digits of long double, to even, as the
// floating-point unit rounds. False when it cannot tell.
bool CompareWithExact(std::uint64_t ticks, int& order) {
  constexpr int digits = std::numeric_limits<long double>::digits;
  const TickScale& scale = Scale();
  if (!scale.Known) return false;
  const Wide product = static_cast<Wide>(ticks) * scale.Mantissa;
  const auto high = static_cast<std::uint64_t>(product >> 64);
  const int width = high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(product));
  Wide mantissa = product;
  int shift = scale.Shift;
  if (width > digits) {
    const int dropped = width - digits;
    mantissa = product >> dropped;
    const Wide rest = product & ((Wide{1} << dropped) - 1);
    const Wide half = Wide{1} << (dropped - 1);
    mantissa += static_cast<unsigned>(rest > half) | (static_cast<unsigned>(rest == half) & (mantissa & 1));
    shift -= dropped;
  }
  if (shift < 0 || std::bit_width(ticks) + shift > 127) return false;
  const Wide scaled = mantissa * 4000000u;
  const Wide exact = static_cast<Wide>(ticks) << shift;
  order = scaled > exact ? 1 : scaled < exact ? -1 : 0;
  return true;
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
  // The comparison is made for every time and its outcome taken only for odd ticks: a branch on
  // the odd ones would be mispredicted for half of all rows.
  int order = 0;
  const bool compared = CompareWithExact(ticks, order);
  const std::uint64_t odd = rest & 1;
  if (!compared && odd != 0) [[unlikely]] {
    const auto result = std::to_chars(out, out + 64, time.Seconds(), std::chars_format::fixed, 7);
    return result.ptr;
  }
  // At most 9999998 before the increment: no carry.
  decimals += odd & static_cast<std::uint64_t>(order > 0 || (order == 0 && (decimals & 1) != 0));
  // Past the seconds, the point and seven digits follow: what WriteField may write beyond the
  // seconds is overwritten.
  char* p = WriteField(out, seconds, Small());
  *p++ = '.';
  p = WritePair(p, static_cast<std::uint32_t>(decimals / 100000));
  decimals %= 100000;
  p = WritePair(p, static_cast<std::uint32_t>(decimals / 1000));
  decimals %= 1000;
  p = WritePair(p, static_cast<std::uint32_t>(decimals / 10));
  *p = static_cast<char>('0' + decimals % 10);
  return p + 1;
}

CsvRecordWriter::CsvRecordWriter(std::ostream& out, std::string outputName)
    : out_(out), outputName_(std::move(outputName)), buffer_(new char[FlushSize + RowRoom]) {}

void CsvRecordWriter::Begin(const ExportSource&) {
  const std::size_t n = std::strlen(CsvExportHeader);
  std::memcpy(buffer_.get() + used_, CsvExportHeader, n);
  used_ += n;
  buffer_[used_++] = '\n';
}

void CsvRecordWriter::Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) {
  char* const base = buffer_.get();
  char* p = base + used_;
  const SmallNumbers& small = Small();
  DecimalCounter index;
  index.Set(static_cast<std::uint64_t>(first));
  for (std::size_t k = 0; k < count; ++k, index.Increment()) {
    const ZTShortHit& rec = recs[k];
    p = index.Write(p);
    *p++ = ',';
    p = WriteSignedField(p, rec.Kind, small);
    *p++ = ',';
    p = FormatSeconds(p, rec.Time);
    *p++ = ',';
    p = WriteField(p, rec.Channel, small);
    *p++ = ',';
    p = WriteField(p, rec.Rise, small);
    *p++ = ',';
    p = WriteField(p, rec.Counts, small);
    *p++ = ',';
    p = WriteField(p, rec.Energy, small);
    *p++ = ',';
    p = WriteField(p, rec.Duration, small);
    *p++ = ',';
    p = WriteField(p, rec.Amplitude, small);
    *p++ = ',';
    // Parametric values are mostly whole counts; -0 keeps its sign as to_chars prints it.
    const float v = rec.Parametric;
    const bool whole = v > -1e9f && v < 1e9f && static_cast<float>(static_cast<std::int32_t>(v)) == v &&
                       (v != 0.0f || !std::signbit(v));
    if (whole) {
      p = WriteSignedField(p, static_cast<std::int32_t>(v), small);
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
  if (used_ > 0) out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
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
