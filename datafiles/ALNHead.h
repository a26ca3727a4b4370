#pragma once
// The header of an A-Line ISA file as stored: file header, test parameters, configuration
// header and the configuration block table. The configuration data after the table is not
// read; only its place is kept, because the records follow it.
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace ae {

class ALNHead {
 public:
  static constexpr int FileHeaderSize = 96;
  static constexpr int TestParametersSize = 3748;
  static constexpr int ConfigHeaderSize = 96;
  static constexpr std::int64_t ConfigHeaderOffset = FileHeaderSize + TestParametersSize;  // 3844
  static constexpr std::int64_t BlockCountOffset = ConfigHeaderOffset + ConfigHeaderSize;  // 3940
  static constexpr std::int64_t BlockTableOffset = BlockCountOffset + 8;                   // 3948
  static constexpr int BlockEntrySize = 12;
  static constexpr std::int64_t FileTypeOffset = 12;
  static constexpr std::int64_t StartTimeOffset = 1896;

  // More configuration blocks than any instrument writes: a header that declares more is
  // damaged, and its table is not read (a count from the file must not size memory freely).
  static constexpr std::uint32_t MaxBlocks = 65536;

  static constexpr std::uint32_t FileType = 0xAA01;
  static constexpr std::uint32_t ConfigSignature = 0x1313CFCF;

  struct Block {
    std::uint32_t Type = 0;
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
  };

  // Reads the header from the start of the stream and leaves the stream at the first record.
  // A header shorter than its fixed part, more than MaxBlocks blocks, or a block table or
  // configuration data reaching beyond the end of the file, raises EDataFile; nothing is
  // allocated before those checks.
  void Read(std::FILE* stream);

  const std::array<std::uint8_t, FileHeaderSize>& FileHeader() const { return fileHeader_; }
  const std::array<std::uint8_t, TestParametersSize>& TestParameters() const { return testParameters_; }
  const std::array<std::uint8_t, ConfigHeaderSize>& ConfigHeader() const { return configHeader_; }
  const std::vector<Block>& Blocks() const { return blocks_; }

  std::uint32_t FileTypeWord() const;
  std::uint32_t ConfigSignatureWord() const;
  // Seconds since 1 January 1970.
  std::uint32_t StartTime() const;
  std::uint32_t BlockCount() const { return blockCount_; }
  std::uint32_t ConfigSize() const { return configSize_; }
  std::int64_t ConfigDataOffset() const { return BlockTableOffset + std::int64_t{BlockEntrySize} * blockCount_; }
  std::int64_t FirstRecordOffset() const { return ConfigDataOffset() + configSize_; }

 private:
  std::array<std::uint8_t, FileHeaderSize> fileHeader_{};
  std::array<std::uint8_t, TestParametersSize> testParameters_{};
  std::array<std::uint8_t, ConfigHeaderSize> configHeader_{};
  std::uint32_t blockCount_ = 0;
  std::uint32_t configSize_ = 0;
  std::vector<Block> blocks_;
};

}  // namespace ae
