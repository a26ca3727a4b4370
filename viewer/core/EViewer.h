#pragma once
// The text error of the viewer's core: its payload is the message shown to the user.
#include <stdexcept>

namespace ae {

class EViewer : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ae
