#pragma once
// Writing a whole small file safely: the new contents go into a file beside the destination,
// which takes the destination's place only when it is complete, so a failed write never leaves
// a half-written file where a good one was.
#include <string>
#include <string_view>

namespace ae {

// Raises EViewer with a message naming the file when it cannot be written. A symbolic link is
// followed, so the file it points to is replaced; the mode of an existing file is kept.
void ReplaceFileContents(const std::string& path, std::string_view contents);

// The whole file, or false when it cannot be read (or is not a regular file).
bool ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace ae
