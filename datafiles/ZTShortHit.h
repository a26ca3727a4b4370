#pragma once
// One record of a data file in memory. ZTRec holds what every record has (kind, selection
// state, time); ZTShortHit adds the hit parameters. The layout is kept compact on purpose:
// the viewer holds one of these per record of files with millions of hits.
#include <cstdint>
#include <iosfwd>

#include "datafiles/ATestTime.h"
#include "datafiles/DataFileTypes.h"

namespace ae {

struct ZTRec {
  static constexpr std::uint16_t GroupedBit = 1u << 0;
  static constexpr std::uint16_t DeletedBit = 1u << 1;

  std::int32_t Kind = rkNone;
  std::uint16_t FrameBits = 0;          // bit n: inside selection frame n (bits 0..7 used)
  std::uint16_t StateBits[2] = {0, 0};  // 32 state bits as two words: bit 0 grouped, bit 1 deleted
  ATestTime Time;

  bool IsHit() const { return Kind == rkHit; }
  bool IsGrouped() const { return (StateBits[0] & GroupedBit) != 0; }
  bool IsDeleted() const { return (StateBits[0] & DeletedBit) != 0; }
  bool IsFlagged() const { return (StateBits[0] & (GroupedBit | DeletedBit)) != 0; }
  void SetGrouped(bool on) { SetState(GroupedBit, on); }
  void SetDeleted(bool on) { SetState(DeletedBit, on); }
  void ClearState() { StateBits[0] = StateBits[1] = 0; }

 private:
  void SetState(std::uint16_t bit, bool on) {
    StateBits[0] = static_cast<std::uint16_t>(on ? (StateBits[0] | bit) : (StateBits[0] & ~bit));
  }
};

class ZTShortHit : public ZTRec {
 public:
  std::uint8_t Channel = 0;
  std::uint8_t Amplitude = 0;
  std::uint16_t Rise = 0;
  std::uint16_t Counts = 0;
  std::uint16_t Energy = 0;
  std::uint32_t Duration = 0;
  float Parametric = 0.0f;
  double Reserved = 0.0;

  virtual ~ZTShortHit() = default;

  // Value by parameter code; codes the record does not hold give 0.
  double GetValue(int code) const;

  // One-line text dump for a column mask of parameter codes, in the column order time,
  // channel, rise, counts, duration, energy, amplitude, average frequency, parametric.
  virtual void DumpTitles(std::ostream& os, int mask) const;
  virtual void DumpValues(std::ostream& os, int mask) const;
};

}  // namespace ae
