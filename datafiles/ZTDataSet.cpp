#include "datafiles/ZTDataSet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <stdexcept>

#include "datafiles/APagePrefault.h"
#include "datafiles/AWDiskFile.h"
#include "datafiles/AWaveformLinker.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFormats.h"
#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "datafiles/FileMode.h"
#include "datafiles/SystemMemory.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

std::string SaveError(const std::string& destination, const std::string& reason) {
  return "Cannot save the data to \"" + destination + "\": " + reason;
}

std::string SystemReason() { return std::strerror(errno); }

// "The data file "NAME" " followed by what went wrong, as one sentence.
std::string LoadError(const std::string& name, const std::string& what) {
  std::string text = "The data file \"" + name + "\" " + what;
  if (text.back() != '.') text += '.';
  return text;
}

std::string InputError() { return "the system reported an input/output error"; }

// A size for people: bytes below a megabyte, then megabytes or gigabytes with one decimal.
std::string MemoryText(std::uint64_t bytes) {
  char text[64];
  if (bytes < 1000000ull) std::snprintf(text, sizeof text, "%llu bytes", static_cast<unsigned long long>(bytes));
  else if (bytes < 1000000000ull) std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  else std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / 1e9);
  return text;
}

std::string NoMemoryError(const std::string& name, int count, std::uint64_t needed,
                          std::optional<std::uint64_t> available) {
  std::string text = "Not enough memory to load the data file \"" + name + "\": its " + std::to_string(count) +
                     " records need " + MemoryText(needed);
  if (available) text += ", and only " + MemoryText(*available) + " are available";
  return text + ".";
}

// The file a save replaces: a symbolic link is followed, so that saving through a link
// updates the file it points to, as writing to the link would.
fs::path SaveTarget(const std::string& destination) {
  const fs::path path(destination);
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? path : resolved;
}

// A file created beside the destination that takes the destination's place when it is
// complete and is removed otherwise.
class TemporaryFile {
 public:
  TemporaryFile(const fs::path& target, const std::string& destination) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string leaf = ".";  // hidden while it is incomplete
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    std::string name = (folder / leaf).string();
    const int fd = mkstemp(name.data());
    if (fd < 0) throw EDataFile(SaveError(destination, "cannot create a file in its folder: " + SystemReason()));
    path_ = name;
    const bool modeSet = ::fchmod(fd, ReplacementFileMode(target.string())) == 0;
    const std::string reason = modeSet ? std::string() : SystemReason();
    ::close(fd);
    if (!modeSet) {
      Remove();
      throw EDataFile(SaveError(destination, "cannot set the file mode: " + reason));
    }
  }
  ~TemporaryFile() { Remove(); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Path() const { return path_; }

  void Commit(const fs::path& target, const std::string& destination) {
    if (std::rename(path_.c_str(), target.c_str()) != 0) throw EDataFile(SaveError(destination, SystemReason()));
    path_.clear();
  }

 private:
  void Remove() {
    if (!path_.empty()) ::unlink(path_.c_str());
    path_.clear();
  }

  std::string path_;
};

int RecognisedType(const std::string& path) {
  const DataStream stream(path, "rb");
  return stream ? RecogniseDataFile(stream.Get()) : -1;
}

}  // namespace

ZTDataSet::FileIdentity ZTDataSet::IdentityOf(std::FILE* stream) {
  FileIdentity identity;
  struct stat info {};
  if (stream == nullptr || ::fstat(fileno(stream), &info) != 0) return identity;
  identity.Known = true;
  identity.Device = static_cast<std::uint64_t>(info.st_dev);
  identity.Inode = static_cast<std::uint64_t>(info.st_ino);
  identity.Size = static_cast<std::int64_t>(info.st_size);
  identity.ModifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  identity.ModifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return identity;
}

ZTEventRule& ZTDataSet::EventRule() {
  static ZTEventRule rule;
  return rule;
}

void ZTDataSet::Clear() {
  FileName.clear();
  RecCount = 0;
  HitCount = 0;
  FramedCount = 0;
  GroupedCount = 0;
  DeletedCount = 0;
  MarkCount = 0;
  Marks = std::vector<ATestTime>();
  Recs = std::vector<ZTShortHit>();
  Waveforms.Clear();
  PieceTimes = std::vector<TimeSpan>();
  Loaded_ = FileIdentity();
  Locations.Clear();
  ++Version;
}

