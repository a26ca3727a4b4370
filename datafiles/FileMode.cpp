#include "datafiles/FileMode.h"

#include <sys/stat.h>

namespace ae {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);  // the mask can only be read by setting it
  ::umask(mask);
  return 0666 & ~mask;
}

mode_t ReplacementFileMode(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
  return NewFileMode();
}

}  // namespace ae
