#include "tools/aetool/DumpCommand.h"

#include <memory>
#include <string>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTShortHit.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/HelpFormatter.h"

namespace ae {

namespace {

// The hits as the viewer holds them, one line each: for formats without a text dump of their own.
void DumpHitsAsLoaded(AWDiskFile& reader, std::ostream& out) {
  const int columns = pcTime | pcChannel | pcRise | pcCounts | pcDuration | pcEnergy | pcAmplitude | pcAverFreq;
  ZTShortHit().DumpTitles(out, columns);
  out << '\n';
  reader.SeekFirst();
  while (reader.ReadNext()) {
    ZTShortHit rec;
    reader.GetRec(rec);
    if (rec.Kind != rkHit) continue;
    rec.DumpValues(out, columns);
    out << '\n';
  }
}

int Dump(const std::string& name, std::ostream& out) {
  OpenedDataFile file = OpenDataFile(name);
  AWDiskFile& reader = *file.Reader;
  out << "Data type: " << DataTypeName(file.Type) << '\n';
  switch (file.Type) {
    case ftAlinePCI:
      // The format has no whole-file dump; its header text and record text make one.
      reader.DumpColumns(out, 1);
      reader.SeekFirst();
      while (reader.ReadNext()) reader.DumpRec(out, 0);
      break;
    case ftAline: DumpHitsAsLoaded(reader, out); break;
    default:
      reader.SeekFirst();
      reader.DumpAll(out, -1);
      if (file.Type == ftSpartan3000) out << '\n';  // its dump ends without one
      break;
  }
  return 0;
}

}  // namespace

void AddDumpCommand(CommandLine& cli) {
  auto file = std::make_shared<std::string>();
  CLI::App* sub =
      cli.Add("dump", "Text dump of a data file (A-Line ISA, which has no text of its own: one line per hit)",
              [file](CommandIo& io) { return Dump(*file, io.Out); });
  sub->add_option("FILE", *file, "The data file")->required();
  sub->footer(HelpFormatter::Wrap(
      "Parametric values of DTA and Spartan 3000 records are shown converted into volts; export writes them "
      "as the viewer holds them, for a DTA file the raw counts (volts = raw x 0.005 - 10).",
      HelpFormatter::Width));
}

void AddDescribeCommand(CommandLine& cli) {
  auto file = std::make_shared<std::string>();
  CLI::App* sub = cli.Add("describe",
                          "Data type, header text and summary of a data file: product and date texts and "
                          "channel setup (DTA), number of hits, times of the first and last records",
                          [file](CommandIo& io) {
                            io.Out << DescribeDataFile(*file);
                            return 0;
                          });
  sub->add_option("FILE", *file, "The data file")->required();
  sub->footer(HelpFormatter::Wrap(
      "The text of the viewer's \"Data file information..\". The summary reads the file to its end of data, as "
      "the viewer loads it. \"Product definition\" and \"Test Time and Date\" are the texts of a DTA file's "
      "first messages 41 and 99; the channel table holds the last gain, threshold, HDT, HLT and PDT each "
      "channel is set to; the first and last record times are those of the records that have a time.",
      HelpFormatter::Width));
}

}  // namespace ae
