#include "tools/aetool/Hdf5Export.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

#include <hdf5.h>

#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Hdf5Waveforms.h"

namespace ae {

static_assert(std::is_same_v<hid_t, std::int64_t>, "the header keeps HDF5 identifiers as int64_t");
static_assert(sizeof(Hdf5Row) == 33, "Hdf5Row is packed");

namespace {

constexpr unsigned DeflateLevel = 1;

// Rows go into the byte planes a small group at a time, a plane after another: the group's
// records stay in the first-level cache while all planes are written.
constexpr std::size_t GroupRows = 256;

// How one byte plane of a chunk is best deflated for its cost, judged from a sample: runs (the
// high bytes of small numbers) by their lengths; a plane that repeats every 256 rows (the low
// byte of the index) by matches; bytes with little pattern (the low bytes of the times and of
// the larger values) are stored as they are, since coding them would cost much and gain little;
// the rest by their frequencies.
enum class PlaneCoding { Runs, Matches, Stored };

PlaneCoding CodingOf(const unsigned char* bytes, std::size_t size) {
  constexpr std::size_t Step = 7;
  if (size < 4096) return PlaneCoding::Runs;
  unsigned counts[256] = {};
  std::size_t n = 0, periodic = 0;
  for (std::size_t i = 256; i < size; i += Step, ++n) {
    ++counts[bytes[i]];
    periodic += bytes[i] == bytes[i - 256];
  }
  if (periodic * 10 > n * 9) return PlaneCoding::Matches;
  double entropy = 0;
  for (const unsigned count : counts) {
    if (count == 0) continue;
    const double p = static_cast<double>(count) / static_cast<double>(n);
    entropy -= p * std::log2(p);
  }
  return entropy > 1.0 ? PlaneCoding::Stored : PlaneCoding::Runs;
}

// Byte b of every value, into the plane of that byte; `value(g)` is the value of row g.
template <class Value>
void PutPlanes(unsigned char* planes, std::size_t planeSize, std::size_t offset, std::size_t width, std::size_t n,
               Value&& value) {
  for (std::size_t b = 0; b < width; ++b) {
    unsigned char* out = planes + (offset + b) * planeSize;
    for (std::size_t g = 0; g < n; ++g) out[g] = static_cast<unsigned char>(value(g) >> (8 * b));
  }
}

template <class Float, class Bits>
Bits BitsOf(Float value) {
  static_assert(sizeof(Float) == sizeof(Bits));
  Bits bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The library's own error printing would put its call stack on stderr; a failure is reported
// once, by the exception.
void SilenceLibraryErrors() {
  static const bool silenced = [] {
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
    return true;
  }();
  (void)silenced;
}

bool WriteStringAttribute(hid_t object, const char* name, const std::string& value) {
  const hid_t type = H5Tcopy(H5T_C_S1);
  if (type < 0) return false;
  bool ok = H5Tset_size(type, H5T_VARIABLE) >= 0 && H5Tset_cset(type, H5T_CSET_UTF8) >= 0;
  const hid_t space = H5Screate(H5S_SCALAR);
  const hid_t attribute = ok && space >= 0 ? H5Acreate2(object, name, type, space, H5P_DEFAULT, H5P_DEFAULT) : -1;
  const char* text = value.c_str();
  ok = attribute >= 0 && H5Awrite(attribute, type, &text) >= 0;
  if (attribute >= 0) ok = H5Aclose(attribute) >= 0 && ok;
  if (space >= 0) H5Sclose(space);
  H5Tclose(type);
  return ok;
}

bool WriteCountAttribute(hid_t object, const char* name, std::int64_t value) {
  const hid_t space = H5Screate(H5S_SCALAR);
  if (space < 0) return false;
  const hid_t attribute = H5Acreate2(object, name, H5T_STD_I64LE, space, H5P_DEFAULT, H5P_DEFAULT);
  bool ok = attribute >= 0 && H5Awrite(attribute, H5T_NATIVE_INT64, &value) >= 0;
  if (attribute >= 0) ok = H5Aclose(attribute) >= 0 && ok;
  H5Sclose(space);
  return ok;
}

// Fixed-length strings, padded with zeros: they read as plain byte strings everywhere.
constexpr std::size_t UnitSize = 8;

}  // namespace

bool WriteHdf5Units(std::int64_t dataset, std::size_t columns, const char* const* names, const char* const* units) {
  const hid_t text = H5Tcopy(H5T_C_S1);
  if (text < 0) return false;
  bool ok = H5Tset_size(text, UnitSize) >= 0 && H5Tset_strpad(text, H5T_STR_NULLPAD) >= 0;
  const hid_t type = ok ? H5Tcreate(H5T_COMPOUND, UnitSize * columns) : -1;
  ok = type >= 0;
  std::vector<char> values(UnitSize * columns, 0);
  for (std::size_t i = 0; ok && i < columns; ++i) {
    ok = H5Tinsert(type, names[i], i * UnitSize, text) >= 0;
    std::memcpy(values.data() + i * UnitSize, units[i], std::min(std::strlen(units[i]), UnitSize));
  }
  const hid_t space = ok ? H5Screate(H5S_SCALAR) : -1;
  const hid_t attribute =
      space >= 0 ? H5Acreate2(dataset, Hdf5UnitAttribute, type, space, H5P_DEFAULT, H5P_DEFAULT) : -1;
  ok = attribute >= 0 && H5Awrite(attribute, type, values.data()) >= 0;
  if (attribute >= 0) ok = H5Aclose(attribute) >= 0 && ok;
  if (space >= 0) H5Sclose(space);
  if (type >= 0) H5Tclose(type);
  H5Tclose(text);
  return ok;
}

namespace {

bool WriteUnitAttribute(hid_t dataset, const std::array<const char*, Hdf5ColumnCount>& units) {
  return WriteHdf5Units(dataset, Hdf5ColumnCount, Hdf5ColumnNames.data(), units.data());
}

}  // namespace

std::array<const char*, Hdf5ColumnCount> Hdf5ColumnUnits(int dataType) {
  const char* energy = dataType == ftAlinePCI ? "dB" : "";
  const char* parametric = dataType == ftSpartan3000 ? "V" : "";
  return {"", "", "s", "", "us", "", energy, "us", "dB", parametric};
}

std::int64_t MakeHdf5RowType() {
  const hid_t type = H5Tcreate(H5T_COMPOUND, sizeof(Hdf5Row));
  if (type < 0) return -1;
  // Little-endian fields at the offsets of the packed row, so that rows are stored as they
  // lie in memory, without conversion.
  const auto& name = Hdf5ColumnNames;
  const bool ok = H5Tinsert(type, name[0], offsetof(Hdf5Row, Index), H5T_STD_I64LE) >= 0 &&
                  H5Tinsert(type, name[1], offsetof(Hdf5Row, Kind), H5T_STD_I8LE) >= 0 &&
                  H5Tinsert(type, name[2], offsetof(Hdf5Row, TimeSeconds), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, name[3], offsetof(Hdf5Row, Channel), H5T_STD_U8LE) >= 0 &&
                  H5Tinsert(type, name[4], offsetof(Hdf5Row, Rise), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, name[5], offsetof(Hdf5Row, Counts), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, name[6], offsetof(Hdf5Row, Energy), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, name[7], offsetof(Hdf5Row, Duration), H5T_STD_U32LE) >= 0 &&
                  H5Tinsert(type, name[8], offsetof(Hdf5Row, Amplitude), H5T_STD_U8LE) >= 0 &&
                  H5Tinsert(type, name[9], offsetof(Hdf5Row, Parametric), H5T_IEEE_F32LE) >= 0;
  if (!ok) {
    H5Tclose(type);
    return -1;
  }
  return type;
}

// One chunk: its rows as byte planes (byte j of row i at j * rows + i), and the deflate stream
// of them. Compressing calls no HDF5 function, so it may run on another thread.
struct Hdf5RecordWriter::Chunk {
  // Not cleared when made: every byte is written before it is read, and clearing megabytes
  // costs page faults for nothing.
  std::unique_ptr<unsigned char[]> Planes;
  std::unique_ptr<unsigned char[]> Compressed;
  std::size_t PlanesSize = 0;
  std::size_t CompressedCapacity = 0;
  z_stream Stream{};
  bool Ready = false;
  std::size_t Rows = 0;  // rows filled
  std::size_t Size = 0;  // compressed bytes

