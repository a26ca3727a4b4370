#pragma once
// "aetool stat FILE [--setup FILE.ini] [--events] [--channels LIST]": the viewer's hit
// statistics and MONPAC evaluation of a whole data file, as the five reports of the data
// statistic window.
#include <ostream>

namespace ae {

// Runs the subcommand on the arguments from argv[first] on. Returns the exit code: 0, 1 after
// an error printed on err, 2 after a usage error printed on err (the caller adds the usage).
// Errors of the data-file layer and of the test setup are raised to the caller.
int RunStat(int argc, const char* const* argv, int first, std::ostream& out, std::ostream& err);

}  // namespace ae
