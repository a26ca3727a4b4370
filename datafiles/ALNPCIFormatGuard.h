#pragma once
// Restores a stream's format flags, precision and fill when an A-Line PCI text dump is done
// with it.
#include <ostream>

namespace ae {

class ALNPCIFormatGuard {
 public:
  explicit ALNPCIFormatGuard(std::ostream& os)
      : os_(os), flags_(os.flags()), precision_(os.precision()), fill_(os.fill()) {}
  ~ALNPCIFormatGuard() {
    os_.flags(flags_);
    os_.precision(precision_);
    os_.fill(fill_);
  }
  ALNPCIFormatGuard(const ALNPCIFormatGuard&) = delete;
  ALNPCIFormatGuard& operator=(const ALNPCIFormatGuard&) = delete;

 private:
  std::ostream& os_;
  std::ios_base::fmtflags flags_;
  std::streamsize precision_;
  char fill_;
};

}  // namespace ae
