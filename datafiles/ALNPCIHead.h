#pragma once
// The header of an A-Line PCI file: test parameters, hardware description with the table of
// configuration blocks, and the configuration data. Records start right after it.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "datafiles/ALNPCICalibration.h"
#include "datafiles/ALNPCIHrdwDescr.h"
#include "datafiles/ALNPCITestParam.h"

namespace ae {

class ALNPCIHead {
 public:
  static constexpr std::uint32_t ChannelBlockType = 1;
  // Limits far above what an instrument writes (its channel block is 128 x 1168 bytes).
  static constexpr std::int64_t MaxBlocks = 65536;
  static constexpr std::int64_t MaxConfigSize = std::int64_t{64} << 20;

  ALNPCIHead() = default;

  // Reads the header from the start of the stream. Every count and offset is checked against
  // the file's size and the limits above before it sizes a buffer; a damaged header raises
  // EDataFile. The stream
  // position afterwards is unspecified.
  void Read(std::FILE* stream);

  const ALNPCITestParam& TestParam() const { return testParam_; }
  ALNPCITestParam& TestParam() { return testParam_; }
  const ALNPCIHrdwDescr& HrdwDescr() const { return hrdwDescr_; }
  const std::vector<std::uint8_t>& ConfigData() const { return config_; }

  // File offsets of the configuration data and of the first record.
  std::int64_t ConfigOffset() const;
  std::int64_t FirstRecordOffset() const;

  // The first block of the channel characteristic type, if any.
  std::optional<ALNPCIHrdwDescr::Block> ChannelBlock() const;
  // Its whole entries, decoded; empty without such a block.
  std::vector<ALNPCIChannelEntry> ChannelEntries() const;

  // The whole header as it stands in the file.
  std::vector<std::uint8_t> Image() const;

 private:
  ALNPCITestParam testParam_;
  ALNPCIHrdwDescr hrdwDescr_;
  std::vector<std::uint8_t> config_;
};

}  // namespace ae
