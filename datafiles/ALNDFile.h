#pragma once
// A-Line 32D data files of the ISA generation; read only.
#include "datafiles/AWDiskFile.h"

namespace ae {

class ALNDFile : public AWDiskFile {
 public:
  explicit ALNDFile(std::FILE* stream);
};

}  // namespace ae
