#pragma once
// "aetool filter": runs a filter of the filter database on one data file, or stores a filter
// written as plain text.
#include <istream>
#include <ostream>
#include <string>

#include "filter/core/FilterControls.h"

namespace ae {

class CommandLine;

// Exit code 0 on success, 1 with the message on stderr when the filter is invalid or the run
// fails, 2 on a usage error.
void AddFilterCommand(CommandLine& cli);

// The plain text form of a filter (see the README): the window as "KEY = VALUE" lines. Raises
// std::runtime_error naming the line for what the form does not allow; the filter itself is
// validated by AFilter afterwards.
FilterControls ParseFilterText(std::istream& in, const std::string& sourceName);

}  // namespace ae
