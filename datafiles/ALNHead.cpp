#include "datafiles/ALNHead.h"

#include <sys/types.h>

#include <string>

#include "datafiles/ByteOrder.h"
#include "datafiles/EDataFile.h"
#include "datafiles/StreamSize.h"

namespace ae {

namespace {

void ReadExactly(std::FILE* stream, std::uint8_t* out, std::size_t size) {
  if (size != 0 && fread_unlocked(out, 1, size, stream) != size) throw EDataFile("The A-Line ISA header is truncated");
}

}  // namespace

void ALNHead::Read(std::FILE* stream) {
  const std::int64_t size = StreamSize(stream);
  if (size < 0 || fseeko(stream, 0, SEEK_SET) != 0)
    throw EDataFile("The size of the A-Line ISA file cannot be determined");
  if (size < BlockTableOffset)
    throw EDataFile("The A-Line ISA header is truncated: the file has " + std::to_string(size) +
                    " bytes, the header needs at least " + std::to_string(BlockTableOffset));

  std::uint8_t counts[8];
  ReadExactly(stream, fileHeader_.data(), fileHeader_.size());
  ReadExactly(stream, testParameters_.data(), testParameters_.size());
  ReadExactly(stream, configHeader_.data(), configHeader_.size());
  ReadExactly(stream, counts, sizeof counts);
  blockCount_ = GetU32(counts);
  configSize_ = GetU32(counts + 4);

  // Both counts come from the file: they must describe bytes that exist before they size
  // anything. 64-bit arithmetic, so no product or sum can wrap.
  if (blockCount_ > MaxBlocks)
    throw EDataFile("The A-Line ISA header declares " + std::to_string(blockCount_) +
                    " configuration blocks, more than the " + std::to_string(MaxBlocks) +
                    " a file can have: the file is damaged.");
  const std::int64_t tableBytes = std::int64_t{BlockEntrySize} * blockCount_;
  if (tableBytes > size - BlockTableOffset)
    throw EDataFile("The A-Line ISA configuration block count (" + std::to_string(blockCount_) +
                    ") does not fit in the file");
  if (configSize_ > size - BlockTableOffset - tableBytes)
    throw EDataFile("The A-Line ISA configuration size (" + std::to_string(configSize_) +
                    " bytes) does not fit in the file");

  // The table is decoded as it is read, so it is held once.
  blocks_.resize(blockCount_);
  for (Block& block : blocks_) {
    std::uint8_t entry[BlockEntrySize];
    ReadExactly(stream, entry, sizeof entry);
    block = Block{GetU32(entry), GetU32(entry + 4), GetU32(entry + 8)};
  }
  if (fseeko(stream, static_cast<off_t>(FirstRecordOffset()), SEEK_SET) != 0)
    throw EDataFile("The A-Line ISA header is truncated");
}

std::uint32_t ALNHead::FileTypeWord() const { return GetU32(fileHeader_.data() + FileTypeOffset); }

std::uint32_t ALNHead::ConfigSignatureWord() const { return GetU32(configHeader_.data()); }

std::uint32_t ALNHead::StartTime() const { return GetU32(testParameters_.data() + (StartTimeOffset - FileHeaderSize)); }

}  // namespace ae
