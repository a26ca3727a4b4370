#include "datafiles/EDataFile.h"
#include "tools/aetool/Generators.h"

namespace ae {

void GenerateSpartan3000(const GenOptions&, std::FILE*) { throw EDataFile("Not available yet"); }

}  // namespace ae
