#pragma once
// The one place that knows every format: its type code, its content test, and how to make its
// reader and, where it has one, its writer. Opening, pairing and describing files go through
// this table, so a new format is added here and nowhere else.
#include <cstdio>
#include <memory>
#include <span>

#include "datafiles/AWDiskFile.h"

namespace ae {

struct DataFormat {
  int Type;
  bool (*Recognise)(std::FILE* stream);
  std::unique_ptr<AWDiskFile> (*MakeReader)(std::FILE* stream);
  // Null for formats without a writer. The reader passed in is one made by MakeReader.
  std::unique_ptr<AWDiskFile> (*MakeWriter)(AWDiskFile& reader, std::FILE* destination);
};

// Formats in the order a file is recognised for reading: A-Line ISA, A-Line PCI, Spartan 3000,
// DTA.
std::span<const DataFormat> ReaderFormats();
// Formats in the order a source is recognised for copying: Spartan 3000, DTA, A-Line PCI.
std::span<const DataFormat> WriterFormats();
// The format of a type code, or null.
const DataFormat* FindDataFormat(int type);

}  // namespace ae
