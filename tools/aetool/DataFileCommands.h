#pragma once
// The subcommands on the data files alone: dump, describe, export and gen. The aetool program
// runs these itself, without loading Qt, and leaves the others to the full program.
#include <ostream>

namespace ae {

// Whether the subcommand of that name is one of them.
bool IsDataFileCommand(const char* name);

// Runs one command line whose subcommand is one of them, exactly as RunAetool does (help, usage
// errors and exit codes included).
int RunDataFileCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress = false);

}  // namespace ae
