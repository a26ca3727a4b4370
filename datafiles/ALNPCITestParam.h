#pragma once
// The test parameters at the start of an A-Line PCI file (3960 bytes). The block is kept as the
// byte image read from the file, so that a writer copies every field, interpreted or not,
// unchanged; fields are decoded on demand.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace ae {

class ALNPCITestParam {
 public:
  static constexpr std::size_t Size = 3960;

  // Field offsets within the block (and the file).
  enum Field : std::size_t {
    fSignature = 0,
    fVersion1 = 4,  // two numbers
    fFileType = 12,
    fHardwareVersion = 16,
    fSoftwareVersion = 20,
    fVersion2 = 96,  // two numbers
    fObjectName = 104,
    fOperatorName = 359,
    fReference = 614,
    fCommentSize = 872,
    fComment = 876,
    fFilterFlag = 1876,
    fMeasMaxHour = 1880,
    fMeasMaxMin = 1884,
    fScaleInitHour = 1888,
    fScaleInitMin = 1892,
    fStartTime = 1896,
    fStopTime = 1900,
    fAveragingTime = 1904,
    fDataFileName = 1908,
    fConfigFileName = 2163,
    fSdoFileName = 2418,
    fSecondGenFileName = 2673,
    fLocationFileName = 2928,
    fSdoNumber = 3184,
    fDataNotWritten = 3188,
    fParametricNotWritten = 3192,
    fNoiseNotWritten = 3196,
    fSdoNotWritten = 3200,
    fPreFilterUsed = 3204,
    fLocationPresent = 3880,
    fLocationScheme = 3884,
    fXMax = 3888,
    fYMax = 3892,
    fYMin = 3896,
    fXMin = 3900,
    fClusterLength = 3904,
    fClusterBound = 3908,
    fClusterHeight = 3912,
    fNumberOfEvents = 3916,
  };

  ALNPCITestParam() = default;  // all zero
  // From the first Size bytes of a file.
  explicit ALNPCITestParam(const std::uint8_t* bytes);

  const std::uint8_t* Bytes() const { return bytes_.data(); }

  std::uint32_t U32(Field field) const;
  std::int32_t I32(Field field) const;
  // A zero-terminated text inside its space; a text that fills its space ends with it.
  std::string Text(Field field, std::size_t width) const;

  std::uint32_t FileType() const { return U32(fFileType); }
  std::uint32_t StartTime() const { return U32(fStartTime); }
  std::uint32_t StopTime() const { return U32(fStopTime); }
  std::string ObjectName() const { return Text(fObjectName, 255); }
  std::uint32_t NumberOfEvents() const { return U32(fNumberOfEvents); }
  void SetNumberOfEvents(std::uint32_t n);

  // The header text of the test parameters; the full form adds the fields an analyst rarely
  // needs (sizes, versions, location scheme).
  void Dump(std::ostream& os, bool full) const;

  // Seconds since 1970 as the C library's ctime writes them, end of line included, in the
  // local time zone. Day and month names are always English, whatever the locale.
  static std::string CalendarText(std::uint32_t seconds);

 private:
  std::array<std::uint8_t, Size> bytes_{};
};

}  // namespace ae
