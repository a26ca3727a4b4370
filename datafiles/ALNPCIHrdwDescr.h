#pragma once
// The hardware description of an A-Line PCI file (from offset 3960): its fixed part and the
// table of configuration blocks. Kept as byte images so that a writer copies them unchanged.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace ae {

class ALNPCIHrdwDescr {
 public:
  static constexpr std::int64_t Offset = 3960;
  static constexpr std::size_t FixedSize = 104;  // up to and including the configuration size
  static constexpr std::size_t BlockEntrySize = 12;
  static constexpr std::uint32_t SignatureValue = 0x1515CFCF;

  struct Block {
    std::uint32_t Type = 0;
    std::uint32_t Offset = 0;  // from the start of the configuration data
    std::uint32_t Size = 0;
  };

  ALNPCIHrdwDescr() = default;  // all zero, no blocks
  // From the FixedSize bytes at file offset 3960. The block table is empty until SetBlockTable.
  explicit ALNPCIHrdwDescr(const std::uint8_t* fixed);
  // The BlockCount() x 12 bytes that follow the fixed part.
  void SetBlockTable(const std::uint8_t* table);

  std::uint32_t Signature() const;
  std::uint32_t VersionFirst() const;
  std::uint32_t VersionSecond() const;
  std::uint32_t InfoSize() const;
  // Counts as the file states them; the table holds BlockCount() entries once set.
  std::uint32_t BlockCount() const;
  std::uint32_t ConfigSize() const;
  Block BlockAt(std::size_t i) const;

  // The fixed part followed by the block table, as in the file.
  void AppendImage(std::vector<std::uint8_t>& out) const;

  void Dump(std::ostream& os) const;

 private:
  std::uint32_t FixedU32(std::size_t fileOffset) const;

  std::array<std::uint8_t, FixedSize> fixed_{};
  std::vector<std::uint8_t> table_;
};

}  // namespace ae