double ZTDataSet::TimeEndOf(double maxTime) {
  // No time at all (or none that makes sense) still needs an axis.
  if (!(maxTime > 0.0) || !std::isfinite(maxTime)) return 1.0;
  const double p = std::pow(10.0, std::trunc(std::log10(maxTime)));
  return std::trunc((maxTime / p + 0.1) * 10.0) * 0.1 * p;
}

void ZTDataSet::Load(const std::string& name) {
  Clear();
  MaxTime = 0.0;
  TimeEnd = 0.0;
  OpenedDataFile opened = OpenDataFile(name);  // its errors reach the caller
  LoadFrom(*opened.Reader, opened.Type, name);
}

void ZTDataSet::LoadFrom(AWDiskFile& reader, int dataType, const std::string& name) {
  Clear();
  MaxTime = 0.0;
  TimeEnd = 0.0;
  DataType = dataType;
  try {
    FileName = name;
    Loaded_ = IdentityOf(reader.GetStream());
    ReadRecords(reader);
    ++Version;
  } catch (...) {
    // A file that cannot be read completely is not shown in part.
    Clear();
    MaxTime = 0.0;
    TimeEnd = 0.0;
    throw;
  }
}

ZTDataSet::MemorySource& ZTDataSet::AvailableMemory() {
  static MemorySource source = AvailableMemoryBytes;
  return source;
}

void ZTDataSet::ReadRecords(AWDiskFile& reader) {
  std::FILE* stream = reader.GetStream();
  const int count = reader.CountRecs();
  if (stream != nullptr && std::ferror(stream))
    throw EDataFile(LoadError(FileName, "could not be read while its records were counted: " + InputError()));
  if (count < 0) throw EDataFile(LoadError(FileName, "gives a negative number of records"));
  if (count > MaxRecords)
    throw EDataFile(LoadError(
        FileName, "holds more than " + std::to_string(MaxRecords) + " records, more than the viewer can hold"));
  // Waveform records are kept as a place in the file, not as a record.
  const int waveforms = std::clamp(reader.CountedWaveforms(), 0, count);
  const int entries = count - waveforms;
  const std::uint64_t needed = std::uint64_t{sizeof(ZTShortHit)} * static_cast<std::uint64_t>(entries) +
                               std::uint64_t{ZTWaveformIndex::EntryBytes} * static_cast<std::uint64_t>(waveforms);
  if (const std::optional<std::uint64_t> available = AvailableMemory() ? AvailableMemory()() : std::nullopt;
      available && needed > *available)
    throw EDataFile(NoMemoryError(FileName, count, needed, available));
  reader.SeekFirst();
  // The records are placed as they are read, not zeroed first: a large file's records fill
  // hundreds of megabytes, and every first touch of a page costs the kernel a fault. (Huge
  // pages were tried: on a virtual machine the host then backs each 2 MB afresh, several times
  // slower than the small pages it keeps.)
  try {
    Recs.reserve(static_cast<std::size_t>(entries));
    Waveforms.Reserve(static_cast<std::size_t>(waveforms));
  } catch (const std::bad_alloc&) {
    Recs = std::vector<ZTShortHit>();
    Waveforms.Clear();
    throw EDataFile(NoMemoryError(FileName, count, needed, std::nullopt));
  }
  RecCount = entries;

  // A waveform waits for its hit as where it lies and the scale in force there.
  struct WaveformAt {
    std::int64_t Offset = 0;
    std::uint16_t Scale = 0;
  };
  AWaveformLinker<WaveformAt> linker;
  // The records' memory is made writable on another core ahead of the reading.
  APagePrefault prefault(Recs.data(), Recs.capacity() * sizeof(ZTShortHit));
  AWaveformPlace place;
  reader.SkipWaveformSamples(waveforms > 0);
  std::size_t i = 0;
  int read = 0;
  try {
    for (; read < count; ++read) {
      if (!reader.ReadNext()) {
        // The count walked the same records: a read that fails before it is an error of the
        // medium, or the file was changed while it was loaded.
        if (stream != nullptr && std::ferror(stream)) throw EDataFile(InputError());
        throw EDataFile("the file ends before it; it may have been changed while it was being loaded");
      }
      if (waveforms > 0 && reader.IsWaveform() && reader.GetWaveformPlace(place)) {
        const WaveformAt at{place.Offset, Waveforms.ScaleIndex(place.Scale)};
        if (const std::optional<std::uint64_t> hit =
                linker.AddWaveform(AWaveformLinker<WaveformAt>::Key(place.Ticks, place.Channel), at))
          Waveforms.Add(static_cast<std::uint32_t>(*hit), at.Offset, at.Scale);
        continue;
      }
      // More records than counted apart from the waveforms: the file changed under the load.
      if (i >= static_cast<std::size_t>(entries)) break;
      if (i % PieceRecords == 0) prefault.Reached(i * sizeof(ZTShortHit));
      ZTShortHit& rec = Recs.emplace_back();
      reader.GetRec(rec);
      if (rec.Kind == rkHit) {
        ++HitCount;
        if (waveforms > 0) {
          if (const std::optional<WaveformAt> at =
                  linker.AddHit(AWaveformLinker<WaveformAt>::Key(rec.Time.Ticks(), rec.Channel), i))
            Waveforms.Add(static_cast<std::uint32_t>(i), at->Offset, at->Scale);
        }
      } else if (rec.Kind == rkTimeMark) {
        ++MarkCount;
      }
      if (reader.HasTime()) {
        const double t = reader.GetTime();
        if (t > MaxTime) MaxTime = t;
      }
      ++i;
      if (reader.IsEndOfData()) break;
    }
  } catch (const std::bad_alloc&) {
    reader.SkipWaveformSamples(false);
    throw EDataFile(NoMemoryError(FileName, count, needed, std::nullopt));
  } catch (const EZTData&) {
    reader.SkipWaveformSamples(false);
    throw;
  } catch (const std::exception& error) {
    reader.SkipWaveformSamples(false);
    throw EDataFile(LoadError(FileName, "could not be read at record " + std::to_string(read + 1) + " of " +
                                            std::to_string(count) + ": " + error.what()));
  }
  reader.SkipWaveformSamples(false);
  Recs.resize(static_cast<std::size_t>(entries));
  Waveforms.Finish();

  try {
    if (MarkCount > 0) {
      Marks.reserve(MarkCount);
      for (const ZTShortHit& rec : Recs)
        if (rec.Kind == rkTimeMark) Marks.push_back(rec.Time);
    }
  } catch (const std::bad_alloc&) {
    throw EDataFile(
        NoMemoryError(FileName, count, needed + std::uint64_t{sizeof(ATestTime)} * MarkCount, std::nullopt));
  }
  TimeEnd = TimeEndOf(MaxTime);

  MakePieceTimes();
}

