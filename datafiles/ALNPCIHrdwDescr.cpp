#include "datafiles/ALNPCIHrdwDescr.h"

#include <cstring>
#include <iomanip>
#include <ostream>

#include "datafiles/ByteOrder.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

// Field offsets in the file.
constexpr std::size_t SignatureAt = 3960;
constexpr std::size_t VersionAt = 3964;
constexpr std::size_t InfoSizeAt = 3972;
constexpr std::size_t BlockCountAt = 4056;
constexpr std::size_t ConfigSizeAt = 4060;

}  // namespace

ALNPCIHrdwDescr::ALNPCIHrdwDescr(const std::uint8_t* fixed) { std::memcpy(fixed_.data(), fixed, FixedSize); }

void ALNPCIHrdwDescr::SetBlockTable(const std::uint8_t* table) {
  table_.assign(table, table + static_cast<std::size_t>(BlockCount()) * BlockEntrySize);
}

std::uint32_t ALNPCIHrdwDescr::FixedU32(std::size_t fileOffset) const {
  return GetU32(fixed_.data() + (fileOffset - static_cast<std::size_t>(Offset)));
}

std::uint32_t ALNPCIHrdwDescr::Signature() const { return FixedU32(SignatureAt); }
std::uint32_t ALNPCIHrdwDescr::VersionFirst() const { return FixedU32(VersionAt); }
std::uint32_t ALNPCIHrdwDescr::VersionSecond() const { return FixedU32(VersionAt + 4); }
std::uint32_t ALNPCIHrdwDescr::InfoSize() const { return FixedU32(InfoSizeAt); }
std::uint32_t ALNPCIHrdwDescr::BlockCount() const { return FixedU32(BlockCountAt); }
std::uint32_t ALNPCIHrdwDescr::ConfigSize() const { return FixedU32(ConfigSizeAt); }

ALNPCIHrdwDescr::Block ALNPCIHrdwDescr::BlockAt(std::size_t i) const {
  Block block;
  if ((i + 1) * BlockEntrySize > table_.size()) return block;
  const std::uint8_t* p = table_.data() + i * BlockEntrySize;
  block.Type = GetU32(p);
  block.Offset = GetU32(p + 4);
  block.Size = GetU32(p + 8);
  return block;
}

void ALNPCIHrdwDescr::AppendImage(std::vector<std::uint8_t>& out) const {
  out.insert(out.end(), fixed_.begin(), fixed_.end());
  out.insert(out.end(), table_.begin(), table_.end());
}

void ALNPCIHrdwDescr::Dump(std::ostream& os) const {
  StreamFormatGuard guard(os);
  os << std::dec << std::right << std::setfill(' ');
  os << "Signature              : 0x" << std::hex << std::uppercase << Signature() << std::dec << std::nouppercase
     << '\n';
  os << "Version                : " << VersionFirst() << " - " << VersionSecond() << '\n';
  os << "Info Structure Size    : " << InfoSize() << '\n';
  os << "ConfBlocks Number      : " << BlockCount() << '\n';
  os << "ConfigurationData Size : " << ConfigSize() << '\n';
  os << "Configuration Blocks" << '\n';
  os << std::setw(10) << "Block Type" << std::setw(10) << "Offset" << std::setw(10) << "Size" << '\n';
  for (std::size_t i = 0; i * BlockEntrySize < table_.size(); ++i) {
    const Block block = BlockAt(i);
    os << std::setw(10) << block.Type << std::setw(10) << block.Offset << std::setw(10) << block.Size << '\n';
  }
}

}  // namespace ae
