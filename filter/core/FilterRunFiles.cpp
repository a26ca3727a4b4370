#include "filter/core/FilterRunFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterUser.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

fs::path CanonicalOf(const std::string& name) {
  std::error_code error;
  fs::path path = fs::absolute(fs::path(name), error);
  if (error) return fs::path(name).lexically_normal();
  fs::path canonical = fs::weakly_canonical(path, error);
  return error ? path.lexically_normal() : canonical;
}

bool IsRegularFile(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool Exists(const std::string& name) {
  struct stat info {};
  return ::lstat(name.c_str(), &info) == 0;
}

}  // namespace

FilterRunFiles::FilterRunFiles(std::string sourceName, std::string destinationName)
    : source_(std::move(sourceName)), destination_(std::move(destinationName)) {}

std::string FilterRunFiles::BackupName(const std::string& name) {
  fs::path path(name);
  path.replace_extension(".BAK");
  return path.string();
}

bool FilterRunFiles::SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa {
  }, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  return CanonicalOf(a) == CanonicalOf(b);
}

void FilterRunFiles::Prepare(FilterUser& user) {
  if (source_.empty()) throw EFilter(fmNoSource);
  struct stat info {};
  if (::stat(source_.c_str(), &info) != 0) throw EFilter(fmSourceMissing);
  // A folder, a pipe or a device cannot be filtered; reading a pipe could wait for ever.
  if (!S_ISREG(info.st_mode)) throw EFilter(fmOpenError);
  if (destination_.empty()) destination_ = source_;
  if (!SameFile(source_, destination_)) return;

  if (!user.AskYesNo(FilterMessage(fmInPlaceQuestion), FilterMessage(fmCaptionWarning)))
    throw EFilter(fmCancelledByUser);
  const std::string backup = BackupName(source_);
  // A source that already has the backup name would be deleted as its own old backup.
  if (SameFile(backup, source_)) throw EFilter(fmInternalError);
  if (Exists(backup) && ::unlink(backup.c_str()) != 0) throw EFilter(fmInternalError);
  if (std::rename(source_.c_str(), backup.c_str()) != 0) throw EFilter(fmInternalError);
  formerName_ = source_;
  source_ = backup;
  destination_ = formerName_;
  backedUp_ = true;
}

std::string FilterRunFiles::CleanUp() noexcept {
  if (committed_) return {};
  try {
    // Only a file this run created or truncated is removed, and only a regular one (never
    // a device the user named). While the source is not backed up, a destination that is
    // the source is left alone.
    if (destinationOpened_ && IsRegularFile(destination_) && (backedUp_ || !SameFile(destination_, source_)))
      ::unlink(destination_.c_str());
    destinationOpened_ = false;
    if (backedUp_) {
      if (std::rename(source_.c_str(), formerName_.c_str()) != 0) return "\n" + FilterMessage(fmSourceKeptAs) + source_;
      destination_ = formerName_;
      source_ = formerName_;
      backedUp_ = false;
    }
  } catch (...) {
    // Only string copies can raise here; the files are as far restored as they got.
  }
  return {};
}

}  // namespace ae
