#include "datafiles/SystemMemory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace ae {

namespace {

class Least {
 public:
  void Offer(std::uint64_t bytes) {
    if (!value_ || bytes < *value_) value_ = bytes;
  }
  std::optional<std::uint64_t> Value() const { return value_; }

 private:
  std::optional<std::uint64_t> value_;
};

// "MemAvailable" plus "SwapFree" of /proc/meminfo, in bytes.
std::optional<std::uint64_t> MachineAvailable() {
  std::ifstream in("/proc/meminfo");
  std::string key;
  std::uint64_t kilobytes = 0;
  std::string unit;
  std::optional<std::uint64_t> available;
  std::uint64_t swapFree = 0;
  while (in >> key >> kilobytes) {
    std::getline(in, unit);
    if (key == "MemAvailable:") available = kilobytes * 1024;
    else if (key == "SwapFree:") swapFree = kilobytes * 1024;
  }
  if (!available) return std::nullopt;
  return *available + swapFree;
}

std::optional<std::uint64_t> ReadNumberFile(const std::string& path) {
  std::ifstream in(path);
  std::string text;
  if (!(in >> text) || text.empty() || text == "max") return std::nullopt;
  try {
    return std::stoull(text);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// What the control group (version 2) of this process still allows.
std::optional<std::uint64_t> GroupAvailable() {
  std::ifstream in("/proc/self/cgroup");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("0::", 0) != 0) continue;
    const std::string folder = "/sys/fs/cgroup" + line.substr(3);
    const auto limit = ReadNumberFile(folder + "/memory.max");
    if (!limit) return std::nullopt;
    const std::uint64_t used = ReadNumberFile(folder + "/memory.current").value_or(0);
    return *limit > used ? *limit - used : 0;
  }
  return std::nullopt;
}

// What the address-space limit still allows.
std::optional<std::uint64_t> AddressSpaceAvailable() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  std::ifstream in("/proc/self/statm");
  std::uint64_t pages = 0;
  if (!(in >> pages)) return std::nullopt;
  const std::uint64_t used = pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  const auto cap = static_cast<std::uint64_t>(limit.rlim_cur);
  return cap > used ? cap - used : 0;
}

}  // namespace

std::optional<std::uint64_t> AvailableMemoryBytes() {
  Least least;
  for (const auto& bytes : {MachineAvailable(), GroupAvailable(), AddressSpaceAvailable()})
    if (bytes) least.Offer(*bytes);
  return least.Value();
}

}  // namespace ae
