#include "datafiles/APagePrefault.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace ae {

APagePrefault::APagePrefault(void* begin, std::size_t bytes) : begin_(static_cast<char*>(begin)), bytes_(bytes) {
#ifdef MADV_POPULATE_WRITE
  if (begin_ != nullptr && bytes_ >= MinBytes) worker_ = std::jthread([this](std::stop_token stop) { Run(stop); });
#endif
}

APagePrefault::~APagePrefault() {
  if (worker_.joinable()) {
    worker_.request_stop();
    worker_.join();
  }
}

void APagePrefault::Run(std::stop_token stop) {
#ifdef MADV_POPULATE_WRITE
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE) > 0 ? ::sysconf(_SC_PAGESIZE) : 4096);
  constexpr std::size_t chunk = std::size_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(begin_);
  const std::uintptr_t first = (start + page - 1) & ~(page - 1);
  const std::uintptr_t end = (start + bytes_) & ~(page - 1);
  std::uintptr_t at = first;
  while (at < end && !stop.stop_requested()) {
    // Never behind the filler: what it has passed it has faulted in itself.
    const std::uintptr_t filled = (start + reached_.load(std::memory_order_relaxed) + page - 1) & ~(page - 1);
    at = std::max(at, filled);
    if (at >= end) break;
    const std::size_t length = std::min<std::uintptr_t>(chunk, end - at);
    if (::madvise(reinterpret_cast<void*>(at), length, MADV_POPULATE_WRITE) != 0) break;  // not on this system
    at += length;
  }
#else
  (void)stop;
#endif
}

}  // namespace ae
