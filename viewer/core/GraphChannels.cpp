#include "viewer/core/GraphChannels.h"

#include <charconv>

namespace ae {

GraphChannels GraphChannels::Parse(std::string_view text) {
  GraphChannels result;
  constexpr std::string_view separators = " ,;";
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find_first_not_of(separators, pos);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view token = text.substr(start, end - start);
    int value = 0;
    const auto parsed = std::from_chars(token.data(), token.data() + token.size(), value);
    const bool whole = parsed.ec == std::errc() && parsed.ptr == token.data() + token.size() && token[0] != '-';
    if (!whole || value < 1 || value > 128) {
      result.Channels.reset();
      result.Error.assign(1, '"').append(token).append("\" is not a channel number 1..128");
      return result;
    }
    result.Channels.set(static_cast<std::size_t>(value - 1));
    pos = end;
  }
  return result;
}

}  // namespace ae
