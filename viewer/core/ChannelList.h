#pragma once
// The text form of a channel selection: the selected channels in ascending order as runs, a
// single channel as its number and two or more consecutive channels as "first-last", runs
// separated by "," (1, 2, 3, 5, 7, 8 give "1-3,5,7-8"; no channel gives "").
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace ae {

using AChannelSet = std::bitset<128>;  // bit c-1 for channel c

std::string ChannelListText(const AChannelSet& channels);
// The channels of such a text (blanks ignored, runs in any order, "all" for every channel);
// none for a text that is not a list of channels 1..128.
std::optional<AChannelSet> ParseChannelList(std::string_view text);

}  // namespace ae