void ZTDataSet::MakePieceTimes() {
  PieceTimes.clear();
  try {
    // The seconds as the viewer's drawing reads them.
    PieceTimes.reserve((Recs.size() + PieceRecords - 1) / PieceRecords);
    for (std::size_t first = 0; first < Recs.size(); first += PieceRecords) {
      const std::size_t end = std::min(Recs.size(), first + PieceRecords);
      const double t0 = static_cast<double>(Recs[first].Time.Seconds());
      TimeSpan span{t0, t0};
      for (std::size_t r = first + 1; r < end; ++r) {
        const double t = static_cast<double>(Recs[r].Time.Seconds());
        span.First = std::min(span.First, t);
        span.Last = std::max(span.Last, t);
      }
      PieceTimes.push_back(span);
    }
  } catch (const std::bad_alloc&) {
    PieceTimes.clear();  // the drawing then reads every piece
  }
}

std::optional<ZTWaveform> ZTDataSet::ReadWaveform(std::size_t hit) const {
  if (hit >= Recs.size() || !Recs[hit].IsHit()) return std::nullopt;
  const ZTWaveformIndex::Entry* entry = Waveforms.Find(static_cast<std::uint32_t>(hit));
  if (entry == nullptr) return std::nullopt;
  return Waveforms.Read(FileName, *entry, Recs[hit]);
}

