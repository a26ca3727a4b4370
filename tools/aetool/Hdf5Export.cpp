#include "tools/aetool/Hdf5Export.h"

#include <algorithm>
#include <type_traits>

#include <hdf5.h>

#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"

namespace ae {

static_assert(std::is_same_v<hid_t, std::int64_t>, "the header keeps HDF5 identifiers as int64_t");
static_assert(sizeof(Hdf5Row) == 33, "Hdf5Row is packed");

namespace {

// Fast enough to keep up with the reading, and still shrinks the table several times.
constexpr unsigned DeflateLevel = 1;

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

}  // namespace

std::int64_t MakeHdf5RowType() {
  const hid_t type = H5Tcreate(H5T_COMPOUND, sizeof(Hdf5Row));
  if (type < 0) return -1;
  // Little-endian fields at the offsets of the packed row, so that rows are stored as they
  // lie in memory, without conversion.
  const bool ok = H5Tinsert(type, "index", offsetof(Hdf5Row, Index), H5T_STD_I64LE) >= 0 &&
                  H5Tinsert(type, "kind", offsetof(Hdf5Row, Kind), H5T_STD_I8LE) >= 0 &&
                  H5Tinsert(type, "time_s", offsetof(Hdf5Row, TimeSeconds), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, "channel", offsetof(Hdf5Row, Channel), H5T_STD_U8LE) >= 0 &&
                  H5Tinsert(type, "rise", offsetof(Hdf5Row, Rise), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, "counts", offsetof(Hdf5Row, Counts), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, "energy", offsetof(Hdf5Row, Energy), H5T_STD_U16LE) >= 0 &&
                  H5Tinsert(type, "duration", offsetof(Hdf5Row, Duration), H5T_STD_U32LE) >= 0 &&
                  H5Tinsert(type, "amplitude", offsetof(Hdf5Row, Amplitude), H5T_STD_U8LE) >= 0 &&
                  H5Tinsert(type, "parametric", offsetof(Hdf5Row, Parametric), H5T_IEEE_F32LE) >= 0;
  if (!ok) {
    H5Tclose(type);
    return -1;
  }
  return type;
}

Hdf5RecordWriter::Hdf5RecordWriter(const std::string& path, std::string outputName)
    : outputName_(std::move(outputName)) {
  SilenceLibraryErrors();
  file_ = H5Fcreate(path.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT);
  if (file_ < 0) Fail();
  rowType_ = MakeHdf5RowType();
  if (rowType_ < 0) Fail();
}

Hdf5RecordWriter::~Hdf5RecordWriter() { CloseAll(); }

void Hdf5RecordWriter::CloseAll() {
  if (dataset_ >= 0) H5Dclose(dataset_);
  if (rowType_ >= 0) H5Tclose(rowType_);
  if (file_ >= 0) H5Fclose(file_);
  dataset_ = rowType_ = file_ = -1;
}

void Hdf5RecordWriter::Fail() const { throw EDataFile("Cannot write " + outputName_); }

void Hdf5RecordWriter::Begin(const ExportSource& source) {
  rows_ = source.Rows;
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
  ok = ok && WriteStringAttribute(file_, Hdf5SourceAttribute, source.FileName) &&
       WriteStringAttribute(file_, Hdf5DataTypeAttribute, std::string(DataTypeName(source.DataType))) &&
       WriteCountAttribute(file_, Hdf5RecordCountAttribute, rows_);
  if (!ok) Fail();
  chunk_.reserve(chunk[0]);
}

void Hdf5RecordWriter::Rows(std::int64_t first, const ZTShortHit* recs, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) {
    const ZTShortHit& rec = recs[k];
    Hdf5Row row;
    row.Index = first + static_cast<std::int64_t>(k);
    row.Kind = static_cast<std::int8_t>(rec.Kind);
    row.TimeSeconds = static_cast<double>(rec.Time.Seconds());
    row.Channel = rec.Channel;
    row.Rise = rec.Rise;
    row.Counts = rec.Counts;
    row.Energy = rec.Energy;
    row.Duration = rec.Duration;
    row.Amplitude = rec.Amplitude;
    row.Parametric = rec.Parametric;
    chunk_.push_back(row);
    if (chunk_.size() == chunk_.capacity()) WriteChunk();
  }
}

void Hdf5RecordWriter::WriteChunk() {
  if (chunk_.empty()) return;
  const hsize_t start[1] = {static_cast<hsize_t>(written_)};
  const hsize_t count[1] = {chunk_.size()};
  if (written_ + static_cast<std::int64_t>(chunk_.size()) > rows_) Fail();
  const hid_t fileSpace = H5Dget_space(dataset_);
  const hid_t memorySpace = H5Screate_simple(1, count, nullptr);
  bool ok = fileSpace >= 0 && memorySpace >= 0 &&
            H5Sselect_hyperslab(fileSpace, H5S_SELECT_SET, start, nullptr, count, nullptr) >= 0 &&
            H5Dwrite(dataset_, rowType_, memorySpace, fileSpace, H5P_DEFAULT, chunk_.data()) >= 0;
  if (memorySpace >= 0) H5Sclose(memorySpace);
  if (fileSpace >= 0) H5Sclose(fileSpace);
  if (!ok) Fail();
  written_ += static_cast<std::int64_t>(chunk_.size());
  chunk_.clear();
}

void Hdf5RecordWriter::End() {
  WriteChunk();
  if (written_ != rows_) Fail();
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
