#include "filter/core/FilterReport.h"

#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace ae {

namespace fs = std::filesystem;

std::string FilterReport::PathOf(int reportFileItem, const std::string& reportFolder) {
  std::string folder(".");  // when the current directory is gone, the open fails and says so
  if (reportFileItem == 1 && !reportFolder.empty()) {
    folder = reportFolder;
  } else {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (!error) folder = current.string();
  }
  if (folder.back() != '/') folder += '/';
  return folder + FileName;
}

FilterReport::Outcome FilterReport::Append(const std::string& path, const std::string& block) {
  struct stat existing {};
  // Opening a pipe would wait for a reader for ever.
  if (::stat(path.c_str(), &existing) == 0 && S_ISFIFO(existing.st_mode)) return Outcome::NotOpened;
  std::FILE* file = std::fopen(path.c_str(), "a");
  if (file == nullptr) return Outcome::NotOpened;
  struct stat info {};
  const bool sized = ::fstat(fileno(file), &info) == 0;
  const bool written = std::fwrite(block.data(), 1, block.size(), file) == block.size();
  const bool flushed = std::fflush(file) == 0;
  const int fd = fileno(file);
  if (written && flushed) return std::fclose(file) == 0 ? Outcome::Written : Outcome::Failed;
  // A block written in part would leave a report that reads as complete; cut it off again.
  if (sized && S_ISREG(info.st_mode)) {
    const int result = ::ftruncate(fd, info.st_size);
    (void)result;  // nothing more can be done about a report that cannot be cut
  }
  std::fclose(file);
  return Outcome::Failed;
}

std::string FilterReport::ShortDate(const std::tm& date) {
  char text[128] = {};
  const locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (user != static_cast<locale_t>(nullptr)) {
    const locale_t plain = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    const char* userFormat = nl_langinfo_l(D_FMT, user);
    const bool ownFormat =
        plain == static_cast<locale_t>(nullptr) || std::strcmp(userFormat, nl_langinfo_l(D_FMT, plain)) != 0;
    std::size_t n = 0;
    if (ownFormat) n = strftime_l(text, sizeof text, "%x", &date, user);
    if (plain != static_cast<locale_t>(nullptr)) freelocale(plain);
    freelocale(user);
    if (n > 0) return std::string(text, n);
  }
  // The C locale's own "mm/dd/yy" is nobody's choice and reads wrongly to most users.
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d", &date);
  return std::string(text, n);
}

std::string FilterReport::Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ShortDate(local);
}

}  // namespace ae
