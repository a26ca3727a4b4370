#include "tools/aetool/OutputFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "datafiles/EDataFile.h"
#include "datafiles/FileMode.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

std::string CannotCreate(const std::string& destination) {
  return "Cannot create \"" + destination + "\": " + std::strerror(errno);
}

}  // namespace

OutputFile::OutputFile(const std::string& destination) : destination_(destination), target_(destination) {
  std::error_code error;
  // Writing through a symbolic link updates the file it points to, as a plain write would.
  if (fs::is_symlink(target_, error)) {
    const fs::path resolved = fs::weakly_canonical(target_, error);
    if (!error) target_ = resolved.string();
  }
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    path_ = target_;  // a device or a pipe cannot be replaced, only written
    return;
  }
  const fs::path target(target_);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(name.data());
  if (fd < 0) throw EDataFile(CannotCreate(destination));
  const bool modeSet = ::fchmod(fd, ReplacementFileMode(target_)) == 0;
  ::close(fd);
  path_ = name;
  temporary_ = true;
  if (!modeSet) {
    const std::string message = CannotCreate(destination);
    ::unlink(path_.c_str());
    temporary_ = false;
    throw EDataFile(message);
  }
}

OutputFile::~OutputFile() {
  if (temporary_) ::unlink(path_.c_str());
}

void OutputFile::Commit() {
  if (!temporary_) return;
  if (std::rename(path_.c_str(), target_.c_str()) != 0)
    throw EDataFile("Cannot write \"" + destination_ + "\": " + std::strerror(errno));
  temporary_ = false;
}

}  // namespace ae
