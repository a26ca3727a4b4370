#pragma once
// The viewer's loaded data file: one ZTShortHit per record of the file, in file order, with
// the selection state of every hit in the record itself, the counters the status bar shows,
// the times of the time marks and a default end of the time axis. The viewer works on this copy
// only and writes the records that are not deleted into a new file of the same format.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/ATestTime.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTEventRule.h"
#include "datafiles/ZTFrameCriteria.h"
#include "datafiles/ZTLocations.h"
#include "datafiles/ZTShortHit.h"
#include "datafiles/ZTWaveformIndex.h"

namespace ae {

class AWDiskFile;

// The viewer holds one record per record of files with millions of hits.
static_assert(sizeof(ZTShortHit) == 48, "ZTShortHit must stay 48 bytes");

class ZTDataSet {
 public:
  static constexpr int FrameSlots = 8;
  enum : int { gmAnd = 0, gmOr = 1 };  // grouping modes

  int DataType = -1;
  std::string FileName;  // empty when nothing is loaded
  int RecCount = 0;      // entries of Recs: the records CountRecs counts, less the waveforms (below)
  std::uint32_t HitCount = 0;
  std::uint32_t EventCount = 0;  // kept by the graphs' drawing passes in event view
  std::uint32_t FramedCount = 0;
  std::uint32_t GroupedCount = 0;
  std::uint32_t DeletedCount = 0;
  std::uint32_t MarkCount = 0;
  double MaxTime = 0.0;  // seconds, greatest time of the timed records
  double TimeEnd = 0.0;  // seconds, default end of the time axis
  std::vector<ATestTime> Marks;
  std::vector<ZTShortHit> Recs;
  // Where the waveforms of the hits lie in the file. The waveform records themselves (DTA
  // message 173 with samples) have no entry in Recs: a file of a million waveforms takes 12
  // bytes per waveform more than the same hits without them. Every other record has its entry.
  ZTWaveformIndex Waveforms;
  // Bit i set when frame slot i was occupied at the last grouping; one for the program, as the
  // program has one data set.
  std::uint8_t GroupMask = 0;
  // The located events of the hits that are not deleted; the viewer works them out (only a
  // location setup gives any) and keeps them up to date with Version.
  ZTLocations Locations;

  // Grows whenever the records or their deleted flags change (a load, a delete, an undelete):
  // what the viewer keeps drawn from them stands only while it stays.
  std::uint64_t Version = 0;
  // What the records are apart from their deleted flags: the same number for two states between
  // which only deletes, undeletes and inversions of the deleted flags happened (any other growth
  // of Version gives a new one). With no hit deleted in either state, both are the very same.
  std::uint64_t RecordsIdentity() const { return Version == flagsVersion_ ? recordsVersion_ : Version; }
  // The least and greatest seconds of the records of each piece of PieceRecords records, from
  // the first record on, made by a load (empty when the data set was filled otherwise): the
  // viewer's drawing passes over a piece that lies wholly outside its time window. A piece is
  // small enough to stay in the cache while every graph of a page draws it.
  static constexpr std::size_t PieceRecords = 4096;
  struct TimeSpan {
    double First = 0.0;
    double Last = 0.0;
  };
  std::vector<TimeSpan> PieceTimes;
  // Works PieceTimes out of the records (a load does it).
  void MakePieceTimes();
  // Whether no record of the piece that starts at record `first` has its seconds in from..to;
  // false while PieceTimes are not known for these records.
  bool PieceOutsideTimes(std::size_t first, double from, double to) const {
    if (PieceTimes.size() != (Recs.size() + PieceRecords - 1) / PieceRecords) return false;
    const TimeSpan& span = PieceTimes[first / PieceRecords];
    return span.Last < from || span.First > to;
  }

  // The most records a data set holds.
  static constexpr int MaxRecords = INT32_MAX - 1;

