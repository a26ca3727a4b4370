#include "tools/aetool/ExportCommand.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "datafiles/EDataFile.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/CsvExport.h"
#include "tools/aetool/Hdf5Export.h"
#include "tools/aetool/HelpFormatter.h"
#include "tools/aetool/OutputFile.h"
#include "tools/aetool/ProgressBar.h"

namespace ae {

namespace {

struct ExportOptions {
  std::string File;
  std::string Out;
  std::string Format = "csv";
};

int Export(const ExportOptions& options, CommandIo& io) {
  const bool hdf5 = options.Format == "hdf5";
  if (hdf5 && options.Out.empty()) throw UsageError("--format hdf5 writes a file: give -o OUT.h5");
  ProgressBar progress("Exporting", io.Progress);
  if (options.Out.empty()) {
    CsvRecordWriter writer(io.Out);
    ExportRecords(options.File, writer, &progress);
    return 0;
  }
  const std::string name = "\"" + options.Out + "\"";
  OutputFile output(options.Out);  // removed again unless the export completes
  if (hdf5 && output.Direct()) {
    // HDF5 needs a file it can seek in: the table is made in the temporary folder and then
    // copied to the pipe or device.
    OutputFile scratch((std::filesystem::temp_directory_path() / "aetool-export.h5").string());
    {
      Hdf5RecordWriter writer(scratch.Path(), name);
      ExportRecords(options.File, writer, &progress);
    }
    std::ifstream in(scratch.Path(), std::ios::binary);
    std::ofstream out(output.Path(), std::ios::binary);
    if (!in || !out) throw EDataFile("Cannot create " + name);
    out << in.rdbuf();
    out.close();
    if (!out) throw EDataFile("Cannot write " + name);
  } else if (hdf5) {
    Hdf5RecordWriter writer(output.Path(), name);
    ExportRecords(options.File, writer, &progress);
  } else {
    std::ofstream file(output.Path(), std::ios::binary | std::ios::trunc);
    if (!file) throw EDataFile("Cannot create " + name);
    CsvRecordWriter writer(file, name);
    ExportRecords(options.File, writer, &progress);
    file.close();
    if (!file) throw EDataFile("Cannot write " + name);
  }
  output.Commit();
  return 0;
}

}  // namespace

void AddExportCommand(CommandLine& cli) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* sub = cli.Add("export", "One CSV row per record of a data file, or the same rows as an HDF5 table",
                          [options](CommandIo& io) { return Export(*options, io); });
  sub->add_option("FILE", options->File, "The data file")->required();
  sub->add_option("-o", options->Out,
                  "Write to OUT instead of stdout; OUT takes the place of an existing file only when "
                  "complete")
      ->type_name("OUT");
  sub->add_option("--format", options->Format, "CSV text, or an HDF5 table (needs -o OUT.h5)")
      ->check(CLI::IsMember({"csv", "hdf5"}).description(""))
      ->type_name("csv|hdf5")
      ->capture_default_str();
  sub->footer(HelpFormatter::Wrap(
      "Columns: index, kind, time_s (s), channel, rise (us), counts, energy (the instrument's units; dB for "
      "A-Line PCI), duration (us), amplitude (dB), parametric. The parametric value is written as the viewer "
      "holds it, unconverted: the raw counts of a DTA file, which dump shows in volts; volts for Spartan 3000. "
      "An HDF5 table gives each column its unit in the attribute \"unit\" of its dataset \"records\". The "
      "waveforms of a DTA file go into HDF5 as well: the dataset \"waveforms\" (int16, one row per waveform, "
      "padded with 0) and \"waveform_index\" (its record, its hit, time_s, channel, samples, sample_rate_hz, "
      "delay_samples, volts_per_count, gain_db, preamp_db); the CSV rows do not change.",
      HelpFormatter::Width));
}

}  // namespace ae
