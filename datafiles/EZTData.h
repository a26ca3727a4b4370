#pragma once
// The coded error of the data-file layer.
#include <stdexcept>
#include <string>

namespace ae {

class EZTData : public std::exception {
 public:
  static constexpr int TimeOrderError = 2001;  // a record is earlier than its reference time

  explicit EZTData(int code) : code_(code), text_("Data error " + std::to_string(code)) {}
  int Code() const noexcept { return code_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  int code_;
  std::string text_;
};

}  // namespace ae
