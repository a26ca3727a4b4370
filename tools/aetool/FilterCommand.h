#pragma once
// "aetool filter": runs a filter of the filter database on one data file, or stores a filter
// written as plain text.
#include <istream>
#include <ostream>
#include <string>

#include "filter/core/FilterControls.h"
#include "filter/core/FilterTextForm.h"  // the plain text form --from reads

namespace ae {

class CommandLine;

// Exit code 0 on success, 1 with the message on stderr when the filter is invalid or the run
// fails, 2 on a usage error.
void AddFilterCommand(CommandLine& cli);

}  // namespace ae
