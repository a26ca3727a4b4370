#include "datafiles/ALNPCIDFile.h"

namespace ae {

ALNPCIDFile::ALNPCIDFile(std::FILE* stream) : AWDiskFile(stream) {}
ALNPCIDFile::ALNPCIDFile(ALNPCIDFile& /*source*/, std::FILE* destination) : AWDiskFile(destination) {}

}  // namespace ae
