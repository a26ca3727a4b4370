#include "viewer/report/StatReportTable.h"

#include <algorithm>
#include <charconv>

#include "viewer/core/ATestStat.h"

namespace ae {

namespace {

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  while (true) {
    const std::size_t tab = line.find('\t', from);
    fields.emplace_back(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
    if (tab == std::string_view::npos) return fields;
    from = tab + 1;
  }
}

// The whole text as a number, or -1.
int WholeNumber(std::string_view text) {
  int value = -1;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return -1;
  return value;
}

bool IsParameterName(std::string_view line) {
  return std::find(AChanStat::ValueNames.begin(), AChanStat::ValueNames.end(), line) != AChanStat::ValueNames.end();
}

}  // namespace

StatReportTable StatReportTable::Read(std::string_view text, const ATestStat& stat) {
  StatReportTable table;
  int set = -1;
  bool header = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (header) {
      table.Header = Fields(line);
      header = false;
      continue;
    }
    if (line.substr(0, 4) == "Set " && WholeNumber(line.substr(4)) >= 1) {
      set = WholeNumber(line.substr(4)) - 1;
      table.Rows.push_back({Row::Kind::Set, {std::string(line)}});
      continue;
    }
    std::vector<std::string> fields = Fields(line);
    const int channel = WholeNumber(fields.front());
    if (channel >= 1 && set >= 0) {
      const AChanStat* chan = stat.Chan(set, channel);
      if (chan != nullptr && chan->HitCount > 0) table.Rows.push_back({Row::Kind::Values, std::move(fields)});
      continue;
    }
    if (set >= 0 && IsParameterName(line)) table.Rows.push_back({Row::Kind::Group, {std::string(line)}});
    else table.Notes.emplace_back(line);
  }
  return table;
}

std::size_t StatReportTable::ValueRows() const {
  return static_cast<std::size_t>(
      std::count_if(Rows.begin(), Rows.end(), [](const Row& row) { return row.RowKind == Row::Kind::Values; }));
}

}  // namespace ae
