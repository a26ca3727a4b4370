#pragma once
// One of the five statistic reports as a table: its tab-separated text (StatReports) read back
// into a header, rows of fields and notes, so that the report is written once and shown both as
// text and as a table. The rows of channels that received no hit in their set are left out.
#include <string>
#include <string_view>
#include <vector>

namespace ae {

class ATestStat;

class StatReportTable {
 public:
  struct Row {
    enum class Kind { Set, Group, Values };
    Kind RowKind = Kind::Values;
    // Set: "Set N"; Group: the parameter a statistic block is about; Values: the fields.
    std::vector<std::string> Fields;
  };

  // The header's fields, one per column.
  std::vector<std::string> Header;
  std::vector<Row> Rows;
  // The lines after the last set ("U/C - Under construction" ...).
  std::vector<std::string> Notes;

  // The report text of `stat` (empty without sets). A line "Set N" starts set N; a line whose
  // first field is a channel number is a row of that channel, kept when the channel has hits in
  // the set; a line naming a statistic parameter starts its block; every other line is a note.
  static StatReportTable Read(std::string_view text, const ATestStat& stat);

  bool Empty() const { return Header.empty(); }
  // Rows of values, of every set.
  std::size_t ValueRows() const;
};

}  // namespace ae
