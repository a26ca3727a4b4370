#pragma once
// The mode of a file written under a temporary name and then renamed into place. mkstemp makes
// the temporary file private; the finished file gets the mode of the regular file it replaces,
// or the mode any new file of the user gets.
#include <sys/types.h>

#include <string>

namespace ae {

// 0666 less the process's umask.
mode_t NewFileMode();
// The permission bits of `target` when it is a regular file, else NewFileMode().
mode_t ReplacementFileMode(const std::string& target);

}  // namespace ae
