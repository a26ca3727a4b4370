#pragma once
// A-Line 32D data files of the PCI generation.
#include "datafiles/AWDiskFile.h"

namespace ae {

class ALNPCIDFile : public AWDiskFile {
 public:
  explicit ALNPCIDFile(std::FILE* stream);
  ALNPCIDFile(ALNPCIDFile& source, std::FILE* destination);
};

}  // namespace ae
