#pragma once
// The aetool command line: subcommands over the data-file library.
#include <ostream>

namespace ae {

// Runs one command line; returns the exit code. Errors go to err as their text. A progress bar
// is drawn on stderr only when `progress` says stderr is a terminal.
int RunAetool(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress = false);

}  // namespace ae
