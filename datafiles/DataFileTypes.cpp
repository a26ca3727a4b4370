#include "datafiles/DataFileTypes.h"

#include <algorithm>
#include <cctype>

namespace ae {

std::string_view DataTypeName(int code) {
  if (code < 0 || code >= static_cast<int>(DataTypeNames.size())) return UnknownDataTypeName;
  return DataTypeNames[static_cast<std::size_t>(code)];
}

bool IsDataFileName(std::string_view path) {
  // The extension belongs to the last path component only.
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  std::string ext(name.substr(dot));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return std::find(DataFileExts.begin(), DataFileExts.end(), ext) != DataFileExts.end();
}

}  // namespace ae
