#pragma once
// Opening a data file by its content, pairing a reader with a writer of the same format for
// copying, and describing a file for the information window.
#include <cstdio>
#include <memory>
#include <string>

#include "datafiles/AWDiskFile.h"
#include "datafiles/DataStream.h"

namespace ae {

// A recognised file: the stream and its reader. The reader goes before the stream.
struct OpenedDataFile {
  DataStream Stream;
  std::unique_ptr<AWDiskFile> Reader;
  int Type = -1;
};

// The type code of the first format whose test passes on the stream (A-Line ISA, A-Line PCI,
// Spartan 3000, DTA), or -1 when none does.
int RecogniseDataFile(std::FILE* stream);

// Opens the file for reading and makes the reader of the first format whose test passes
// (A-Line ISA, A-Line PCI, Spartan 3000, DTA). Raises EDataFile "Data file doesn't exist" or
// "Unknown data type.."; a folder, a pipe or a device is refused with its own message before it
// is opened. The caller calls SeekFirst before reading records.
OpenedDataFile OpenDataFile(const std::string& name);

struct WriterPair {
  std::unique_ptr<AWDiskFile> Reader;
  std::unique_ptr<AWDiskFile> Writer;
  int Type = -1;
};

// Recognises the source in the order Spartan 3000, DTA, A-Line PCI and makes a reader on the
// source and a writer of the same class on the destination. Raises "Unknown data type.." when no
// format with a writer recognises the source.
WriterPair CreateWriterPair(std::FILE* source, std::FILE* destination);
// The writer pair of a known type code; raises EDataFile when the format has no writer.
WriterPair CreateWriterPairOf(int type, std::FILE* source, std::FILE* destination);

// "Data type: " with the type name, an end of line, and the reader's header text (at most 2047
// characters), followed by the summary of the whole file (ADataFileSummary), read with the same
// reader.
std::string DescribeDataFile(const std::string& name);

}  // namespace ae
