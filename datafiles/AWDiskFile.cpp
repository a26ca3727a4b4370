#include "datafiles/AWDiskFile.h"

#include <sys/types.h>

#include <cstring>

#include "datafiles/EDataFile.h"
#include "datafiles/EventWindows.h"

namespace ae {

int AWDiskFile::EventPos() { return EventPosition(CurrentTicks(), RefTime, T1, T2); }

void AWDiskFile::AppendBookkeeping(AWDiskFile& source) {
  if (source.HasTime()) LastTime = source.CurrentTestTime();
  if (FirstTime.IsZero()) {
    RefTime = LastTime;
    FirstTime = LastTime;
  }
  if (LastTime > RefTime) RefTime = LastTime;
}

int AWDiskFile::CountByReading(bool hitsOnly) {
  SeekFirst();
  int n = 0;
  while (n < CountCap && ReadNext())
    if (!hitsOnly || IsHit()) ++n;
  return n;
}

std::size_t AWDiskFile::ReadBytesFromStream(void* buffer, std::size_t size) {
  if (size == 0) return 0;
  return fread_unlocked(buffer, 1, size, Stream);
}

void AWDiskFile::WriteBytes(const void* buffer, std::size_t size) {
  if (size == 0) return;
  if (fwrite_unlocked(buffer, 1, size, Stream) != size) throw EDataFile(MsgWriteError);
}

void AWDiskFile::SkipInStream(std::size_t size) { fseeko(Stream, static_cast<off_t>(size), SEEK_CUR); }

std::int64_t AWDiskFile::Tell() { return ftello(Stream); }

void AWDiskFile::SeekTo(std::int64_t offset) { fseeko(Stream, static_cast<off_t>(offset), SEEK_SET); }

}  // namespace ae
