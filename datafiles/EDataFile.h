#pragma once
// The text error of the data-file layer: its payload is the message shown to the user.
#include <stdexcept>

namespace ae {

class EDataFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* MsgFileDoesNotExist = "Data file doesn't exist";
inline constexpr const char* MsgUnknownDataType = "Unknown data type..";
inline constexpr const char* MsgWriteError = "Data file write error";

}  // namespace ae