  Chunk() { Ready = deflateInit2(&Stream, static_cast<int>(DeflateLevel), Z_DEFLATED, 15, 8, Z_RLE) == Z_OK; }
  ~Chunk() {
    if (Ready) deflateEnd(&Stream);
  }
  Chunk(const Chunk&) = delete;
  Chunk& operator=(const Chunk&) = delete;

  void Allocate(std::size_t chunkRows) {
    PlanesSize = chunkRows * sizeof(Hdf5Row);
    Planes.reset(new unsigned char[PlanesSize]);
    CompressedCapacity = deflateBound(&Stream, PlanesSize);
    Compressed.reset(new unsigned char[CompressedCapacity]);
  }

  bool Compress(std::size_t chunkRows) {
    // The last chunk is stored whole, as every chunk is; the rows beyond the table are zero.
    if (Rows < chunkRows) {
      for (std::size_t plane = 0; plane < sizeof(Hdf5Row); ++plane)
        std::memset(Planes.get() + plane * chunkRows + Rows, 0, chunkRows - Rows);
    }
    if (deflateReset(&Stream) != Z_OK) return false;
    Stream.next_out = Compressed.get();
    Stream.avail_out = static_cast<uInt>(CompressedCapacity);
    PlaneCoding coding = PlaneCoding::Runs;  // as the stream was set up
    for (std::size_t plane = 0; plane < sizeof(Hdf5Row); ++plane) {
      unsigned char* bytes = Planes.get() + plane * chunkRows;
      const PlaneCoding wanted = CodingOf(bytes, chunkRows);
      if (wanted != coding) {
        const int level = wanted == PlaneCoding::Stored ? 0 : static_cast<int>(DeflateLevel);
        if (deflateParams(&Stream, level, wanted == PlaneCoding::Runs ? Z_RLE : Z_DEFAULT_STRATEGY) != Z_OK)
          return false;
        coding = wanted;
      }
      Stream.next_in = bytes;
      Stream.avail_in = static_cast<uInt>(chunkRows);
      const bool last = plane + 1 == sizeof(Hdf5Row);
      const int result = deflate(&Stream, last ? Z_FINISH : Z_NO_FLUSH);
      if (last ? result != Z_STREAM_END : result != Z_OK || Stream.avail_in != 0) return false;
    }
    Size = Stream.total_out;
    return true;
  }
};

Hdf5RecordWriter::Hdf5RecordWriter(const std::string& path, std::string outputName)
    : outputName_(std::move(outputName)) {
  SilenceLibraryErrors();
  file_ = H5Fcreate(path.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT);
  if (file_ < 0) Fail();
  rowType_ = MakeHdf5RowType();
  if (rowType_ < 0) Fail();
  for (auto& chunk : chunks_) {
    chunk = std::make_unique<Chunk>();
    if (!chunk->Ready) Fail();
  }
}

Hdf5RecordWriter::~Hdf5RecordWriter() {
  for (std::future<bool>& pending : pending_)
    if (pending.valid()) pending.wait();  // before its chunk goes
  CloseAll();
}

void Hdf5RecordWriter::CloseAll() {
  if (dataset_ >= 0) H5Dclose(dataset_);
  if (rowType_ >= 0) H5Tclose(rowType_);
  if (file_ >= 0) H5Fclose(file_);
  dataset_ = rowType_ = file_ = -1;
}

void Hdf5RecordWriter::Fail() const { throw EDataFile("Cannot write " + outputName_); }

void Hdf5RecordWriter::Begin(const ExportSource& source) {
  rows_ = source.Rows;
  sourceFile_ = source.FileName;
  const hsize_t dims[1] = {static_cast<hsize_t>(rows_)};
  const hsize_t chunk[1] = {std::clamp<hsize_t>(dims[0], 1, ChunkRows)};
  // Unlimited, so that a table of no rows can have chunks too.
  const hsize_t maxDims[1] = {H5S_UNLIMITED};
  const hid_t space = H5Screate_simple(1, dims, maxDims);
  const hid_t properties = H5Pcreate(H5P_DATASET_CREATE);
  bool ok = space >= 0 && properties >= 0 && H5Pset_chunk(properties, 1, chunk) >= 0 &&
            H5Pset_shuffle(properties) >= 0 && H5Pset_deflate(properties, DeflateLevel) >= 0;
  if (ok) {
    dataset_ = H5Dcreate2(file_, Hdf5DatasetName, rowType_, space, H5P_DEFAULT, properties, H5P_DEFAULT);
    ok = dataset_ >= 0;
  }
  if (properties >= 0) H5Pclose(properties);
  if (space >= 0) H5Sclose(space);
  ok = ok && WriteUnitAttribute(dataset_, Hdf5ColumnUnits(source.DataType)) &&
       WriteStringAttribute(file_, Hdf5SourceAttribute, source.FileName) &&
       WriteStringAttribute(file_, Hdf5DataTypeAttribute, std::string(DataTypeName(source.DataType))) &&
       WriteCountAttribute(file_, Hdf5RecordCountAttribute, rows_);
  if (!ok) Fail();
  chunkRows_ = chunk[0];
  for (auto& c : chunks_) c->Allocate(chunkRows_);
}

void Hdf5RecordWriter::Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) {
  std::uint64_t timeBits[GroupRows];
  std::size_t k = 0;
  while (k < count) {
    Chunk& chunk = *chunks_[current_];
    const std::size_t n = std::min({count - k, GroupRows, chunkRows_ - chunk.Rows});
    const ZTShortHit* group = recs + k;
    // The time as the nearest double to the exact ticks / 4000000 (a 48-bit count converts
    // exactly, and one division rounds once).
    for (std::size_t g = 0; g < n; ++g)
      timeBits[g] = BitsOf<double, std::uint64_t>(static_cast<double>(group[g].Time.Ticks()) / 4000000.0);
    unsigned char* const planes = chunk.Planes.get() + chunk.Rows;
    const std::size_t size = chunkRows_;
    const auto start = static_cast<std::uint64_t>(first + static_cast<std::int64_t>(k));
    PutPlanes(planes, size, offsetof(Hdf5Row, Index), 8, n, [start](std::size_t g) { return start + g; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Kind), 1, n,
              [group](std::size_t g) { return static_cast<std::uint8_t>(static_cast<std::int8_t>(group[g].Kind)); });
    PutPlanes(planes, size, offsetof(Hdf5Row, TimeSeconds), 8, n, [&timeBits](std::size_t g) { return timeBits[g]; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Channel), 1, n, [group](std::size_t g) { return group[g].Channel; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Rise), 2, n, [group](std::size_t g) { return group[g].Rise; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Counts), 2, n, [group](std::size_t g) { return group[g].Counts; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Energy), 2, n, [group](std::size_t g) { return group[g].Energy; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Duration), 4, n, [group](std::size_t g) { return group[g].Duration; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Amplitude), 1, n, [group](std::size_t g) { return group[g].Amplitude; });
    PutPlanes(planes, size, offsetof(Hdf5Row, Parametric), 4, n,
              [group](std::size_t g) { return BitsOf<float, std::uint32_t>(group[g].Parametric); });
    chunk.Rows += n;
    k += n;
    if (chunk.Rows == chunkRows_) Dispatch();
  }
}

void Hdf5RecordWriter::Dispatch() {
  Chunk* chunk = chunks_[current_].get();
  const std::size_t rows = chunkRows_;
  pending_[current_] = std::async(std::launch::async, [chunk, rows] { return chunk->Compress(rows); });
  current_ = (current_ + 1) % ChunkSlots;
  Finish(current_);
}

void Hdf5RecordWriter::Finish(std::size_t slot) {
  if (!pending_[slot].valid()) return;
  if (!pending_[slot].get()) Fail();
  Write(*chunks_[slot]);
}

void Hdf5RecordWriter::Write(Chunk& chunk) {
  if (chunk.Rows == 0) return;
  if (written_ + static_cast<std::int64_t>(chunk.Rows) > rows_) Fail();
  const hsize_t offset[1] = {static_cast<hsize_t>(written_)};
  // Filter mask 0: both filters of the dataset were applied.
  if (H5Dwrite_chunk(dataset_, H5P_DEFAULT, 0, offset, chunk.Size, chunk.Compressed.get()) < 0) Fail();
  written_ += static_cast<std::int64_t>(chunk.Rows);
  chunk.Rows = 0;
}

void Hdf5RecordWriter::End() {
  if (chunks_[current_]->Rows > 0) Dispatch();
  // The oldest chunk first.
  for (std::size_t i = 0; i < ChunkSlots; ++i) Finish((current_ + i) % ChunkSlots);
  if (written_ != rows_) Fail();
  if (!waveforms_.Empty() && !WriteHdf5Waveforms(file_, waveforms_, sourceFile_)) Fail();
  // Flushing and closing write what the library still holds; only then is the file complete.
  const bool ok = H5Fflush(file_, H5F_SCOPE_GLOBAL) >= 0 && H5Dclose(dataset_) >= 0;
  dataset_ = -1;
  const bool typeClosed = H5Tclose(rowType_) >= 0;
  rowType_ = -1;
  const bool fileClosed = H5Fclose(file_) >= 0;
  file_ = -1;
  if (!ok || !typeClosed || !fileClosed) Fail();
}

}  // namespace ae
