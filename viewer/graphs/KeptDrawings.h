#pragma once
// What a graph keeps of its last few drawings, each with the key of everything it was drawn
// from: a drawing asked for again under an equal key is taken as it was, and a new one takes the
// place of the one used longest ago. The key may be a type the graph declares only in its source
// file; it is kept behind a pointer.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace ae {

template <class KeyType, class ValueType, std::size_t Count>
class KeptDrawings {
 public:
  // The drawing kept under the key, or none.
  const ValueType* Find(const KeyType& key) const {
    for (const Entry& entry : entries_)
      if (entry.Key != nullptr && *entry.Key == key) return &entry.Value;
    return nullptr;
  }
  // The same, counted as a use.
  const ValueType* Use(const KeyType& key) {
    for (Entry& entry : entries_)
      if (entry.Key != nullptr && *entry.Key == key) {
        entry.LastUse = ++uses_;
        return &entry.Value;
      }
    return nullptr;
  }
  void Keep(const KeyType& key, ValueType value) {
    Entry& entry = *std::min_element(entries_.begin(), entries_.end(),
                                     [](const Entry& a, const Entry& b) { return a.LastUse < b.LastUse; });
    entry.Key = std::make_shared<const KeyType>(key);
    entry.Value = std::move(value);
    entry.LastUse = ++uses_;
  }

 private:
  struct Entry {
    std::shared_ptr<const KeyType> Key;
    ValueType Value;
    std::uint64_t LastUse = 0;
  };
  std::array<Entry, Count> entries_;
  std::uint64_t uses_ = 0;
};

}  // namespace ae
