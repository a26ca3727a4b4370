#pragma once
// "aetool export": one CSV row per record of a data file.
#include <ostream>
#include <string>

namespace ae {

inline constexpr const char* CsvExportHeader =
    "index,kind,time_s,channel,rise,counts,energy,duration,amplitude,parametric";

// Loads the file as the viewer does and writes the header and one row per record of the
// loaded data set, in file order; entries never read (after the end of the data) keep kind 8.
void ExportCsv(const std::string& dataFile, std::ostream& out);

}  // namespace ae
