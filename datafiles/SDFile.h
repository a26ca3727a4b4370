#pragma once
// Spartan 3000 data files: a 512-byte header followed by 32-byte records.
#include "datafiles/AWDiskFile.h"

namespace ae {

class SDFile : public AWDiskFile {
 public:
  // Reader: reads the header; the stream is left after it.
  explicit SDFile(std::FILE* stream);
  // Writer: copies the source's header image and positions the destination after the header.
  SDFile(SDFile& source, std::FILE* destination);
};

}  // namespace ae