void ZTDataSet::SaveAs(const std::string& destination) const {
  if (FileName.empty()) throw EDataFile("No data file is loaded");
  const DataFormat* format = FindDataFormat(DataType);
  if (format == nullptr || format->MakeWriter == nullptr)
    throw EDataFile("Data of the type \"" + std::string(DataTypeName(DataType)) + "\" cannot be saved");

  DataStream source(FileName, "rb");
  if (!source) throw EDataFile("Cannot open the data file \"" + FileName + "\"");
  // The deleted flags belong to the records of the file as it was loaded.
  if (Loaded_.Known && !(IdentityOf(source.Get()) == Loaded_))
    throw EDataFile("The data file \"" + FileName + "\" has changed since it was loaded; load it again before saving");

  const fs::path target = SaveTarget(destination);
  TemporaryFile temporary(target, destination);
  DataStream out(temporary.Path(), "wb");
  if (!out) throw EDataFile(SaveError(destination, "cannot write a file in its folder"));

  try {
    WriterPair pair = CreateWriterPairOf(DataType, source.Get(), out.Get());
    pair.Reader->SeekFirst();
    pair.Writer->SeekFirst();
    std::size_t i = 0;
    while (pair.Reader->ReadNext()) {
      // A waveform is no record of the data set, and it is always kept.
      if (pair.Reader->IsWaveform() && pair.Reader->IsSampledWaveform()) {
        pair.Writer->Append(*pair.Reader);
        continue;
      }
      // Records beyond the loaded ones could not be deleted by the user; they are kept.
      if (i >= Recs.size() || !Recs[i].IsDeleted()) pair.Writer->Append(*pair.Reader);
      ++i;
    }
    pair.Writer->Finish();
  } catch (const std::exception& error) {
    throw EDataFile(SaveError(destination, error.what()));
  }

  // The new file must be complete on disk before it takes the destination's place.
  const bool written = std::fflush(out.Get()) == 0 && ::fsync(fileno(out.Get())) == 0;
  if (!out.Close() || !written) throw EDataFile(SaveError(destination, MsgWriteError));
  // And it must open again as what it is: the header fields a writer sets, or records that
  // move up when hits are left out, could make it pass another format's test first.
  if (RecognisedType(temporary.Path()) != DataType)
    throw EDataFile(SaveError(destination, "the saved data would not open again as \"" +
                                               std::string(DataTypeName(DataType)) + "\" data, so nothing was saved"));
  temporary.Commit(target, destination);
}

std::uint32_t ZTDataSet::CountFramed() const {
  std::uint32_t n = 0;
  for (const ZTShortHit& rec : Recs)
    if (rec.IsHit() && rec.FrameBits != 0) ++n;
  return n;
}

void ZTDataSet::ClearFrameMarks() {
  for (ZTShortHit& rec : Recs) rec.FrameBits = 0;
  GroupMask = 0;
  FramedCount = 0;
}

void ZTDataSet::MarkFrame(int slot, const ZTFrameCriteria& criteria) {
  if (slot < 0 || slot >= FrameSlots) throw std::out_of_range("frame slot out of range");
  const auto bit = static_cast<std::uint16_t>(1u << slot);
  if (IsLocationCode(criteria.XParam) || IsLocationCode(criteria.YParam)) {
    MarkLocatedFrame(bit, criteria);
    return;
  }

  auto inside = [&criteria](const ZTShortHit& hit) {
    if (criteria.TimeFilter) {
      const double t = hit.GetValue(pcTime);
      if (!(criteria.TimeFrom <= t && t <= criteria.TimeTo)) return false;
    }
    const double x = hit.GetValue(criteria.XParam);
    const double y = hit.GetValue(criteria.YParam);
    if (!(criteria.XFrom <= x && x <= criteria.XTo && criteria.YFrom <= y && y <= criteria.YTo)) return false;
    const int channel = hit.Channel;
    return channel >= 1 && channel <= 128 && criteria.Channels.test(static_cast<std::size_t>(channel - 1));
  };

  FramedCount = 0;
  if (!criteria.EventsView) {
    for (ZTShortHit& hit : Recs) {
      if (!hit.IsHit() || hit.IsFlagged()) continue;
      if (inside(hit)) hit.FrameBits |= bit;
      if (hit.FrameBits != 0) ++FramedCount;
    }
    return;
  }

  // Whole events follow their first hit, whatever their own values and channels.
  ZTEventRule& rule = EventRule();
  rule.ResetMicroseconds(criteria.Mpt, criteria.Lockout);
  bool eventSelected = false;
  try {
    for (ZTShortHit& hit : Recs) {
      if (!hit.IsHit() || hit.IsFlagged()) continue;
      if (rule.EventTest(hit) == 0) {
        eventSelected = inside(hit);
        if (eventSelected) hit.FrameBits |= bit;
      } else if (eventSelected) {
        hit.FrameBits |= bit;
      }
      if (hit.FrameBits != 0) ++FramedCount;
    }
  } catch (const EZTData&) {
    // The hits marked so far stay marked; the counter still covers every framed hit.
    FramedCount = CountFramed();
    throw;
  }
}

