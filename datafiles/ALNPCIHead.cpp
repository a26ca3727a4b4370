#include "datafiles/ALNPCIHead.h"

#include <sys/types.h>

#include <array>
#include <string>

#include "datafiles/EDataFile.h"
#include "datafiles/StreamSize.h"

namespace ae {

namespace {

constexpr std::int64_t FixedHeaderSize = static_cast<std::int64_t>(ALNPCITestParam::Size + ALNPCIHrdwDescr::FixedSize);
constexpr std::int64_t BlockEntrySize = static_cast<std::int64_t>(ALNPCIHrdwDescr::BlockEntrySize);

[[noreturn]] void Damaged(const std::string& what) { throw EDataFile("Damaged A-Line PCI file: " + what); }

void ReadAt(std::FILE* stream, std::int64_t offset, std::uint8_t* out, std::size_t size) {
  if (size == 0) return;
  if (fseeko(stream, static_cast<off_t>(offset), SEEK_SET) != 0 || fread_unlocked(out, 1, size, stream) != size)
    Damaged("the header cannot be read completely");
}

}  // namespace

void ALNPCIHead::Read(std::FILE* stream) {
  const std::int64_t fileSize = StreamSize(stream);
  if (fileSize < 0) Damaged("the file size cannot be determined");
  if (fileSize < FixedHeaderSize)
    Damaged("the header is truncated (" + std::to_string(fileSize) + " bytes, at least " +
            std::to_string(FixedHeaderSize) + " needed)");

  std::array<std::uint8_t, FixedHeaderSize> fixed;
  ReadAt(stream, 0, fixed.data(), fixed.size());
  ALNPCITestParam testParam(fixed.data());
  ALNPCIHrdwDescr hrdwDescr(fixed.data() + ALNPCITestParam::Size);

  // 64-bit sums: neither a count nor a size of 2^32 - 1 can wrap here.
  const std::int64_t blockCount = hrdwDescr.BlockCount();
  const std::int64_t configSize = hrdwDescr.ConfigSize();
  // Counts beyond what any instrument writes are refused before they size memory: the reader
  // holds the configuration data, and a writer copies it.
  if (blockCount > ALNPCIHead::MaxBlocks)
    Damaged("the header declares " + std::to_string(blockCount) + " configuration blocks, more than the " +
            std::to_string(ALNPCIHead::MaxBlocks) + " a file can have");
  if (configSize > ALNPCIHead::MaxConfigSize)
    Damaged("the header declares " + std::to_string(configSize) + " bytes of configuration data, more than the " +
            std::to_string(ALNPCIHead::MaxConfigSize) + " a file can have");
  const std::int64_t tableEnd = FixedHeaderSize + blockCount * BlockEntrySize;
  if (tableEnd > fileSize)
    Damaged("the table of " + std::to_string(blockCount) + " configuration blocks does not fit in the file");
  if (tableEnd + configSize > fileSize)
    Damaged("the configuration data of " + std::to_string(configSize) + " bytes do not fit in the file");

  std::vector<std::uint8_t> table(static_cast<std::size_t>(tableEnd - FixedHeaderSize));
  ReadAt(stream, FixedHeaderSize, table.data(), table.size());
  hrdwDescr.SetBlockTable(table.data());
  // Of the blocks only the channel characteristic block is read; the others are copied with the
  // configuration data as they stand, wherever their table entries point.
  for (std::uint32_t i = 0; i < hrdwDescr.BlockCount(); ++i) {
    const ALNPCIHrdwDescr::Block block = hrdwDescr.BlockAt(i);
    if (block.Type != ChannelBlockType) continue;
    if (static_cast<std::int64_t>(block.Offset) + block.Size > configSize)
      Damaged("configuration block " + std::to_string(i + 1) + " lies outside the configuration data");
    break;
  }

  std::vector<std::uint8_t> config(static_cast<std::size_t>(configSize));
  ReadAt(stream, tableEnd, config.data(), config.size());

  testParam_ = testParam;
  hrdwDescr_ = std::move(hrdwDescr);
  config_ = std::move(config);
}

std::int64_t ALNPCIHead::ConfigOffset() const {
  return FixedHeaderSize + static_cast<std::int64_t>(hrdwDescr_.BlockCount()) * BlockEntrySize;
}

std::int64_t ALNPCIHead::FirstRecordOffset() const {
  return ConfigOffset() + static_cast<std::int64_t>(hrdwDescr_.ConfigSize());
}

std::optional<ALNPCIHrdwDescr::Block> ALNPCIHead::ChannelBlock() const {
  for (std::uint32_t i = 0; i < hrdwDescr_.BlockCount(); ++i) {
    const ALNPCIHrdwDescr::Block block = hrdwDescr_.BlockAt(i);
    if (block.Type == ChannelBlockType) return block;
  }
  return std::nullopt;
}

std::vector<ALNPCIChannelEntry> ALNPCIHead::ChannelEntries() const {
  std::vector<ALNPCIChannelEntry> entries;
  const auto block = ChannelBlock();
  if (!block) return entries;
  // Read checked that the block lies inside the configuration data; the check stays here so
  // that a head built any other way cannot read beyond it either.
  const std::uint64_t end = static_cast<std::uint64_t>(block->Offset) + block->Size;
  if (end > config_.size()) return entries;
  const std::size_t n = block->Size / ALNPCIChannelEntry::Size;
  entries.reserve(n);
  const std::uint8_t* p = config_.data() + block->Offset;
  for (std::size_t i = 0; i < n; ++i) entries.push_back(ALNPCIChannelEntry::Decode(p + i * ALNPCIChannelEntry::Size));
  return entries;
}

std::vector<std::uint8_t> ALNPCIHead::Image() const {
  std::vector<std::uint8_t> image;
  image.reserve(static_cast<std::size_t>(FirstRecordOffset()));
  image.insert(image.end(), testParam_.Bytes(), testParam_.Bytes() + ALNPCITestParam::Size);
  hrdwDescr_.AppendImage(image);
  image.insert(image.end(), config_.begin(), config_.end());
  return image;
}

}  // namespace ae
