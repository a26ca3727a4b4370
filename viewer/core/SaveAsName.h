#pragma once
// The name "Save data as.." proposes for a loaded file: beside it, the file's name with "-1",
// "-2" ... before its extension, the first that is not taken, so that saving the cleaned data
// never offers to overwrite the source.
#include <string>

namespace ae {

// "/data/PROOF.DTA" gives "/data/PROOF-1.DTA", or "/data/PROOF-2.DTA" when that exists; a name
// without an extension gets the number at its end. Empty for an empty name, or when no free
// name is found.
std::string ProposedSaveName(const std::string& loadedFile);

}  // namespace ae
