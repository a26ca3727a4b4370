#pragma once

#include <stdexcept>
#include <string>

namespace ae {

// Errors of the filter program. The text is what the main window shows.
class EFilter : public std::runtime_error {
 public:
  explicit EFilter(const std::string& text) : std::runtime_error(text) {}
  // Loads the text of a message of the filter program's table.
  explicit EFilter(int messageId);
};

// A bad row of a filter window.
class EFRowError : public EFilter {
 public:
  using EFilter::EFilter;
};

// A bad value in a filter record.
class EFRecError : public EFRowError {
 public:
  using EFRowError::EFRowError;
};

}  // namespace ae
