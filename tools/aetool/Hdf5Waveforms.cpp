#include "tools/aetool/Hdf5Waveforms.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

#include <hdf5.h>

#include "datafiles/DataStream.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/Hdf5Export.h"

namespace ae {

static_assert(sizeof(Hdf5WaveformRow) == 65, "Hdf5WaveformRow is packed");

namespace {

constexpr unsigned DeflateLevel = 1;
// About a quarter of a megabyte of samples per chunk.
constexpr std::size_t ChunkBytes = std::size_t{1} << 18;

hid_t MakeIndexType() {
  const hid_t type = H5Tcreate(H5T_COMPOUND, sizeof(Hdf5WaveformRow));
  if (type < 0) return -1;
  const auto& n = Hdf5WaveformColumnNames;
  const bool ok = H5Tinsert(type, n[0], offsetof(Hdf5WaveformRow, Record), H5T_STD_I64LE) >= 0 &&
                  H5Tinsert(type, n[1], offsetof(Hdf5WaveformRow, Hit), H5T_STD_I64LE) >= 0 &&
                  H5Tinsert(type, n[2], offsetof(Hdf5WaveformRow, TimeSeconds), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, n[3], offsetof(Hdf5WaveformRow, Channel), H5T_STD_U8LE) >= 0 &&
                  H5Tinsert(type, n[4], offsetof(Hdf5WaveformRow, Samples), H5T_STD_U32LE) >= 0 &&
                  H5Tinsert(type, n[5], offsetof(Hdf5WaveformRow, SampleRateHz), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, n[6], offsetof(Hdf5WaveformRow, DelaySamples), H5T_STD_I32LE) >= 0 &&
                  H5Tinsert(type, n[7], offsetof(Hdf5WaveformRow, VoltsPerCount), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, n[8], offsetof(Hdf5WaveformRow, GainDb), H5T_IEEE_F64LE) >= 0 &&
                  H5Tinsert(type, n[9], offsetof(Hdf5WaveformRow, PreampDb), H5T_IEEE_F64LE) >= 0;
  if (!ok) {
    H5Tclose(type);
    return -1;
  }
  return type;
}

// A chunked, shuffled and deflated dataset, which any HDF5 reader opens without plugins.
hid_t CreateDataset(hid_t file, const char* name, hid_t type, int rank, const hsize_t* dims, const hsize_t* chunk) {
  const hid_t space = H5Screate_simple(rank, dims, nullptr);
  const hid_t properties = H5Pcreate(H5P_DATASET_CREATE);
  hid_t dataset = -1;
  if (space >= 0 && properties >= 0 && H5Pset_chunk(properties, rank, chunk) >= 0 && H5Pset_shuffle(properties) >= 0 &&
      H5Pset_deflate(properties, DeflateLevel) >= 0)
    dataset = H5Dcreate2(file, name, type, space, H5P_DEFAULT, properties, H5P_DEFAULT);
  if (properties >= 0) H5Pclose(properties);
  if (space >= 0) H5Sclose(space);
  return dataset;
}

bool WriteIndex(hid_t file, const WaveformTable& table) {
  std::vector<Hdf5WaveformRow> rows;
  rows.reserve(table.Rows().size());
  for (const WaveformRow& row : table.Rows()) rows.push_back(MakeHdf5WaveformRow(row));
  const hid_t type = MakeIndexType();
  if (type < 0) return false;
  const hsize_t dims[1] = {rows.size()};
  const hsize_t chunk[1] = {std::clamp<hsize_t>(rows.size(), 1, 1 << 14)};
  const hid_t dataset = CreateDataset(file, Hdf5WaveformIndexName, type, 1, dims, chunk);
  bool ok =
      dataset >= 0 && H5Dwrite(dataset, type, H5S_ALL, H5S_ALL, H5P_DEFAULT, rows.data()) >= 0 &&
      WriteHdf5Units(dataset, Hdf5WaveformColumnCount, Hdf5WaveformColumnNames.data(), Hdf5WaveformColumnUnits.data());
  if (dataset >= 0) ok = H5Dclose(dataset) >= 0 && ok;
  H5Tclose(type);
  return ok;
}

bool WriteSamples(hid_t file, const WaveformTable& table, const std::string& sourceFile) {
  const std::size_t rows = table.Rows().size();
  const std::size_t columns = std::max<std::size_t>(table.LongestSamples(), 1);
  const std::size_t block = std::clamp<std::size_t>(ChunkBytes / (2 * columns), 1, rows);
  const hsize_t dims[2] = {rows, columns};
  const hsize_t chunk[2] = {block, columns};
  const hid_t dataset = CreateDataset(file, Hdf5WaveformsName, H5T_STD_I16LE, 2, dims, chunk);
  if (dataset < 0) return false;
  DataStream source(sourceFile, "rb");
  if (!source) {
    H5Dclose(dataset);
    throw EDataFile("Cannot open the data file \"" + sourceFile + "\"");
  }
  const hid_t fileSpace = H5Dget_space(dataset);
  std::vector<std::int16_t> buffer(block * columns);
  bool ok = fileSpace >= 0;
  for (std::size_t first = 0; ok && first < rows; first += block) {
    const std::size_t n = std::min(block, rows - first);
    std::fill(buffer.begin(), buffer.end(), std::int16_t{0});
    for (std::size_t k = 0; k < n; ++k) {
      const ZTWaveform wave = WaveformTable::Read(source.Get(), table.Rows()[first + k], sourceFile);
      std::copy(wave.Samples.begin(), wave.Samples.end(), buffer.begin() + static_cast<std::ptrdiff_t>(k * columns));
    }
    const hsize_t start[2] = {first, 0};
    const hsize_t count[2] = {n, columns};
    const hid_t memory = H5Screate_simple(2, count, nullptr);
    ok = memory >= 0 && H5Sselect_hyperslab(fileSpace, H5S_SELECT_SET, start, nullptr, count, nullptr) >= 0 &&
         H5Dwrite(dataset, H5T_NATIVE_INT16, memory, fileSpace, H5P_DEFAULT, buffer.data()) >= 0;
    if (memory >= 0) H5Sclose(memory);
  }
  if (fileSpace >= 0) H5Sclose(fileSpace);
  return H5Dclose(dataset) >= 0 && ok;
}

}  // namespace

Hdf5WaveformRow MakeHdf5WaveformRow(const WaveformRow& row) {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  const AWaveformScale& s = row.Place.Scale;
  Hdf5WaveformRow r{};
  r.Record = row.Record;
  r.Hit = row.Hit;
  r.TimeSeconds = static_cast<double>(row.Place.Ticks) / 4000000.0;
  r.Channel = static_cast<std::uint8_t>(row.Place.Channel);
  r.Samples = static_cast<std::uint32_t>(row.Place.Samples);
  r.SampleRateHz = s.Known ? s.SampleRateHz() : none;
  r.DelaySamples = s.Known ? s.DelaySamples : 0;
  r.VoltsPerCount = s.Known ? s.VoltsPerCount() : none;
  r.GainDb = s.GainDb;
  r.PreampDb = s.PreampKnown ? s.PreampDb : none;
  return r;
}

bool WriteHdf5Waveforms(std::int64_t file, const WaveformTable& table, const std::string& sourceFile) {
  if (table.Empty()) return true;
  return WriteSamples(file, table, sourceFile) && WriteIndex(file, table);
}

}  // namespace ae
