#pragma once
// "aetool locate FILE --setup FILE.ini": the located events of a data file with the location of
// a viewer test setup, one CSV row per event, "index,time_s,channel,x_m,y_m,sensors".
#include <ostream>
#include <string>

namespace ae {

inline constexpr const char* LocateHeader = "index,time_s,channel,x_m,y_m,sensors";

// Prints the header and the rows; returns 0, or 1 after printing the error on err: a setup that
// cannot be read or does not locate, a file that cannot be loaded, or hits out of time order
// (the rows of the events before them are printed).
int LocateEvents(const std::string& file, const std::string& setup, std::ostream& out, std::ostream& err,
                 bool showProgress = false);

class CommandLine;
void AddLocateCommand(CommandLine& cli);

}  // namespace ae
