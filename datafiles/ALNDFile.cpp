#include "datafiles/ALNDFile.h"

namespace ae {

ALNDFile::ALNDFile(std::FILE* stream) : AWDiskFile(stream) {}

}  // namespace ae
