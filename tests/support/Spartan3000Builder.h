#pragma once
// Builds Spartan 3000 files byte by byte for tests: a 512-byte header that passes the
// recognition test, followed by 32-byte records.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ae::test {

class Spartan3000Builder {
 public:
  using Bytes = std::vector<unsigned char>;
  using Record = std::array<unsigned char, 32>;

  struct Hit {
    std::uint64_t Ticks = 0;
    int Channel = 1;
    std::uint32_t Seq = 1;
    unsigned Rise = 0;
    unsigned CntPk = 0;
    unsigned Counts = 0;
    unsigned Energy = 0;
    std::uint32_t Duration = 0;
    unsigned Amplitude = 0;
    unsigned Rms = 0;
    unsigned Threshold = 0;
    unsigned Parametric = 2000;  // raw
    unsigned Dp = 0;
    unsigned Gain = 0;
  };

  // Date " 01/02/03 04:05:06", version "V1.23a", label "Vessel A", time-driven flag set.
  Spartan3000Builder();

  Spartan3000Builder& Label(const std::string& text);  // length byte and text
  Spartan3000Builder& HeaderByte(int offset, unsigned value);
  Spartan3000Builder& HeaderU32(int offset, std::uint32_t value);
  Spartan3000Builder& HeaderText(int offset, const std::string& text);

  Spartan3000Builder& AddHit(const Hit& hit);
  // A record of a code with a time and nothing else.
  Spartan3000Builder& Timed(int code, std::uint64_t ticks);
  // A time-driven (2) or demand (3) sample: raw parametric at bytes 27-28 and at bytes 7-8.
  Spartan3000Builder& Sample(int code, std::uint64_t ticks, unsigned raw27, unsigned raw7, unsigned dp = 0);
  Spartan3000Builder& Comment(const std::string& text);
  // A record holding only its code.
  Spartan3000Builder& Code(int code);
  Spartan3000Builder& EndOfData() { return Code(0); }
  Spartan3000Builder& AddRecord(const Record& record);
  // Bytes after the records (a short final record, for example).
  Spartan3000Builder& Raw(const Bytes& bytes);

  const Bytes& HeaderBytes() const { return header_; }
  Bytes Get() const;
  void Save(const std::string& path) const;

  static std::uint64_t TicksOf(double seconds) { return static_cast<std::uint64_t>(seconds * 4000000.0 + 0.5); }

 private:
  Bytes header_;
  Bytes records_;
};

}  // namespace ae::test
