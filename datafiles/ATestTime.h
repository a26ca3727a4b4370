#pragma once
// Time of test: a 48-bit count of 0.25 us ticks kept as three 16-bit words, low word first,
// exactly as the instruments store it (6 bytes, no padding).
#include <compare>
#include <cstdint>
#include <iosfwd>

namespace ae {

struct ATestTime {
  static constexpr long double TicksPerSecond = 4000000.0L;
  static constexpr long double SecondsPerTick = 2.5e-7L;

  std::uint16_t Low = 0;
  std::uint16_t Middle = 0;
  std::uint16_t High = 0;

  constexpr ATestTime() = default;
  constexpr ATestTime(std::uint16_t low, std::uint16_t middle, std::uint16_t high)
      : Low(low), Middle(middle), High(high) {}

  // Conversion from seconds truncates every word toward zero; values outside the 48-bit range
  // wrap per word instead of invoking undefined float-to-integer conversions.
  static ATestTime FromSeconds(long double seconds);
  // The low 48 bits of a tick count. Inline: the event rule asks for it on every hit.
  static constexpr ATestTime FromTicks(std::uint64_t ticks) {
    return ATestTime(static_cast<std::uint16_t>(ticks), static_cast<std::uint16_t>(ticks >> 16),
                     static_cast<std::uint16_t>(ticks >> 32));
  }
  // Reads the 6 bytes of a time field (low word first). Inline: every record read asks for it.
  static ATestTime FromBytes(const std::uint8_t* p) {
    return ATestTime(static_cast<std::uint16_t>(p[0] | (p[1] << 8)), static_cast<std::uint16_t>(p[2] | (p[3] << 8)),
                     static_cast<std::uint16_t>(p[4] | (p[5] << 8)));
  }
  // The tick count of a time field, without building the time first.
  static constexpr std::uint64_t TicksFromBytes(const std::uint8_t* p) {
    return std::uint64_t{p[0]} | (std::uint64_t{p[1]} << 8) | (std::uint64_t{p[2]} << 16) |
           (std::uint64_t{p[3]} << 24) | (std::uint64_t{p[4]} << 32) | (std::uint64_t{p[5]} << 40);
  }
  void ToBytes(std::uint8_t* p) const;

  long double Seconds() const {
    return (static_cast<long double>(Middle) * 65536.0L + Low + static_cast<long double>(High) * 4294967296.0L) *
           SecondsPerTick;
  }
  std::uint64_t Ticks() const {
    return (static_cast<std::uint64_t>(High) << 32) | (static_cast<std::uint64_t>(Middle) << 16) | Low;
  }
  bool IsZero() const { return Low == 0 && Middle == 0 && High == 0; }

  friend bool operator==(const ATestTime& a, const ATestTime& b) {
    return a.Low == b.Low && a.Middle == b.Middle && a.High == b.High;
  }
  // High word first, then middle, then low, all unsigned.
  friend std::strong_ordering operator<=>(const ATestTime& a, const ATestTime& b) {
    if (a.High != b.High) return a.High <=> b.High;
    if (a.Middle != b.Middle) return a.Middle <=> b.Middle;
    return a.Low <=> b.Low;
  }
  // Word-wise addition with carry, modulo 2^48.
  friend ATestTime operator+(const ATestTime& a, const ATestTime& b);
};

static_assert(sizeof(ATestTime) == 6, "ATestTime must stay 6 bytes");

// Seconds, fixed, 7 decimals, width 14; the stream's format is restored afterwards.
std::ostream& operator<<(std::ostream& os, const ATestTime& t);

}  // namespace ae
