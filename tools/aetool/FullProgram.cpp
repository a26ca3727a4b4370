#include "tools/aetool/FullProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace ae {

namespace fs = std::filesystem;

#ifndef AE_FULL_PROGRAM
#define AE_FULL_PROGRAM "aetool-full"
#endif
#ifndef AE_FULL_PROGRAM_FROM_BIN
#define AE_FULL_PROGRAM_FROM_BIN "../libexec/aetool"
#endif

std::string FullProgramPath() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const fs::path folder = self.parent_path();
  for (const fs::path& candidate :
       {folder / AE_FULL_PROGRAM, (folder / AE_FULL_PROGRAM_FROM_BIN / AE_FULL_PROGRAM).lexically_normal()}) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

int RunFullProgram(char** argv, std::ostream& err) {
  const std::string path = FullProgramPath();
  if (path.empty()) {
    err << "aetool: the program with this subcommand (" AE_FULL_PROGRAM ") is not installed beside aetool\n";
    return 1;
  }
  std::vector<char*> arguments;
  arguments.push_back(const_cast<char*>(path.c_str()));
  for (char** a = *argv != nullptr ? argv + 1 : argv; *a != nullptr; ++a) arguments.push_back(*a);
  arguments.push_back(nullptr);
  err.flush();
  ::execv(path.c_str(), arguments.data());
  err << "aetool: cannot start " << path << ": " << std::strerror(errno) << '\n';
  return 1;
}

}  // namespace ae
