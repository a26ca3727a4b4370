#include "tools/aetool/WaveCommand.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "datafiles/DataFileOpen.h"
#include "datafiles/EDataFile.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/HelpFormatter.h"
#include "tools/aetool/WaveformTable.h"
#include "viewer/core/AWaveformSpectrum.h"

namespace ae {

namespace {

struct WaveArguments {
  std::string File;
  std::int64_t Hit = 0;
  bool Spectrum = false;
};

// The waveform of the hit, paired as the viewer and the export pair them.
ZTWaveform WaveformOfHit(const WaveArguments& args) {
  OpenedDataFile opened = OpenDataFile(args.File);
  AWDiskFile& reader = *opened.Reader;
  const int count = reader.CountRecs();
  const std::string file = "\"" + args.File + "\"";
  if (args.Hit >= count)
    throw EDataFile("There is no record " + std::to_string(args.Hit) + " in " + file + ": it has " +
                    std::to_string(count) + " records, numbered from 0 as aetool export numbers them");
  reader.SeekFirst();
  WaveformTable table;
  ZTShortHit rec;
  int kind = rkNone;
  for (std::int64_t record = 0; record < count && reader.ReadNext(); ++record) {
    rec = ZTShortHit();
    reader.GetRec(rec);
    table.Note(reader, record, rec);
    if (record == args.Hit) kind = rec.Kind;
    if (reader.IsEndOfData()) break;
  }
  if (kind != rkHit) throw EDataFile("Record " + std::to_string(args.Hit) + " of " + file + " is not a hit");
  const WaveformRow* row = table.OfHit(args.Hit);
  if (row == nullptr) throw EDataFile("Hit " + std::to_string(args.Hit) + " of " + file + " has no waveform");
  ZTWaveform wave = WaveformTable::Read(opened.Stream.Get(), *row, args.File);
  if (!wave.Scale.Known)
    throw EDataFile("The waveform of hit " + std::to_string(args.Hit) + " of " + file +
                    " cannot be given in volts: channel " + std::to_string(wave.Channel) +
                    " has no recorder setup in the file");
  return wave;
}

int RunWave(const WaveArguments& args, CommandIo& io) {
  const ZTWaveform wave = WaveformOfHit(args);
  char line[96];
  if (!args.Spectrum) {
    io.Out << "time_us,volts\n";
    for (std::size_t i = 0; i < wave.Samples.size(); ++i) {
      std::snprintf(line, sizeof line, "%.4f,%.9g\n", wave.TimeUs(i), wave.Volts(i));
      io.Out << line;
    }
    return 0;
  }
  std::vector<double> volts(wave.Samples.size());
  for (std::size_t i = 0; i < volts.size(); ++i) volts[i] = wave.Volts(i);
  const AWaveformSpectrum spectrum = AWaveformSpectrum::Of(volts, wave.Scale.SampleRateHz());
  io.Out << "frequency_khz,magnitude\n";
  for (std::size_t k = 0; k < spectrum.Magnitude.size(); ++k) {
    std::snprintf(line, sizeof line, "%.4f,%.9g\n", spectrum.FrequencyHz(k) / 1e3, spectrum.Magnitude[k]);
    io.Out << line;
  }
  return 0;
}

}  // namespace

void AddWaveCommand(CommandLine& cli) {
  auto args = std::make_shared<WaveArguments>();
  CLI::App* sub = cli.Add("wave",
                          "The waveform of one hit as CSV, time_us,volts (or with --spectrum its magnitude spectrum, "
                          "frequency_khz,magnitude)",
                          [args](CommandIo& io) { return RunWave(*args, io); });
  sub->add_option("FILE", args->File, "The data file")->required();
  sub->add_option("--hit", args->Hit, "The hit's index as aetool export numbers the records (from 0)")
      ->type_name("N")
      ->check(CommandLine::WholeNumber(0))
      ->required();
  sub->add_flag("--spectrum", args->Spectrum,
                "The magnitude spectrum instead: FFT of the whole record (its mean taken off) under a Hann "
                "window, from 0 to half the sampling rate, in volts");
  sub->footer(HelpFormatter::Wrap(
      "The time is in microseconds after the trigger (negative before it); the volts are those at the "
      "instrument's input: sample x full scale / 32768 / 10^(gain / 20), from the recorder setup of the "
      "file's hardware setup. A waveform belongs to the hit with its time and channel. Exit 1 when the "
      "record is not a hit, the hit has no waveform, or its channel has no recorder setup.",
      HelpFormatter::Width));
}

}  // namespace ae
