#pragma once
// Makes every load see only so many bytes of memory available, for as long as it lives.
#include <cstdint>
#include <optional>

#include "datafiles/ZTDataSet.h"

namespace ae::test {

class MemoryLimit {
 public:
  explicit MemoryLimit(std::uint64_t bytes) : saved_(ZTDataSet::AvailableMemory()) {
    ZTDataSet::AvailableMemory() = [bytes] { return std::optional<std::uint64_t>(bytes); };
  }
  ~MemoryLimit() { ZTDataSet::AvailableMemory() = saved_; }
  MemoryLimit(const MemoryLimit&) = delete;
  MemoryLimit& operator=(const MemoryLimit&) = delete;

 private:
  ZTDataSet::MemorySource saved_;
};

}  // namespace ae::test
