#pragma once
// Restores a stream's format flags, precision and fill character when a dump is done with them, so that a
// caller's stream settings survive every text dump of the library.
#include <ostream>

namespace ae {

class StreamFormatGuard {
 public:
  explicit StreamFormatGuard(std::ostream& os)
      : os_(os), flags_(os.flags()), precision_(os.precision()), fill_(os.fill()) {}
  ~StreamFormatGuard() {
    os_.flags(flags_);
    os_.precision(precision_);
    os_.fill(fill_);
  }
  StreamFormatGuard(const StreamFormatGuard&) = delete;
  StreamFormatGuard& operator=(const StreamFormatGuard&) = delete;

 private:
  std::ostream& os_;
  std::ios_base::fmtflags flags_;
  std::streamsize precision_;
  char fill_;
};

}  // namespace ae
