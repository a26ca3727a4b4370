#include "datafiles/SDFile.h"

namespace ae {

SDFile::SDFile(std::FILE* stream) : AWDiskFile(stream) {}
SDFile::SDFile(SDFile& /*source*/, std::FILE* destination) : AWDiskFile(destination) {}

}  // namespace ae
