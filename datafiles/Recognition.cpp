#include "datafiles/Recognition.h"

#include <sys/types.h>

#include <vector>

#include "datafiles/ByteOrder.h"

namespace ae {

namespace {

constexpr std::uint32_t AlineFileType = 0xAA01;
constexpr std::uint32_t AlineIsaConfigSignature = 0x1313CFCF;
constexpr std::uint32_t AlinePciHardwareSignature = 0x1515CFCF;
constexpr std::uint16_t DtaMaxLength = 50000;
constexpr std::uint16_t DtaProductDefinition = 41;
constexpr std::uint8_t DtaContinuedFile = 8;
constexpr int DtaContinuedTimeBytes = 8;

// Reads bytes at an absolute offset and puts the stream back where it was.
class PeekReader {
 public:
  explicit PeekReader(std::FILE* stream) : stream_(stream), saved_(ftello(stream)) {}
  ~PeekReader() { fseeko(stream_, saved_ < 0 ? 0 : saved_, SEEK_SET); }
  PeekReader(const PeekReader&) = delete;
  PeekReader& operator=(const PeekReader&) = delete;

  bool Read(std::int64_t offset, std::uint8_t* out, std::size_t size) {
    if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
    return std::fread(out, 1, size, stream_) == size;
  }
  bool ReadU32(std::int64_t offset, std::uint32_t& value) {
    std::uint8_t b[4];
    if (!Read(offset, b, 4)) return false;
    value = GetU32(b);
    return true;
  }

 private:
  std::FILE* stream_;
  off_t saved_;
};

bool IsPrintableOrControl(std::uint8_t c) { return (c >= 0x20 && c <= 0x7E) || (c >= 9 && c <= 13); }

}  // namespace

bool IsText(const std::uint8_t* bytes, long n) {
  for (long i = 0; i < n; ++i) {
    const std::uint8_t c = bytes[i];
    if (IsPrintableOrControl(c)) continue;
    if (c == 0 && i > 0) continue;
    return false;
  }
  return true;
}

bool IsAlineIsaFile(std::FILE* stream) {
  PeekReader peek(stream);
  std::uint8_t head[96];
  std::uint32_t signature = 0;
  return peek.Read(0, head, sizeof head) && GetU32(head + 12) == AlineFileType && peek.ReadU32(3844, signature) &&
         signature == AlineIsaConfigSignature;
}

bool IsAlinePciFile(std::FILE* stream) {
  PeekReader peek(stream);
  std::uint32_t fileType = 0, signature = 0;
  return peek.ReadU32(12, fileType) && fileType == AlineFileType && peek.ReadU32(3960, signature) &&
         signature == AlinePciHardwareSignature;
}

bool IsSpartan3000Header(const std::uint8_t* head) {
  const int n = head[46];
  return !IsText(head, 512) && IsText(head + 20, 17) && IsText(head + 40, 6) && n >= 1 && n <= 40 &&
         IsText(head + 47, n - 2);
}

bool IsSpartan3000File(std::FILE* stream) {
  PeekReader peek(stream);
  std::uint8_t head[512];
  if (!peek.Read(0, head, sizeof head)) return false;
  return IsSpartan3000Header(head);
}

namespace {

// A product definition whose LEN word stands at `offset`: message 41 with a zero byte after
// the identifier, its L - 4 bytes from offset + 6 in the file and the first L - 6 of them
// text. `room` is how many bytes from offset on it may take (LEN word included).
bool IsProductDefinitionAt(PeekReader& peek, std::int64_t offset, std::int64_t room) {
  std::uint8_t start[4];
  if (!peek.Read(offset, start, sizeof start)) return false;
  const std::uint16_t length = GetU16(start);
  if (length >= DtaMaxLength || length < 4 || length + 2 > room) return false;
  if (GetU16(start + 2) != DtaProductDefinition) return false;
  std::vector<std::uint8_t> text(length - 4u);
  if (!peek.Read(offset + 6, text.data(), text.size())) return false;
  return IsText(text.data(), static_cast<long>(length) - 6);
}

}  // namespace

bool IsDtaFile(std::FILE* stream) {
  PeekReader peek(stream);
  if (IsProductDefinitionAt(peek, 0, DtaMaxLength + 2)) return true;
  // A continued file of a split test: message 8 with its time bytes, then the test's setup
  // from its product definition on, inside message 8.
  std::uint8_t start[3];
  if (!peek.Read(0, start, sizeof start)) return false;
  const std::uint16_t length = GetU16(start);
  if (length >= DtaMaxLength || start[2] != DtaContinuedFile) return false;
  const std::int64_t embedded = 3 + DtaContinuedTimeBytes;
  return IsProductDefinitionAt(peek, embedded, 2 + std::int64_t{length} - embedded);
}

}  // namespace ae
