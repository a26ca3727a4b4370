#include "datafiles/AWDiskFile.h"

#include <sys/types.h>

#include <cstring>

#include "datafiles/EDataFile.h"
#include "datafiles/EventWindows.h"

namespace ae {

int AWDiskFile::EventPos() { return EventPosition(CurrentTestTime(), RefTime, T1, T2); }

void AWDiskFile::AppendBookkeeping(AWDiskFile& source) {
  if (source.HasTime()) LastTime = source.CurrentTestTime();
  if (FirstTime.Seconds() == 0.0L) {
    RefTime = LastTime;
    FirstTime = LastTime;
  }
  if (LastTime > RefTime) RefTime = LastTime;
}

int AWDiskFile::CountByReading(bool hitsOnly) {
  SeekFirst();
  int n = 0;
  while (ReadNext())
    if (!hitsOnly || IsHit()) ++n;
  return n;
}

std::size_t AWDiskFile::ReadBytes(void* buffer, std::size_t size) {
  if (size == 0) return 0;
#ifdef __GLIBC__
  // Most reads are a few bytes that lie in the stream's buffer already: take them from there
  // as getc_unlocked does, without the layers of a call to fread for every record field.
  if (static_cast<std::size_t>(Stream->_IO_read_end - Stream->_IO_read_ptr) >= size) {
    std::memcpy(buffer, Stream->_IO_read_ptr, size);
    Stream->_IO_read_ptr += size;
    return size;
  }
#endif
  return fread_unlocked(buffer, 1, size, Stream);
}

void AWDiskFile::WriteBytes(const void* buffer, std::size_t size) {
  if (size == 0) return;
  if (fwrite_unlocked(buffer, 1, size, Stream) != size) throw EDataFile(MsgWriteError);
}

std::int64_t AWDiskFile::Tell() { return ftello(Stream); }

void AWDiskFile::SeekTo(std::int64_t offset) { fseeko(Stream, static_cast<off_t>(offset), SEEK_SET); }

}  // namespace ae
