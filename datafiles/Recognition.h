#pragma once
// Content tests that tell the formats apart. Each reads what it needs from absolute offsets
// and restores the stream position: it consumes nothing. A file too short for the bytes a test
// inspects fails that test.
#include <cstdint>
#include <cstdio>

namespace ae {

// "Text": every byte printable (0x20..0x7E), a control character 9..13, or a zero byte that is
// not the first of the range. A range of n <= 0 bytes is text.
bool IsText(const std::uint8_t* bytes, long n);

bool IsAlineIsaFile(std::FILE* stream);
bool IsAlinePciFile(std::FILE* stream);
bool IsSpartan3000File(std::FILE* stream);
// The Spartan 3000 test on the 512 header bytes of a file.
bool IsSpartan3000Header(const std::uint8_t* head);
// A DTA file starts with its product definition (41), or, when it continues a split test, with
// message 8 whose LEN is below 50000 and which holds that product definition after its 8 time
// bytes.
bool IsDtaFile(std::FILE* stream);

}  // namespace ae
