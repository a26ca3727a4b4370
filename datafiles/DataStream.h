#pragma once
// An owned C byte stream with a buffer of its own. The data-file classes work on plain FILE*
// streams that their caller opens and closes; this is that caller's side.
#include <cstdio>
#include <memory>
#include <string>

namespace ae {

class DataStream {
 public:
  // 256 KB: few read calls, and a buffer that stays in the processor's cache and costs few
  // page faults to map (with 1 MB, filtering a file ran about a third slower).
  static constexpr std::size_t BufferSize = 1 << 18;
  static constexpr std::size_t MinBufferSize = 1 << 12;

  // Why a stream could not be opened.
  enum class Problem { None, CannotOpen, Folder, NotRegular };

  DataStream() = default;
  // Opens the file with the given fopen mode; Get() is null when it could not be opened. For
  // reading ("r" or "rb") only a regular file is opened: a folder, a pipe, a device or a socket
  // is refused before it is opened (opening a pipe would wait for a writer).
  DataStream(const std::string& path, const char* mode);
  DataStream(DataStream&& other) noexcept;
  DataStream& operator=(DataStream&& other) noexcept;
  DataStream(const DataStream&) = delete;
  DataStream& operator=(const DataStream&) = delete;
  ~DataStream();

  std::FILE* Get() const { return file_; }
  explicit operator bool() const { return file_ != nullptr; }
  Problem OpenProblem() const { return problem_; }
  // Flushes and closes; false when anything buffered could not be written.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  Problem problem_ = Problem::None;
};

}  // namespace ae
