#include "datafiles/DataFormats.h"

#include <array>

#include "datafiles/ALNDFile.h"
#include "datafiles/ALNPCIDFile.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"
#include "datafiles/LDFile.h"
#include "datafiles/Recognition.h"
#include "datafiles/SDFile.h"

namespace ae {

namespace {

template <class File>
std::unique_ptr<AWDiskFile> MakeReader(std::FILE* stream) {
  return std::make_unique<File>(stream);
}

template <class File>
std::unique_ptr<AWDiskFile> MakeHeaderCopyingWriter(AWDiskFile& reader, std::FILE* destination) {
  auto* source = dynamic_cast<File*>(&reader);
  if (source == nullptr) throw EDataFile("The source of a copy is not of the writer's format");
  return std::make_unique<File>(*source, destination);
}

std::unique_ptr<AWDiskFile> MakeDtaWriter(AWDiskFile& /*reader*/, std::FILE* destination) {
  return std::make_unique<LDFile>(destination);
}

const DataFormat AlineIsa{ftAline, IsAlineIsaFile, MakeReader<ALNDFile>, nullptr};
const DataFormat AlinePci{ftAlinePCI, IsAlinePciFile, MakeReader<ALNPCIDFile>, MakeHeaderCopyingWriter<ALNPCIDFile>};
const DataFormat Spartan3000{ftSpartan3000, IsSpartan3000File, MakeReader<SDFile>, MakeHeaderCopyingWriter<SDFile>};
const DataFormat Dta{ftDiSP, IsDtaFile, MakeReader<LDFile>, MakeDtaWriter};

const std::array<DataFormat, 4> ReaderOrder = {AlineIsa, AlinePci, Spartan3000, Dta};
const std::array<DataFormat, 3> WriterOrder = {Spartan3000, Dta, AlinePci};

}  // namespace

std::span<const DataFormat> ReaderFormats() { return ReaderOrder; }
std::span<const DataFormat> WriterFormats() { return WriterOrder; }

const DataFormat* FindDataFormat(int type) {
  for (const DataFormat& format : ReaderOrder)
    if (format.Type == type) return &format;
  return nullptr;
}

}  // namespace ae
