#pragma once
// A fresh folder for one test, removed afterwards.
#include <filesystem>
#include <string>
#include <vector>

namespace ae::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// The real instrument file, or an empty string when the folder beside the project is absent.
std::string RealDtaFile();

}  // namespace ae::test
