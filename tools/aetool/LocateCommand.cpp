#include "tools/aetool/LocateCommand.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/ZTDataSet.h"
#include "datafiles/ZTWaveform.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/CsvExport.h"
#include "tools/aetool/HelpFormatter.h"
#include "tools/aetool/ProgressBar.h"
#include "tools/aetool/ViewerRun.h"
#include "viewer/core/AEventLocator.h"
#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

// The export index of entries of the loaded data set (in ascending order). The data set keeps
// no entry for a DTA waveform record, which the export numbers as a record of its own: where the
// file has such records, it is walked again and the records counted as the export counts them.
std::vector<std::size_t> ExportIndices(const std::string& file, const std::vector<std::size_t>& entries) {
  OpenedDataFile opened = OpenDataFile(file);
  AWDiskFile& reader = *opened.Reader;
  reader.CountRecs();
  if (reader.CountedWaveforms() <= 0) return entries;
  std::vector<std::size_t> indices(entries.size());
  reader.SeekFirst();
  reader.SkipWaveformSamples(true);
  AWaveformPlace place;
  std::size_t record = 0, entry = 0, k = 0;
  while (k < entries.size() && reader.ReadNext()) {
    // As the data set's load leaves them out.
    const bool waveform = reader.IsWaveform() && reader.GetWaveformPlace(place);
    if (!waveform) {
      if (entry == entries[k]) indices[k++] = record;
      ++entry;
    }
    ++record;
  }
  reader.SkipWaveformSamples(false);
  return indices;
}

}  // namespace

int LocateEvents(const std::string& file, const std::string& setupFile, std::ostream& out, std::ostream& err,
                 bool showProgress) {
  StreamUser user(err);
  ATestSetup setup;
  if (!setup.Load(setupFile, user)) return 1;
  if (!setup.Location.Active()) {
    err << "aetool locate: the test setup \"" << setupFile << "\" has no location (its Type is None)\n";
    return 1;
  }
  ProgressBar progress("Reading", showProgress);
  ZTDataSet data;
  LoadWithProgress(file, data, progress);
  progress.Finish();

  std::vector<ALocatedEvent> events;
  const AEventLocator locator(setup.Location, setup.MPT, setup.Lockout);
  const std::optional<double> stopped =
      locator.Locate(data.Recs, [&events](const ALocatedEvent& event) { events.push_back(event); });
  std::vector<std::size_t> entries;
  entries.reserve(events.size());
  for (const ALocatedEvent& event : events) entries.push_back(event.Rec);
  const std::vector<std::size_t> indices = ExportIndices(file, entries);

  out << LocateHeader << '\n';
  char row[160];
  for (std::size_t k = 0; k < events.size(); ++k) {
    const ALocatedEvent& event = events[k];
    const ZTShortHit& first = data.Recs[event.Rec];
    // The time exactly as the export writes it; positions to a tenth of a millimetre.
    char time[64];
    *CsvRecordWriter::FormatSeconds(time, first.Time) = '\0';
    std::snprintf(row, sizeof row, "%zu,%s,%u,%.4f,%.4f,%d\n", indices[k], time, static_cast<unsigned>(first.Channel),
                  event.Location.X, event.Location.Y, event.Location.Sensors);
    out << row;
  }
  if (stopped) {
    std::snprintf(row, sizeof row, "%.7f", *stopped);
    err << "aetool locate: the hits are not in time order at " << row
        << " s; the events from there on are not located\n";
    return 1;
  }
  return 0;
}

void AddLocateCommand(CommandLine& cli) {
  auto file = std::make_shared<std::string>();
  auto setup = std::make_shared<std::string>();
  CLI::App* sub =
      cli.Add("locate",
              "The located events of a data file with the source location of a viewer test setup, one "
              "CSV row per event",
              [file, setup](CommandIo& io) { return LocateEvents(*file, *setup, io.Out, io.Err, io.Progress); });
  sub->add_option("FILE", *file, "The data file")->required();
  sub->add_option("--setup", *setup, "The viewer test setup whose location (type, wave speed, sensors) is used")
      ->type_name("FILE.ini")
      ->required();
  sub->footer(HelpFormatter::Wrap(
      "Columns: index,time_s,channel,x_m,y_m,sensors: the export index, time (s) and channel of the event's first "
      "hit, its location (m; y is 0 for a linear location) and the number of sensors whose arrivals were used (1 "
      "for a zonal location). The events are those of the viewer's event rule with the setup's MPT and Lockout over "
      "every hit; only events the setup can locate get a row. Hits out of time order end the rows, with an error.",
      HelpFormatter::Width));
}

}  // namespace ae
