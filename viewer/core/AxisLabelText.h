#pragma once
// The texts of the value labels of graph axes and of the zone intensity plot. A label reads the
// value at its tick: whole numbers as they are, others with the decimals they need (at most 3).
// Where one label of an axis would not fit its room, every label of that axis is written in the
// compact form instead: thousands as "k", millions as "M", thousands of millions as "G"
// (1600000 is "1.6M", 250000 "250k"), so that an axis never mixes the two forms and no label is
// cut.
#include <functional>
#include <string>
#include <vector>

namespace ae {

// The value with at most 3 decimals, trailing zeros dropped: 1.6, 33.333, 1000000.
std::string PlainNumber(double value);

// The value with a k, M or G suffix from 1000 on, with at most `decimals` decimals (trailing
// zeros dropped): 1.6M, 250k, 4.29G. Values below 1000 are written as PlainNumber does.
std::string CompactNumber(double value, int decimals = 2);

// One label to be written: its value and the widest text it may take, in pixels.
struct AxisLabelRoom {
  double Value = 0.0;
  int Room = 0;
};

// The texts of the labels of one axis: plain when each fits its room; otherwise all compact,
// with the most decimals (2, 1 or 0) at which each fits, or with none when nothing fits.
// `width` measures a text in the font it is drawn in.
std::vector<std::string> AxisLabelTexts(const std::vector<AxisLabelRoom>& labels,
                                        const std::function<int(const std::string&)>& width);

}  // namespace ae