  // Replaces the contents with the file. Every error is raised with the data set left empty:
  // open and recognition errors (EDataFile "Data file doesn't exist", "Unknown data type.."),
  // a file of more records than a data set holds or than the memory available can take (with
  // the record count and the memory needed; checked before anything is allocated), and a read
  // error (with the record where it happened). The texts are whole sentences for the user.
  void Load(const std::string& name);
  // What Load does once the file is open: resets the data set and reads every record of the
  // reader (a reader fresh from OpenDataFile, of the given type), with the errors of Load.
  void LoadFrom(AWDiskFile& reader, int dataType, const std::string& name);

  // Where a load learns how much memory it may still take (AvailableMemoryBytes unless a test
  // sets another); nothing means unknown, and then only a failed allocation stops a load.
  using MemorySource = std::function<std::optional<std::uint64_t>()>;
  static MemorySource& AvailableMemory();
  // The waveform of the hit with that index in Recs, read from the file: nothing when the hit
  // has none; EDataFile when the file cannot be read there any more.
  std::optional<ZTWaveform> ReadWaveform(std::size_t hit) const;

  // Writes every record that is not a deleted hit into a new file of the loaded format. The
  // file is written beside the destination under a temporary name and renamed over it only
  // when complete, so an error (raised as EDataFile) leaves the destination and the loaded
  // file as they were. Refused when the loaded file has changed on disk since it was loaded
  // (also by an earlier save onto it): the deleted flags would hit the wrong records. Refused
  // as well, leaving the destination as it was, when the written file would not be recognised
  // again as the loaded format.
  void SaveAs(const std::string& destination) const;
  // Empties the data set; EventCount, MaxTime and TimeEnd keep their values.
  void Clear();

  // The default end of the time axis for a greatest time: the next tenth of its decade above
  // it (347 gives 350, 0.05 gives 0.06); 1 second when there is no time.
  static double TimeEndOf(double maxTime);

  // Selection operations. Only hits take part; other records keep their bits clear.
  void ClearFrameMarks();
  // Sets frame bit `slot` (0..7) of the unflagged hits the criteria select and recounts the
  // framed hits. In event view a time-order error stops the marking and is raised, the hits
  // marked so far staying marked. A frame on a location (either parameter a location code)
  // selects whole events, in any view: those whose first hit has a location inside it, with
  // every other hit the event rule puts into them, grouped by the criteria's windows over the
  // hits that are not deleted, as the locations were.
  void MarkFrame(int slot, const ZTFrameCriteria& criteria);
  // Groups the hits by their frame bits against GroupMask (gmAnd: in every frame of the mask,
  // gmOr: in any), clears all frame bits and returns the number of grouped hits.
  std::uint32_t GroupHits(int mode);
  void ClearGrouped();
  std::uint32_t DeleteGrouped();
  void UndeleteAll();
  std::uint32_t InvertGrouped();
  std::uint32_t InvertDeleted();

  // The value of a parameter of record `rec` (an index into Recs): the record's own, or for a
  // location code the location of the event whose first hit it is; nothing for a record without
  // a location.
  std::optional<double> ValueOf(std::size_t rec, int code) const {
    if (!IsLocationCode(code)) return Recs[rec].GetValue(code);
    if (const ZTLocation* location = Locations.Find(rec)) return location->Value(code);
    return std::nullopt;
  }

  // The program's event rule and the test of one record by it.
  static ZTEventRule& EventRule();
  static int EventTest(const ZTRec& rec, ATestTime* distance = nullptr) { return EventRule().EventTest(rec, distance); }

 private:
  // A change of the deleted flags alone: Version grows, the records' identity stays.
  void DeletedFlagsChanged();
  std::uint64_t recordsVersion_ = 0;  // the Version before the first of the latest run of flag changes
  std::uint64_t flagsVersion_ = 0;    // the Version that the latest flag change gave
  // What identifies the loaded file on disk, so that a save never applies the deleted flags
  // to the records of another file that has since taken its place (a save onto the loaded
  // file itself, or a change by another program).
  struct FileIdentity {
    bool Known = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
  };
  static FileIdentity IdentityOf(std::FILE* stream);

  void ReadRecords(AWDiskFile& reader);
  std::uint32_t CountFramed() const;
  void MarkLocatedFrame(std::uint16_t bit, const ZTFrameCriteria& criteria);

  FileIdentity Loaded_;
};

}  // namespace ae
