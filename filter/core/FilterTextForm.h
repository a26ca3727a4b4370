#pragma once
// The plain text form of a filter (see the README): the filter program's window as
// "KEY = VALUE" lines, one per line; blank lines and lines starting with "#" are ignored.
#include <istream>
#include <string>

#include "filter/core/FilterControls.h"

namespace ae {

// Raises std::runtime_error naming the line ("NAME:LINE: what") for what the form does not
// allow; the filter itself is validated by AFilter afterwards.
FilterControls ParseFilterText(std::istream& in, const std::string& sourceName);

}  // namespace ae
