#include "viewer/core/ChannelList.h"

#include <charconv>

namespace ae {

std::string ChannelListText(const AChannelSet& channels) {
  std::string text;
  int c = 1;
  while (c <= 128) {
    if (!channels.test(static_cast<std::size_t>(c - 1))) {
      ++c;
      continue;
    }
    int last = c;
    while (last < 128 && channels.test(static_cast<std::size_t>(last))) ++last;
    if (!text.empty()) text += ',';
    text += std::to_string(c);
    if (last > c) {
      text += '-';
      text += std::to_string(last);
    }
    c = last + 1;
  }
  return text;
}

std::optional<AChannelSet> ParseChannelList(std::string_view text) {
  std::string compact;
  for (char ch : text)
    if (ch != ' ' && ch != '\t') compact += ch;
  AChannelSet channels;
  if (compact == "all") return channels.set();
  if (compact.empty()) return std::nullopt;
  auto channel = [](std::string_view part) -> std::optional<int> {
    int value = 0;
    const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || result.ec != std::errc() || result.ptr != part.data() + part.size()) return std::nullopt;
    if (value < 1 || value > 128) return std::nullopt;
    return value;
  };
  std::string_view rest = compact;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view run = rest.substr(0, comma);
    const std::size_t dash = run.find('-');
    const std::optional<int> first = channel(run.substr(0, dash));
    const std::optional<int> last = dash == std::string_view::npos ? first : channel(run.substr(dash + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    for (int c = *first; c <= *last; ++c) channels.set(static_cast<std::size_t>(c - 1));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return channels;
}

}  // namespace ae
