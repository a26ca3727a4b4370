#pragma once

#include <string>

namespace ae {

class FilterUser;

// The file side of one run: the checks of the source, the in-place case with its ".BAK"
// backup, and the clean-up after a failure, which removes only what the run wrote and never
// the only copy of the source.
class FilterRunFiles {
 public:
  // The names as the window gives them (the destination may be empty).
  FilterRunFiles(std::string sourceName, std::string destinationName);
  FilterRunFiles(const FilterRunFiles&) = delete;
  FilterRunFiles& operator=(const FilterRunFiles&) = delete;

  // Source checks (814, 815, 809 for what is not a regular file), then the in-place case: the
  // question (818 on No) and the move of the source to its backup name (799). Raises EFilter.
  void Prepare(FilterUser& user);

  // The run's names: after a backup, the backup and the source's former name.
  const std::string& Source() const { return source_; }
  const std::string& Destination() const { return destination_; }
  bool BackedUp() const { return backedUp_; }

  // The destination has been created or truncated by this run: from here on a failure
  // removes it.
  void DestinationOpened() { destinationOpened_ = true; }
  // The destination is complete: nothing is undone any more.
  void Commit() { committed_ = true; }
  // After a failure: the partial destination removed, a backed-up source moved back. Never
  // raises; gives the text to add to the error when the backup could not be moved back.
  std::string CleanUp() noexcept;

  // The name with its extension replaced by ".BAK" (appended when there is none).
  static std::string BackupName(const std::string& name);
  // Whether two names denote one file: equal canonical full paths, or the same file identity
  // (device and inode) when both exist.
  static bool SameFile(const std::string& a, const std::string& b);

 private:
  std::string source_;
  std::string destination_;
  std::string formerName_;
  bool backedUp_ = false;
  bool destinationOpened_ = false;
  bool committed_ = false;
};

}  // namespace ae
