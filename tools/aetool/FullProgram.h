#pragma once
// The full aetool program, with every subcommand. The aetool program that users start runs the
// subcommands on the data files itself and starts this one for the others (and for the help of
// the whole tool), on the same arguments.
#include <ostream>
#include <string>

namespace ae {

// Where the full program is: beside the running program (the build tree), else in the libexec
// folder of the installation it belongs to. Empty when neither exists.
std::string FullProgramPath();

// Replaces this process with the full program on these arguments (argv[0] aside). Returns only
// when it cannot be started: 1, after saying why on err.
int RunFullProgram(char** argv, std::ostream& err);

}  // namespace ae
