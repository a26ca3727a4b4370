#pragma once
// The file an aetool command writes: written under a temporary name beside the destination and
// renamed onto it only when complete, so that a failed command leaves no half file under the
// destination's name (and an existing destination as it was). A destination that is not a
// regular file (/dev/null, a pipe, a terminal) is written directly.
#include <string>

namespace ae {

class OutputFile {
 public:
  // Creates the temporary file; raises EDataFile "Cannot create "NAME"" when the folder does
  // not take it.
  explicit OutputFile(const std::string& destination);
  ~OutputFile();  // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Where to write.
  const std::string& Path() const { return path_; }
  const std::string& Destination() const { return destination_; }
  // Whether Path is the destination itself (not a regular file), which cannot be sought in.
  bool Direct() const { return !temporary_ && path_ == target_; }
  // Puts the written file in the destination's place; raises EDataFile.
  void Commit();

 private:
  std::string destination_;
  std::string target_;  // the destination with a symbolic link followed
  std::string path_;
  bool temporary_ = false;
};

}  // namespace ae
