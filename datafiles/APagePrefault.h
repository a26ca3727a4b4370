#pragma once
// Makes the pages of a memory range present and writable on a thread of its own, ahead of the
// code that fills the range from its start. A large load then does not stop for the kernel's
// page faults (each new page zeroed) between its records: they are taken on the other core
// while it reads. Only advice: the contents are never touched, and where the system cannot do
// it the filling thread takes its own faults, as without it.
#include <atomic>
#include <cstddef>
#include <thread>

namespace ae {

class APagePrefault {
 public:
  // Small ranges are left alone: a thread would cost more than their faults.
  static constexpr std::size_t MinBytes = std::size_t{16} << 20;

  APagePrefault(void* begin, std::size_t bytes);
  ~APagePrefault();  // stops where it is
  APagePrefault(const APagePrefault&) = delete;
  APagePrefault& operator=(const APagePrefault&) = delete;

  // The filler has written the first `bytes`: what lies before needs no help any more.
  void Reached(std::size_t bytes) { reached_.store(bytes, std::memory_order_relaxed); }

 private:
  void Run(std::stop_token stop);

  char* begin_;
  std::size_t bytes_;
  std::atomic<std::size_t> reached_{0};
  std::jthread worker_;
};

}  // namespace ae
