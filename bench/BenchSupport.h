#pragma once
// What the benchmarks share: their clock, a private temporary folder, and a way to have a file in
// the page cache before it is timed.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "datafiles/DataStream.h"

namespace ae::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads the whole file once, so that what is timed afterwards reads from memory.
inline void WarmCache(const std::string& path) {
  DataStream in(path, "rb");
  std::vector<char> buffer(1 << 20);
  while (std::fread(buffer.data(), 1, buffer.size(), in.Get()) == buffer.size()) {}
}

// A new folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (Made()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  bool Made() const { return !path_.empty(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace ae::bench
