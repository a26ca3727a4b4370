#pragma once
// The fuzzer's input as a C stream over its bytes: the readers work on streams, and a stream
// over memory spares a file on disk for every input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace ae::fuzz {

class MemoryFile {
 public:
  // Null Get() for an empty input, which no stream can be made of.
  MemoryFile(const std::uint8_t* data, std::size_t size)
      : file_(size == 0 ? nullptr : fmemopen(const_cast<std::uint8_t*>(data), size, "rb")) {}
  ~MemoryFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  std::FILE* Get() const { return file_; }

 private:
  std::FILE* file_;
};

// A stream to write into memory, with room for `capacity` bytes; Bytes() is what was written.
class MemoryOutput {
 public:
  explicit MemoryOutput(std::size_t capacity)
      : buffer_(capacity + 1), file_(fmemopen(buffer_.data(), buffer_.size(), "wb+")) {}
  ~MemoryOutput() {
    if (file_ != nullptr) std::fclose(file_);
  }
  MemoryOutput(const MemoryOutput&) = delete;
  MemoryOutput& operator=(const MemoryOutput&) = delete;

  std::FILE* Get() const { return file_; }
  // The bytes up to the furthest position written.
  std::vector<std::uint8_t> Bytes() {
    std::fflush(file_);
    const long end = std::fseek(file_, 0, SEEK_END) == 0 ? std::ftell(file_) : 0;
    return std::vector<std::uint8_t>(buffer_.begin(), buffer_.begin() + (end > 0 ? end : 0));
  }

 private:
  std::vector<std::uint8_t> buffer_;
  std::FILE* file_;
};

}  // namespace ae::fuzz
