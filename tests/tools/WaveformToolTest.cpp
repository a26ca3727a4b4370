// Waveforms through aetool: the HDF5 export's "waveforms" and "waveform_index" (read back through
// the HDF5 library), "aetool wave" with its errors, and "aetool gen --waveforms", whose hits are
// those of the same file without waveforms.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <hdf5.h>

#include "datafiles/ZTDataSet.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"
#include "tools/aetool/Hdf5Waveforms.h"
#include "viewer/core/AWaveformSpectrum.h"

namespace ae {
namespace {

using test::DtaBuilder;
using test::RunTool;
constexpr std::uint64_t Second = 4000000;

// A row of "waveform_index" as a reader lays it out for itself (not packed).
struct IndexRow {
  std::int64_t Record, Hit;
  double TimeSeconds;
  std::uint8_t Channel;
  std::uint32_t Samples;
  double SampleRateHz;
  std::int32_t DelaySamples;
  double VoltsPerCount, GainDb, PreampDb;
};

struct Hdf5Waveforms {
  bool Present = false;
  std::vector<std::int16_t> Samples;  // rows x columns
  std::size_t Rows = 0, Columns = 0;
  std::vector<IndexRow> Index;
  bool RecordsPresent = false;
};

Hdf5Waveforms ReadWaveforms(const std::string& path) {
  Hdf5Waveforms result;
  const hid_t file = H5Fopen(path.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT);
  EXPECT_GE(file, 0);
  if (file < 0) return result;
  result.RecordsPresent = H5Lexists(file, "records", H5P_DEFAULT) > 0;
  result.Present = H5Lexists(file, Hdf5WaveformsName, H5P_DEFAULT) > 0;
  EXPECT_EQ(result.Present, H5Lexists(file, Hdf5WaveformIndexName, H5P_DEFAULT) > 0);
  if (result.Present) {
    const hid_t samples = H5Dopen2(file, Hdf5WaveformsName, H5P_DEFAULT);
    const hid_t space = H5Dget_space(samples);
    hsize_t dims[2] = {0, 0};
    EXPECT_EQ(H5Sget_simple_extent_ndims(space), 2);
    H5Sget_simple_extent_dims(space, dims, nullptr);
    result.Rows = dims[0];
    result.Columns = dims[1];
    const hid_t type = H5Dget_type(samples);
    EXPECT_GT(H5Tequal(type, H5T_STD_I16LE), 0);
    result.Samples.resize(result.Rows * result.Columns);
    EXPECT_GE(H5Dread(samples, H5T_NATIVE_INT16, H5S_ALL, H5S_ALL, H5P_DEFAULT, result.Samples.data()), 0);
    H5Tclose(type);
    H5Sclose(space);
    H5Dclose(samples);

    const hid_t index = H5Dopen2(file, Hdf5WaveformIndexName, H5P_DEFAULT);
    const hid_t indexSpace = H5Dget_space(index);
    hsize_t rows = 0;
    H5Sget_simple_extent_dims(indexSpace, &rows, nullptr);
    result.Index.resize(rows);
    // Read by the column names, as a reader that knows nothing of our layout would.
    const hid_t stored = H5Dget_type(index);
    EXPECT_EQ(H5Tget_nmembers(stored), static_cast<int>(Hdf5WaveformColumnCount));
    for (int i = 0; i < H5Tget_nmembers(stored); ++i) {
      char* name = H5Tget_member_name(stored, static_cast<unsigned>(i));
      EXPECT_STREQ(name, Hdf5WaveformColumnNames[static_cast<std::size_t>(i)]);
      H5free_memory(name);
    }
    H5Tclose(stored);
    const hid_t memory = H5Tcreate(H5T_COMPOUND, sizeof(IndexRow));
    H5Tinsert(memory, "record", HOFFSET(IndexRow, Record), H5T_NATIVE_INT64);
    H5Tinsert(memory, "hit", HOFFSET(IndexRow, Hit), H5T_NATIVE_INT64);
    H5Tinsert(memory, "time_s", HOFFSET(IndexRow, TimeSeconds), H5T_NATIVE_DOUBLE);
    H5Tinsert(memory, "channel", HOFFSET(IndexRow, Channel), H5T_NATIVE_UINT8);
    H5Tinsert(memory, "samples", HOFFSET(IndexRow, Samples), H5T_NATIVE_UINT32);
    H5Tinsert(memory, "sample_rate_hz", HOFFSET(IndexRow, SampleRateHz), H5T_NATIVE_DOUBLE);
    H5Tinsert(memory, "delay_samples", HOFFSET(IndexRow, DelaySamples), H5T_NATIVE_INT32);
    H5Tinsert(memory, "volts_per_count", HOFFSET(IndexRow, VoltsPerCount), H5T_NATIVE_DOUBLE);
    H5Tinsert(memory, "gain_db", HOFFSET(IndexRow, GainDb), H5T_NATIVE_DOUBLE);
    H5Tinsert(memory, "preamp_db", HOFFSET(IndexRow, PreampDb), H5T_NATIVE_DOUBLE);
    EXPECT_GE(H5Dread(index, memory, H5S_ALL, H5S_ALL, H5P_DEFAULT, result.Index.data()), 0);
    EXPECT_GT(H5Aexists(index, "unit"), 0);
    H5Tclose(memory);
    H5Sclose(indexSpace);
    H5Dclose(index);
  }
  H5Fclose(file);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class WaveformTool : public ::testing::Test {
 protected:
  test::TempDir dir_;
};

TEST_F(WaveformTool, TheRealFilesWaveformsComeOutOfTheHdf5ExportWithTheirHitsAndScales) {
  const std::string real = test::RealDtaFile();
  if (real.empty()) GTEST_SKIP() << "the real instrument file is not beside the project";
  const std::string out = dir_.File("real.h5");
  const test::ToolResult result = RunTool({"export", real, "--format", "hdf5", "-o", out});
  ASSERT_EQ(result.Code, 0) << result.Err;
  const Hdf5Waveforms h5 = ReadWaveforms(out);
  ASSERT_TRUE(h5.Present);
  ASSERT_EQ(h5.Rows, 8u);
  ASSERT_EQ(h5.Columns, 3072u);
  ASSERT_EQ(h5.Index.size(), 8u);

  ZTDataSet data;
  data.Load(real);
  const test::ToolResult csv = RunTool({"export", real});
  const std::vector<std::string> rows = Lines(csv.Out);
  std::size_t hit = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const IndexRow& row = h5.Index[i];
    // The waveform record comes right before its hit, in the export's numbering.
    EXPECT_EQ(row.Hit, row.Record + 1);
    ASSERT_LT(static_cast<std::size_t>(row.Hit) + 1, rows.size());
    // Kind 7 (another record) and kind 0 (a hit) in the CSV rows of those indices.
    EXPECT_EQ(rows[static_cast<std::size_t>(row.Record) + 1].rfind(std::to_string(row.Record) + ",7,", 0), 0u);
    EXPECT_EQ(rows[static_cast<std::size_t>(row.Hit) + 1].rfind(std::to_string(row.Hit) + ",0,", 0), 0u);
    EXPECT_EQ(row.Samples, 3072u);
    EXPECT_DOUBLE_EQ(row.SampleRateHz, 10e6);
    EXPECT_EQ(row.DelaySamples, -1280);
    EXPECT_DOUBLE_EQ(row.VoltsPerCount, 10.0 / 32768.0);
    EXPECT_DOUBLE_EQ(row.GainDb, 0.0);
    EXPECT_DOUBLE_EQ(row.PreampDb, 60.0);
    // The same samples as the viewer reads, and the amplitude check.
    while (hit < data.Recs.size() && !data.Recs[hit].IsHit()) ++hit;
    ASSERT_LT(hit, data.Recs.size());
    const std::optional<ZTWaveform> wave = data.ReadWaveform(hit);
    ASSERT_TRUE(wave);
    EXPECT_EQ(row.Channel, wave->Channel);
    EXPECT_NEAR(row.TimeSeconds, static_cast<double>(wave->Time.Seconds()), 1e-9);
    const std::vector<std::int16_t> stored(h5.Samples.begin() + static_cast<std::ptrdiff_t>(i * 3072),
                                           h5.Samples.begin() + static_cast<std::ptrdiff_t>((i + 1) * 3072));
    EXPECT_EQ(stored, wave->Samples);
    const double peakDb = 20.0 * std::log10(wave->PeakCounts() * row.VoltsPerCount / 1e-6) - row.PreampDb;
    EXPECT_NEAR(peakDb, data.Recs[hit].Amplitude + 0.5, 0.5);
    ++hit;
  }
}

TEST_F(WaveformTool, Hdf5PadsShortWaveformsAndMarksWhatTheFileDoesNotSay) {
  DtaBuilder dta;
  dta.ProductDefinition().HardwareSetupOf({DtaBuilder::DefinitionSub({1, 3, 4, 5, 6}, 1),
                                           DtaBuilder::RecorderSub(1, 1, 2000, -4, 5), DtaBuilder::GainSub(1, 20)});
  dta.Waveform(Second, 1, {1, 2, 3, 4, 5, 6});  // record 2, its hit is record 3
  dta.StandardHit(Second, 1, 10, 5, 3, 100, 50, 2000);
  dta.Waveform(2 * Second, 2, {-7, 8});                     // channel 2: no setup, no hit
  dta.StandardHit(3 * Second, 1, 10, 5, 3, 100, 50, 2000);  // no waveform
  const std::string source = dir_.File("MIX.DTA");
  dta.Save(source);
  const std::string out = dir_.File("mix.h5");
  ASSERT_EQ(RunTool({"export", source, "--format", "hdf5", "-o", out}).Code, 0);
  const Hdf5Waveforms h5 = ReadWaveforms(out);
  ASSERT_TRUE(h5.Present);
  ASSERT_EQ(h5.Rows, 2u);
  ASSERT_EQ(h5.Columns, 6u);
  EXPECT_EQ(h5.Samples, (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, -7, 8, 0, 0, 0, 0}));
  const IndexRow& first = h5.Index[0];
  EXPECT_EQ(first.Record, 2);
  EXPECT_EQ(first.Hit, 3);
  EXPECT_EQ(first.Samples, 6u);
  EXPECT_DOUBLE_EQ(first.SampleRateHz, 2e6);
  EXPECT_EQ(first.DelaySamples, -4);
  EXPECT_DOUBLE_EQ(first.VoltsPerCount, 5.0 / 32768.0 / 10.0);
  EXPECT_DOUBLE_EQ(first.GainDb, 20.0);
  EXPECT_TRUE(std::isnan(first.PreampDb));
  const IndexRow& second = h5.Index[1];
  EXPECT_EQ(second.Record, 4);
  EXPECT_EQ(second.Hit, -1);
  EXPECT_EQ(second.Channel, 2);
  EXPECT_EQ(second.Samples, 2u);
  EXPECT_TRUE(std::isnan(second.SampleRateHz));
  EXPECT_TRUE(std::isnan(second.VoltsPerCount));

