#pragma once
// The located events of a loaded data set: for every event whose source was located, the record
// of its first hit and the location in metres. They live beside the records, not in them: a
// setup without location costs nothing, a located event 16 bytes, and the 48-byte record stays
// as it is. Entries are in record order, so a pass over the records in file order finds each
// hit's location by walking along them (Cursor) instead of searching.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/DataFileTypes.h"

namespace ae {

struct ZTLocation {
  std::uint32_t Rec = 0;  // index of the event's first hit in the data set's records
  // A digest of the arrivals the location was worked out from: when an event comes out of the
  // event rule again with the same first hit and the same digest, its location is taken over
  // instead of solved again.
  std::uint32_t Key = 0;
  float X = 0.0f;  // metres
  float Y = 0.0f;

  // The value of a location code (pcLocX or pcLocY).
  double Value(int code) const { return code == pcLocX ? X : Y; }
};

class ZTLocations {
 public:
  const std::vector<ZTLocation>& Entries() const { return entries_; }
  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }

  // The location of a record: the entry of the event whose first hit it is, or null.
  const ZTLocation* Find(std::size_t rec) const {
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), rec,
                                     [](const ZTLocation& l, std::size_t r) { return l.Rec < r; });
    return at != entries_.end() && at->Rec == rec ? &*at : nullptr;
  }

  // A walk along the entries for records asked for in ascending order; a record before the last
  // one asked for is searched for afresh.
  class Cursor {
   public:
    explicit Cursor(const ZTLocations& locations)
        : begin_(locations.entries_.data()), at_(begin_), end_(begin_ + locations.entries_.size()) {}
    const ZTLocation* At(std::size_t rec) {
      constexpr std::ptrdiff_t Step = 16;  // beyond this many entries ahead, a search
      const auto before = [](const ZTLocation& l, std::size_t r) { return l.Rec < r; };
      if (at_ != begin_ && at_[-1].Rec >= rec) at_ = std::lower_bound(begin_, at_, rec, before);
      else if (end_ - at_ > Step && at_[Step].Rec < rec) at_ = std::lower_bound(at_ + Step, end_, rec, before);
      while (at_ != end_ && at_->Rec < rec) ++at_;
      return at_ != end_ && at_->Rec == rec ? at_ : nullptr;
    }

   private:
    const ZTLocation* begin_;
    const ZTLocation* at_;
    const ZTLocation* end_;
  };

  // What the entries were worked out for: the data set's Version and a text that names the
  // location setup and the event windows. Valid is false until they were worked out once.
  bool Valid = false;
  std::uint64_t DataVersion = 0;
  std::string SetupKey;
  // Where the event rule met a hit earlier than the event it would belong to (seconds): the data
  // are not in time order, and no event from there on is located.
  std::optional<double> StoppedAt;

  // Grows whenever the entries change: what is drawn from them stands only while it stays.
  std::uint64_t Revision() const { return revision_; }

  // The entries, in ascending record order.
  void Assign(std::vector<ZTLocation> entries) {
    entries_ = std::move(entries);
    ++revision_;
  }
  std::vector<ZTLocation> Take() {
    ++revision_;
    return std::move(entries_);
  }
  // No entries and nothing worked out.
  void Clear() {
    entries_ = std::vector<ZTLocation>();
    Valid = false;
    DataVersion = 0;
    SetupKey.clear();
    StoppedAt.reset();
    ++revision_;
  }

 private:
  std::vector<ZTLocation> entries_;
  std::uint64_t revision_ = 0;
};

}  // namespace ae