void ZTDataSet::MarkLocatedFrame(std::uint16_t bit, const ZTFrameCriteria& criteria) {
  auto value = [&criteria](const ZTShortHit& hit, const ZTLocation& location, int code) {
    return IsLocationCode(code) ? location.Value(code) : hit.GetValue(code);
  };
  auto inside = [&](const ZTShortHit& hit, const ZTLocation& location) {
    if (criteria.TimeFilter) {
      const double t = hit.GetValue(pcTime);
      if (!(criteria.TimeFrom <= t && t <= criteria.TimeTo)) return false;
    }
    const double x = value(hit, location, criteria.XParam);
    const double y = value(hit, location, criteria.YParam);
    if (!(criteria.XFrom <= x && x <= criteria.XTo && criteria.YFrom <= y && y <= criteria.YTo)) return false;
    const int channel = hit.Channel;
    return channel >= 1 && channel <= 128 && criteria.Channels.test(static_cast<std::size_t>(channel - 1));
  };

  // The events are those the locations were worked out for: the event rule over every hit that
  // is not deleted, grouped or not. A grouped hit is still never marked.
  ZTEventRule rule;
  rule.ResetMicroseconds(criteria.Mpt, criteria.Lockout);
  ZTLocations::Cursor locations(Locations);
  bool selected = false;
  for (std::size_t i = 0; i < Recs.size(); ++i) {
    ZTShortHit& hit = Recs[i];
    if (!hit.IsHit() || hit.IsDeleted()) continue;
    int position;
    try {
      position = rule.EventTest(hit);
    } catch (const EZTData&) {
      break;  // the hits out of time order and all after them have no location
    }
    if (position == 0) {
      const ZTLocation* location = locations.At(i);
      selected = location != nullptr && inside(hit, *location);
    }
    if (selected && !hit.IsFlagged()) hit.FrameBits |= bit;
  }
  FramedCount = CountFramed();
}

std::uint32_t ZTDataSet::GroupHits(int mode) {
  std::uint32_t n = 0;
  for (ZTShortHit& hit : Recs) {
    if (!hit.IsHit()) continue;
    // Without a frame nothing is selected, in either mode.
    if (GroupMask != 0) {
      if (mode == gmAnd && hit.FrameBits == GroupMask) hit.SetGrouped(true);
      if (mode == gmOr && hit.FrameBits != 0) hit.SetGrouped(true);
    }
    hit.FrameBits = 0;
    if (hit.IsGrouped()) ++n;
  }
  GroupedCount = n;
  FramedCount = 0;
  return n;
}

void ZTDataSet::ClearGrouped() {
  for (ZTShortHit& rec : Recs) rec.SetGrouped(false);
  GroupedCount = 0;
}

std::uint32_t ZTDataSet::DeleteGrouped() {
  std::uint32_t n = 0;
  for (ZTShortHit& rec : Recs) {
    if (!rec.IsGrouped()) continue;
    rec.SetGrouped(false);
    rec.SetDeleted(true);
    ++n;
  }
  GroupedCount = GroupedCount > n ? GroupedCount - n : 0;
  DeletedCount += n;
  if (n > 0) DeletedFlagsChanged();
  return n;
}

void ZTDataSet::DeletedFlagsChanged() {
  if (Version != flagsVersion_) recordsVersion_ = Version;
  flagsVersion_ = ++Version;
}

void ZTDataSet::UndeleteAll() {
  for (ZTShortHit& hit : Recs) {
    if (!hit.IsHit()) continue;
    hit.FrameBits = 0;
    hit.SetDeleted(false);
  }
  DeletedCount = 0;
  FramedCount = 0;
  DeletedFlagsChanged();
}

std::uint32_t ZTDataSet::InvertGrouped() {
  std::uint32_t grouped = 0;
  std::uint32_t notGrouped = 0;
  for (ZTShortHit& hit : Recs) {
    if (!hit.IsHit()) continue;
    hit.FrameBits = 0;
    if (!hit.IsDeleted()) hit.SetGrouped(!hit.IsGrouped());
    if (hit.IsGrouped()) ++grouped;
    else ++notGrouped;
  }
  FramedCount = 0;
  GroupedCount = grouped;
  return notGrouped;
}

std::uint32_t ZTDataSet::InvertDeleted() {
  std::uint32_t wasDeleted = 0;
  std::uint32_t deleted = 0;
  for (ZTShortHit& hit : Recs) {
    if (!hit.IsHit()) continue;
    hit.FrameBits = 0;
    hit.SetGrouped(false);
    if (hit.IsDeleted()) ++wasDeleted;
    hit.SetDeleted(!hit.IsDeleted());
    if (hit.IsDeleted()) ++deleted;
  }
  FramedCount = 0;
  GroupedCount = 0;
  DeletedCount = deleted;
  DeletedFlagsChanged();
  return wasDeleted;
}

}  // namespace ae