  // A file without waveforms gets the records alone, as before.
  const std::string plain = dir_.File("plain.dta");
  ASSERT_EQ(RunTool({"gen", "--hits", "50", "-o", plain}).Code, 0);
  ASSERT_EQ(RunTool({"export", plain, "--format", "hdf5", "-o", dir_.File("plain.h5")}).Code, 0);
  const Hdf5Waveforms none = ReadWaveforms(dir_.File("plain.h5"));
  EXPECT_TRUE(none.RecordsPresent);
  EXPECT_FALSE(none.Present);
}

TEST_F(WaveformTool, WavePrintsTheHitsWaveformOrItsSpectrumAndSaysWhyWhenItCannot) {
  DtaBuilder dta;
  dta.ProductDefinition().HardwareSetupOf(
      {DtaBuilder::DefinitionSub({1, 3, 4, 5, 6}, 1), DtaBuilder::RecorderSub(1, 1, 1000, -2, 10)});
  // 64 samples of a 125 kHz sine at 1 MHz: 8 samples a period, bin 8 of 32.
  std::vector<std::int16_t> sine;
  for (int i = 0; i < 64; ++i)
    sine.push_back(static_cast<std::int16_t>(std::lround(1000 * std::sin(i * std::numbers::pi / 4))));
  dta.Waveform(Second, 1, sine);
  dta.StandardHit(Second, 1, 10, 5, 3, 100, 50, 2000);      // record 3
  dta.StandardHit(2 * Second, 1, 10, 5, 3, 100, 50, 2000);  // record 4: no waveform
  dta.Waveform(3 * Second, 2, {1, 2});
  dta.StandardHit(3 * Second, 2, 10, 5, 3, 100, 50, 2000);  // record 6: no setup
  const std::string file = dir_.File("W.DTA");
  dta.Save(file);

  const test::ToolResult wave = RunTool({"wave", file, "--hit", "3"});
  ASSERT_EQ(wave.Code, 0) << wave.Err;
  const std::vector<std::string> lines = Lines(wave.Out);
  ASSERT_EQ(lines.size(), 65u);
  EXPECT_EQ(lines[0], "time_us,volts");
  EXPECT_EQ(lines[1], "-2.0000,0");
  EXPECT_EQ(lines[3], "0.0000,0.305175781");  // 1000 x 10 V / 32768
  EXPECT_EQ(lines[64].substr(0, lines[64].find(',')), "61.0000");

  const test::ToolResult spectrum = RunTool({"wave", file, "--hit", "3", "--spectrum"});
  ASSERT_EQ(spectrum.Code, 0) << spectrum.Err;
  const std::vector<std::string> bins = Lines(spectrum.Out);
  ASSERT_EQ(bins.size(), 34u);
  EXPECT_EQ(bins[0], "frequency_khz,magnitude");
  std::size_t peak = 1;
  double largest = -1;
  for (std::size_t k = 1; k < bins.size(); ++k) {
    const double m = std::stod(bins[k].substr(bins[k].find(',') + 1));
    if (m > largest) {
      largest = m;
      peak = k - 1;
    }
  }
  EXPECT_EQ(peak, 8u);
  EXPECT_EQ(bins[9].substr(0, bins[9].find(',')), "125.0000");
  EXPECT_NEAR(largest, 1000 * 10.0 / 32768.0, 0.01);

  const struct {
    const char* Hit;
    const char* Says;
  } failures[] = {{"2", "is not a hit"},
                  {"4", "has no waveform"},
                  {"6", "channel 2 has no recorder setup"},
                  {"7", "There is no record 7"}};
  for (const auto& f : failures) {
    SCOPED_TRACE(f.Hit);
    const test::ToolResult failed = RunTool({"wave", file, "--hit", f.Hit});
    EXPECT_EQ(failed.Code, 1);
    EXPECT_EQ(failed.Out, "");
    EXPECT_NE(failed.Err.find(f.Says), std::string::npos) << failed.Err;
  }
  EXPECT_EQ(RunTool({"wave", file}).Code, 2);  // --hit is required
}

TEST_F(WaveformTool, GenWithWaveformsHasTheSameHitsEachWithItsBurstAtItsAmplitude) {
  const std::string plain = dir_.File("plain.dta"), waves = dir_.File("waves.dta");
  ASSERT_EQ(RunTool({"gen", "--hits", "300", "--seed", "4", "-o", plain}).Code, 0);
  ASSERT_EQ(RunTool({"gen", "--hits", "300", "--seed", "4", "--waveforms", "-o", waves}).Code, 0);
  EXPECT_EQ(RunTool({"gen", "--format", "pci", "--waveforms", "-o", dir_.File("x.ald")}).Code, 2);
  ZTDataSet a, b;
  a.Load(plain);
  b.Load(waves);
  EXPECT_TRUE(a.Waveforms.Empty());
  ASSERT_EQ(a.Recs.size(), b.Recs.size());
  for (std::size_t i = 0; i < a.Recs.size(); ++i) {
    const ZTShortHit &x = a.Recs[i], &y = b.Recs[i];
    ASSERT_TRUE(x.Kind == y.Kind && x.Time == y.Time && x.Channel == y.Channel && x.Amplitude == y.Amplitude &&
                x.Rise == y.Rise && x.Counts == y.Counts && x.Duration == y.Duration && x.Energy == y.Energy &&
                x.Parametric == y.Parametric)
        << i;
  }
  EXPECT_EQ(b.Waveforms.Size(), b.HitCount);
  for (const ZTWaveformIndex::Entry& e : b.Waveforms.Entries()) {
    const ZTWaveform wave = *b.ReadWaveform(e.Hit);
    ASSERT_EQ(wave.Samples.size(), 3072u);
    EXPECT_EQ(wave.Scale.RateKHz, 10000);
    EXPECT_EQ(wave.Scale.DelaySamples, -1280);
    const double peakDb =
        20.0 * std::log10(wave.PeakCounts() * wave.Scale.VoltsPerCount() / 1e-6) - wave.Scale.PreampDb;
    const int amplitude = b.Recs[e.Hit].Amplitude;
    // A full-scale burst is clipped at 10 V: 100 dB at the sensor behind 40 dB.
    if (amplitude < 99) {
      EXPECT_NEAR(peakDb, amplitude + 0.5, 0.75) << e.Hit;
    }
    // Before the trigger only noise.
    for (std::size_t k = 0; k < 1280; ++k) ASSERT_LE(std::abs(wave.Samples[k]), 3);
    // The burst's frequency lies in 80..300 kHz.
    std::vector<double> volts(wave.Samples.size());
    for (std::size_t k = 0; k < volts.size(); ++k) volts[k] = wave.Volts(k);
    const AWaveformSpectrum spectrum = AWaveformSpectrum::Of(volts, wave.Scale.SampleRateHz());
    EXPECT_GE(spectrum.PeakHz, 75e3);
    EXPECT_LE(spectrum.PeakHz, 305e3);
  }
}

}  // namespace
}  // namespace ae
