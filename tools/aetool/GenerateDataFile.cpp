#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Generators.h"

namespace ae {

void GenerateDataFile(const std::string& format, const GenOptions& options, const std::string& path) {
  void (*generate)(const GenOptions&, std::FILE*) = nullptr;
  if (format == "dta") generate = GenerateDta;
  else if (format == "s3000") generate = GenerateSpartan3000;
  else if (format == "pci") generate = GenerateAlinePci;
  else if (format == "isa") generate = GenerateAlineIsa;
  else throw EDataFile("Unknown format \"" + format + "\" (dta, s3000, pci or isa)");

  DataStream out(path, "wb");
  if (!out) throw EDataFile("Cannot create \"" + path + "\"");
  generate(options, out.Get());
  if (!out.Close()) throw EDataFile(MsgWriteError);
}

}  // namespace ae
