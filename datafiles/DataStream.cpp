#include "datafiles/DataStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace ae {

namespace {

DataStream::Problem ProblemOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return DataStream::Problem::Folder;
  if (!S_ISREG(info.st_mode)) return DataStream::Problem::NotRegular;
  return DataStream::Problem::None;
}

// A regular file opened for reading. The type is checked before the file is opened, and again
// on what was opened, without waiting, in case the name was given to a pipe in between.
std::FILE* OpenRegularForReading(const std::string& path, DataStream::Problem& problem, std::int64_t& size) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    problem = DataStream::Problem::CannotOpen;
    return nullptr;
  }
  problem = ProblemOf(info);
  if (problem != DataStream::Problem::None) return nullptr;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    problem = DataStream::Problem::CannotOpen;
    return nullptr;
  }
  if (::fstat(fd, &info) != 0) problem = DataStream::Problem::CannotOpen;
  else problem = ProblemOf(info);
  size = static_cast<std::int64_t>(info.st_size);
  const int flags = problem == DataStream::Problem::None ? ::fcntl(fd, F_GETFL) : -1;
  std::FILE* file = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? ::fdopen(fd, "rb") : nullptr;
  if (file == nullptr) {
    if (problem == DataStream::Problem::None) problem = DataStream::Problem::CannotOpen;
    ::close(fd);
  }
  return file;
}

}  // namespace

DataStream::DataStream(const std::string& path, const char* mode) {
  const std::string_view m = mode;
  std::int64_t size = -1;
  if (m == "r" || m == "rb") file_ = OpenRegularForReading(path, problem_, size);
  else file_ = std::fopen(path.c_str(), mode);
  if (file_ == nullptr) {
    if (problem_ == Problem::None) problem_ = Problem::CannotOpen;
    return;
  }
  // A file read that is smaller than the buffer gets a buffer of its own size, in whole pages.
  std::size_t bytes = BufferSize;
  if (size >= 0 && static_cast<std::uint64_t>(size) < BufferSize)
    bytes = std::max<std::size_t>(MinBufferSize, (static_cast<std::size_t>(size) + 4095) & ~std::size_t{4095});
  buffer_ = std::make_unique_for_overwrite<char[]>(bytes);
  std::setvbuf(file_, buffer_.get(), _IOFBF, bytes);
}

DataStream::DataStream(DataStream&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      buffer_(std::move(other.buffer_)),
      problem_(std::exchange(other.problem_, Problem::None)) {}

DataStream& DataStream::operator=(DataStream&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = std::exchange(other.file_, nullptr);
    buffer_ = std::move(other.buffer_);
    problem_ = std::exchange(other.problem_, Problem::None);
  }
  return *this;
}

DataStream::~DataStream() { Close(); }

bool DataStream::Close() {
  if (file_ == nullptr) return true;
  const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  buffer_.reset();
  return flushed && closed;
}

}  // namespace ae
