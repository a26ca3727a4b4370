#include "viewer/core/FileReplace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "datafiles/FileMode.h"
#include "viewer/core/EViewer.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

std::string WriteError(const std::string& path, const std::string& reason) {
  return "Cannot write \"" + path + "\": " + reason;
}

fs::path Target(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? fs::path(path) : resolved;
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view contents) {
  const fs::path target = Target(path);
  std::error_code error;
  if (fs::exists(target, error) && !fs::is_regular_file(target, error))
    throw EViewer(WriteError(path, "it is not a regular file"));

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string leaf = ".";  // hidden while it is incomplete
  leaf += target.filename().string();
  leaf += ".XXXXXX";
  std::string temporary = (folder / leaf).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw EViewer(WriteError(path, std::strerror(errno)));

  std::string reason;
  if (::fchmod(fd, ReplacementFileMode(target.string())) != 0) reason = std::strerror(errno);
  const char* p = contents.data();
  std::size_t left = contents.size();
  while (reason.empty() && left > 0) {
    const ssize_t written = ::write(fd, p, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      reason = std::strerror(errno);
      break;
    }
    p += written;
    left -= static_cast<std::size_t>(written);
  }
  if (::close(fd) != 0 && reason.empty()) reason = std::strerror(errno);
  if (reason.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) reason = std::strerror(errno);
  if (!reason.empty()) {
    ::unlink(temporary.c_str());
    throw EViewer(WriteError(path, reason));
  }
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
  std::error_code error;
  // A folder or a device would never end or never read; only regular files are files here.
  if (!fs::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace ae
