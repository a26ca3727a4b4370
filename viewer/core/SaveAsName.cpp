#include "viewer/core/SaveAsName.h"

#include <filesystem>
#include <system_error>

namespace ae {

namespace {

bool Taken(const std::filesystem::path& path) {
  std::error_code error;
  // A dangling link or an entry that cannot be examined counts as taken: never propose it.
  const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
  if (error) return error != std::errc::no_such_file_or_directory;
  return status.type() != std::filesystem::file_type::not_found;
}

}  // namespace

std::string ProposedSaveName(const std::string& loadedFile) {
  if (loadedFile.empty()) return {};
  const std::filesystem::path loaded(loadedFile);
  const std::filesystem::path folder = loaded.parent_path();
  const std::string stem = loaded.stem().string();
  const std::string extension = loaded.extension().string();
  // A folder holds far fewer files than this; the bound only keeps the search finite.
  constexpr int Tries = 1000000;
  for (int n = 1; n <= Tries; ++n) {
    const std::filesystem::path candidate = folder / (stem + "-" + std::to_string(n) + extension);
    if (!Taken(candidate)) return candidate.string();
  }
  return {};
}

}  // namespace ae
