#pragma once
// The text error of the data-file layer: its payload is the message shown to the user.
#include <stdexcept>
#include <string>

namespace ae {

class EDataFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* MsgFileDoesNotExist = "Data file doesn't exist";
inline constexpr const char* MsgUnknownDataType = "Unknown data type..";
inline constexpr const char* MsgWriteError = "Data file write error";

// A name that is not a regular file is refused before it is opened.
inline std::string FolderMessage(const std::string& name) { return "\"" + name + "\" is a folder, not a data file."; }
inline std::string NotRegularFileMessage(const std::string& name) {
  return "\"" + name + "\" is not a regular file (a pipe, a device or a socket) and cannot be opened as a data file.";
}

}  // namespace ae
