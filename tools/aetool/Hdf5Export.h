#pragma once
// "aetool export --format hdf5": the rows of the CSV export as one HDF5 table, a compound
// dataset "/records" with one typed field per CSV column, chunked and compressed, with the unit
// of every column as its attribute, and the source file name, data type and record count as
// attributes of the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <string>

#include "tools/aetool/RecordExport.h"
#include "tools/aetool/WaveformTable.h"

namespace ae {

// One row as stored: the CSV columns, packed, in their order.
#pragma pack(push, 1)
struct Hdf5Row {
  std::int64_t Index;
  std::int8_t Kind;
  double TimeSeconds;
  std::uint8_t Channel;
  std::uint16_t Rise;
  std::uint16_t Counts;
  std::uint16_t Energy;
  std::uint32_t Duration;
  std::uint8_t Amplitude;
  float Parametric;
};
#pragma pack(pop)

inline constexpr const char* Hdf5DatasetName = "records";
// Attributes of the file's root group.
inline constexpr const char* Hdf5SourceAttribute = "source_file";
inline constexpr const char* Hdf5DataTypeAttribute = "data_type";
inline constexpr const char* Hdf5RecordCountAttribute = "record_count";

// The columns of Hdf5Row, in their order: the CSV column names.
inline constexpr std::size_t Hdf5ColumnCount = 10;
inline constexpr std::array<const char*, Hdf5ColumnCount> Hdf5ColumnNames = {
    "index", "kind", "time_s", "channel", "rise", "counts", "energy", "duration", "amplitude", "parametric"};

// The attribute of the dataset that gives each column its unit: a compound of one string per
// column, named as the column. Counts, numbers and raw instrument values have the unit "".
inline constexpr const char* Hdf5UnitAttribute = "unit";
// The units of the columns of a file of the data type, in the order of the row: "s" for the
// time, "us" for rise time and duration, "dB" for the amplitude; the energy in "dB" for A-Line
// PCI files, which convert it, otherwise the instrument's own units (""); the parametric value
// in volts ("V") for Spartan 3000 files, otherwise raw counts ("").
std::array<const char*, Hdf5ColumnCount> Hdf5ColumnUnits(int dataType);

// Writes the attribute "unit" of a dataset: a compound of one fixed-length string per column,
// named as the column. False when the library fails.
bool WriteHdf5Units(std::int64_t dataset, std::size_t columns, const char* const* names, const char* const* units);

// The compound type of Hdf5Row with the CSV column names; the caller closes it (H5Tclose).
std::int64_t MakeHdf5RowType();

// Writes the file at the path (truncating it); every failure raises EDataFile "Cannot write
// NAME" with the output's name. The file is complete only after End. The chunks are filtered
// here, not by the library: the rows go straight into the byte planes of the shuffle filter,
// and deflate runs with its run-length strategy, which on those planes is several times as
// fast as the library's deflate and still a standard deflate stream any reader inflates. Full
// chunks are compressed on threads of their own, up to ChunkSlots - 1 at a time, while the next
// one fills; the library itself is only called from the writer's thread, in the chunks' order.
class Hdf5RecordWriter : public RecordSink {
 public:
  Hdf5RecordWriter(const std::string& path, std::string outputName);
  ~Hdf5RecordWriter() override;
  Hdf5RecordWriter(const Hdf5RecordWriter&) = delete;
  Hdf5RecordWriter& operator=(const Hdf5RecordWriter&) = delete;

  void Begin(const ExportSource& source) override;
  void Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) override;
  // Before the file is closed, the waveforms of a file that holds any (Hdf5Waveforms.h).
  void End() override;
  WaveformTable* Waveforms() override { return &waveforms_; }

  static constexpr std::size_t ChunkRows = 1 << 16;
  static constexpr std::size_t ChunkSlots = 3;

 private:
  struct Chunk;

  // Starts compressing the chunk being filled and moves on to the next slot, writing what that
  // slot held first.
  void Dispatch();
  // Waits for the compression of the slot's chunk, if any, and writes it.
  void Finish(std::size_t slot);
  void Write(Chunk& chunk);
  [[noreturn]] void Fail() const;
  void CloseAll();

  std::string outputName_;
  std::string sourceFile_;
  WaveformTable waveforms_;
  std::int64_t file_ = -1;
  std::int64_t dataset_ = -1;
  std::int64_t rowType_ = -1;
  std::size_t chunkRows_ = 0;
  std::unique_ptr<Chunk> chunks_[ChunkSlots];
  std::future<bool> pending_[ChunkSlots];  // the compression of each slot's chunk
  std::size_t current_ = 0;                // the slot being filled; the next one holds the oldest chunk
  std::int64_t written_ = 0;               // rows in the dataset
  std::int64_t rows_ = 0;
};

}  // namespace ae
