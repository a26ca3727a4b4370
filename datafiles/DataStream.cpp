#include "datafiles/DataStream.h"

#include <utility>

namespace ae {

DataStream::DataStream(const std::string& path, const char* mode) {
  file_ = std::fopen(path.c_str(), mode);
  if (file_ == nullptr) return;
  buffer_ = std::make_unique<char[]>(BufferSize);
  std::setvbuf(file_, buffer_.get(), _IOFBF, BufferSize);
}

DataStream::DataStream(DataStream&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), buffer_(std::move(other.buffer_)) {}

DataStream& DataStream::operator=(DataStream&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = std::exchange(other.file_, nullptr);
    buffer_ = std::move(other.buffer_);
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
