#pragma once

#include <string>

namespace ae {

// The filter program's message table: identifier -> text (Russian, UTF-8). An unknown
// identifier gives an empty text.
const std::string& FilterMessage(int id);

}  // namespace ae
