#pragma once
// The channel list of a graph row: channel numbers 1..128 separated by blanks, commas or
// semicolons, for example "1,2,5". An empty text adds no channel restriction.
#include <optional>
#include <string>
#include <string_view>

#include "viewer/core/ChannelList.h"

namespace ae {

struct GraphChannels {
  AChannelSet Channels;  // bit c-1 for channel c
  std::string Error;     // empty when the text is a channel list

  bool Ok() const { return Error.empty(); }
  // Parses the text; on a token that is not a channel number 1..128, Error names it.
  static GraphChannels Parse(std::string_view text);
};

}  // namespace ae
