#pragma once
// "aetool export": one CSV row per record of a data file.
#include <ostream>
#include <string>

namespace ae {

inline constexpr const char* CsvExportHeader =
    "index,kind,time_s,channel,rise,counts,energy,duration,amplitude,parametric";

// Writes the header and one row per record in file order.
void ExportCsv(const std::string& dataFile, std::ostream& out);

}  // namespace ae
