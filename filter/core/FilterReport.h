#pragma once

#include <ctime>
#include <string>

namespace ae {

// The report file "Protocol.txt" that every successful run appends one block to: where it
// lies, the date its blocks start with, and the checked append.
class FilterReport {
 public:
  static constexpr const char* FileName = "Protocol.txt";

  // The folder (item 0: the current directory; item 1: the report folder, or the current
  // directory when that is empty), "/" unless it ends with one, and "Protocol.txt".
  static std::string PathOf(int reportFileItem, const std::string& reportFolder);

  enum class Outcome { Written, NotOpened, Failed };
  // Appends the block as text. A file that cannot be opened is NotOpened; one that cannot be
  // written completely is Failed and keeps no part of the block.
  static Outcome Append(const std::string& path, const std::string& block);

  // The date in the user's short date format (LC_TIME of the environment); ISO 8601
  // (yyyy-mm-dd) when the user has no date format of their own (the C locale).
  static std::string ShortDate(const std::tm& date);
  static std::string Today();
};

}  // namespace ae
