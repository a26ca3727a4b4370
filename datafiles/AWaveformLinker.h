#pragma once
// Pairs waveforms with their hits as the records of a file pass in file order: a waveform
// belongs to the hit with the same time and channel. The instrument writes a waveform right
// before its hit; the other order, and several waveforms of one time on different channels, are
// paired as well, within a window of the most recent unpaired waveforms and hits. A hit takes
// at most one waveform (the first), so a later duplicate stays unpaired.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace ae {

template <class Waveform>
class AWaveformLinker {
 public:
  static constexpr std::size_t Window = 64;

  // What a waveform and a hit are compared by: the 48-bit tick count and the channel byte.
  static std::uint64_t Key(std::uint64_t ticks, int channel) {
    return (ticks << 8) | static_cast<std::uint8_t>(channel);
  }

  // A waveform: the recent unpaired hit it belongs to, or nothing, and then it waits for its
  // hit (the oldest waiting waveform gives up its place when the window is full).
  std::optional<std::uint64_t> AddWaveform(std::uint64_t key, const Waveform& waveform) {
    if (Slot<std::uint64_t>* hit = hits_.OldestMatch(key)) {
      hits_.Take(*hit);
      return hit->Value;
    }
    waiting_.Push(key, waveform);
    return std::nullopt;
  }

  // A hit: the waiting waveform that belongs to it, or nothing, and then it is kept among the
  // recent hits for a waveform that follows it.
  std::optional<Waveform> AddHit(std::uint64_t key, std::uint64_t hit) {
    if (Slot<Waveform>* waveform = waiting_.OldestMatch(key)) {
      waiting_.Take(*waveform);
      return waveform->Value;
    }
    hits_.Push(key, hit);
    return std::nullopt;
  }

 private:
  template <class T>
  struct Slot {
    std::uint64_t Key = 0;
    T Value{};
    bool Used = false;
  };
  // The last Window entries pushed; older ones are overwritten. Live counts the entries not
  // yet taken, so that a search ends as soon as it has seen them all.
  template <class T>
  struct Ring {
    std::array<Slot<T>, Window> Slots{};
    std::size_t Next = 0;
    std::size_t Count = 0;
    std::size_t Live = 0;
    void Push(std::uint64_t key, const T& value) {
      if (!Slots[Next].Used) ++Live;
      Slots[Next] = {key, value, true};
      Next = (Next + 1) % Window;
      if (Count < Window) ++Count;
    }
    void Take(Slot<T>& slot) {
      slot.Used = false;
      --Live;
    }
    Slot<T>* OldestMatch(std::uint64_t key) {
      Slot<T>* match = nullptr;
      std::size_t seen = 0;
      for (std::size_t k = 0; k < Count && seen < Live; ++k) {
        Slot<T>& slot = Slots[(Next + Window - 1 - k) % Window];  // newest first
        if (!slot.Used) continue;
        ++seen;
        if (slot.Key == key) match = &slot;
      }
      return match;
    }
  };

  Ring<Waveform> waiting_;
  Ring<std::uint64_t> hits_;
};

}  // namespace ae
