#include "filter/core/AFilter.h"

#include <unistd.h>

#include <algorithm>
#include <iomanip>
#include <locale>
#include <ostream>
#include <sstream>
#include <vector>

#include "datafiles/ATestTime.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterNumbers.h"
#include "filter/core/FilterProgress.h"
#include "filter/core/FilterReport.h"
#include "filter/core/FilterRunFiles.h"
#include "filter/core/FilterStreams.h"

namespace ae {

namespace {

constexpr std::uint64_t TicksPerMicrosecond = 4;

// Microseconds as a time of test, in whole ticks exactly (a detour through seconds in floating
// point can lose a tick and move a hit across a window edge).
ATestTime MicrosecondsAsTime(std::uint64_t microseconds) {
  return ATestTime::FromTicks(microseconds * TicksPerMicrosecond);
}

// Copies the records of the reader into the writer by the record-kind rules, with the verdict
// on hits from `keepHit`, until the source or its end-of-data record ends. Returns whether the
// end-of-data record was met.
template <class KeepHit, class KeepNonHit>
bool CopyRecords(AWDiskFile& reader, AWDiskFile& writer, FilterProgress& progress, KeepHit&& keepHit,
                 KeepNonHit&& keepNonHit) {
  while (reader.ReadNext()) {
    progress.Count();
    const bool keep = reader.IsHit() ? keepHit(reader) : keepNonHit(reader);
    if (keep) writer.Append(reader);
    if (reader.IsEndOfData()) return true;
  }
  return false;
}

std::string DataErrorText(const EDataFile& error) {
  const std::string text = error.what();
  return text == MsgWriteError ? FilterMessage(fmWriteError) : text;
}

// What every treatment opens with: both files, the count of records handled, the progress bar,
// and reader and writer at their first record.
struct OpenedRun {
  OpenedRun(FilterRunFiles& files, FilterUser& user)
      : Streams(files),
        Reader(Streams.Reader()),
        Writer(Streams.Writer()),
        Handled(Reader.CountRecs()),
        Progress(user, Handled) {
    Rewind();
  }
  void Rewind() {
    Reader.SeekFirst();
    Writer.SeekFirst();
  }

  FilterStreams Streams;
  AWDiskFile& Reader;
  AWDiskFile& Writer;
  const int32_t Handled;
  FilterProgress Progress;
};

}  // namespace

AFilter::AFilter(const FilterControls& controls, const AParamNames& names)
    : FilterName_(controls.FilterName),
      SourceName_(controls.SourceName),
      DestinationName_(controls.DestinationName),
      MakeReport_(controls.MakeReport),
      ReportFileItem_(controls.ReportFileItem),
      ReportFolder_(controls.ReportFolder),
      WorkFolder_(controls.WorkFolder),
      RunSource_(controls.SourceName),
      RunDestination_(controls.DestinationName) {
  const std::string& caption = controls.ActivePageCaption;
  FiltrationMode_ =
      caption.find("Filtration") != std::string::npos || caption.find("Фильтрация") != std::string::npos ? 1 : 0;
  Excluded_ = controls.TypeItem == 1;
  DeleteTDP_ = controls.DeleteTDP;
  DeleteTR_ = controls.DeleteTR;
  SmartEOT_ = controls.SmartEOT;
  ReadTreatment(controls);

  for (int w = fwA; w <= fwC; ++w) {
    const FilterGrid& grid = controls.Windows[static_cast<std::size_t>(w)];
    MinMax_[static_cast<std::size_t>(w)].ReadGrid(w, grid.JoinAnd, grid, names);
  }
  Equation_.ReadGrid(fwD, controls.Windows[fwD].JoinAnd, controls.Windows[fwD], names);

  if (controls.Expressions[0].empty()) throw EFilter(fmNoMainExpression);
  for (int i = 0; i < ExpressionRows; ++i)
    Expressions_[static_cast<std::size_t>(i)] = AFilterExpr(controls.Expressions[static_cast<std::size_t>(i)], i);
  for (AFilterExpr& expression : Expressions_) expression.Parse();
  // The main expression decides every hit: an operator without an operand or a text without
  // any window letter has no value, so such a filter is refused here.
  if (!IsDefinedExpression(Expressions_[0].Root())) throw EFilter(fmIncompleteMainExpression);
  MainProgram_ = ExpressionProgram(Expressions_[0].Root());
}

AFilter::~AFilter() = default;

void AFilter::ReadTreatment(const FilterControls& controls) {
  // The time boxes take the bit pattern of the whole number typed: "-1" is 4294967295.
  auto read = [](const std::string& text, uint32_t& value) {
    int32_t number = 0;
    if (!ParseWholeNumber(text, number)) return false;
    value = static_cast<uint32_t>(number);
    return true;
  };
  switch (controls.TreatmentItem) {
    case tiAsHits: TreatmentMethod_ = tmAsHits; break;
    case tiAsEvents:
      TreatmentMethod_ = tmAsEvents;
      if (!read(controls.MPT, MPT_) || !read(controls.LOCK, LOCK_)) throw EFilter(fmMptLockInput);
      if (MPT_ > LOCK_) throw EFilter(fmMptAboveLock);
      break;
    default:
      TreatmentMethod_ = tmAsMechanic;
      if (!read(controls.Forward, Forward_) || !read(controls.Back, Back_)) throw EFilter(fmForwardBackInput);
      break;
  }
}

bool AFilter::WindowResult(int index, AWDiskFile& hit) const {
  // A window without records takes no part and gives false.
  if (index == fwD) return Equation_.RecCount != 0 && Equation_.Test(hit);
  const AMinMaxFilterWin& window = MinMax_[static_cast<std::size_t>(index)];
  return window.RecCount != 0 && window.Test(hit);
}

bool AFilter::MainExpressionValue(AWDiskFile& hit) const {
  // Only the windows the expression reads are tested: the others cannot change its value.
  const int single = MainProgram_.SingleWindow();
  if (single >= 0) return WindowResult(single, hit);
  WindowResults results{};
  const unsigned used = MainProgram_.UsedWindows();
  for (int w = fwA; w <= fwD; ++w)
    if ((used & (1u << w)) != 0) results[static_cast<std::size_t>(w)] = WindowResult(w, hit);
  return MainProgram_.Run(results);
}

bool AFilter::KeepsNonHit(AWDiskFile& record) const {
  if (record.IsTimeDriven()) return !DeleteTDP_;
  if (record.IsWaveform()) return !DeleteTR_;
  return record.IsKnown();
}

void AFilter::Run(FilterUser& user) {
  if (!WorkFolder_.empty() && ::chdir(WorkFolder_.c_str()) != 0) {
    // Ignored: relative names and the folder's report then refer to the current directory.
  }
  Handled_ = Accepted_ = 0;
  EndOfData_ = false;
  ReportWritten_.clear();
  RunSource_ = SourceName_;
  RunDestination_ = DestinationName_;

  FilterRunFiles files(SourceName_, DestinationName_);
  try {
    files.Prepare(user);
    RunSource_ = files.Source();
    RunDestination_ = files.Destination();
    if (FiltrationMode_ != 1) throw EFilter(fmChooseFiltrationPage);
    switch (TreatmentMethod_) {
      case tmAsHits: FilterByHits(files, user); break;
      case tmAsEvents: FilterByEvents(files, user); break;
      default: FilterMechanic(files, user); break;
    }
  } catch (const EFilter& e) {
    const std::string kept = files.CleanUp();
    if (kept.empty()) throw;
    throw EFilter(e.what() + kept);
  } catch (const EZTData& e) {
    const std::string kept = files.CleanUp();
    if (kept.empty()) throw;
    throw EFilter(FilterMessage(e.Code()) + kept);
  } catch (const EDataFile& e) {
    // Above all a write that failed (a full disk): the run has failed, never succeeded.
    const std::string kept = files.CleanUp();
    throw EFilter(DataErrorText(e) + kept);
  } catch (...) {
    files.CleanUp();
    throw;
  }
}

void AFilter::CompleteRun(FilterStreams& streams, FilterRunFiles& files, FilterUser& user, bool endOfData,
                          int32_t handled) {
  AWDiskFile& writer = streams.Writer();
  writer.Finish();
  const int32_t accepted = writer.RecordsAppended();
  streams.Close();
  files.Commit();
  Summarize(user, endOfData, handled, accepted);
}

void AFilter::FilterByHits(FilterRunFiles& files, FilterUser& user) {
  OpenedRun run(files, user);
  const bool endOfData = CopyRecords(
      run.Reader, run.Writer, run.Progress, [this](AWDiskFile& hit) { return TestHit(hit); },
      [this](AWDiskFile& record) { return KeepsNonHit(record); });
  CompleteRun(run.Streams, files, user, endOfData, run.Handled);
}

void AFilter::FilterByEvents(FilterRunFiles& files, FilterUser& user) {
  OpenedRun run(files, user);
  run.Reader.SetEventWindows(MicrosecondsAsTime(MPT_), MicrosecondsAsTime(LOCK_));
  // The verdict of the current event's first hit. Hits before any first hit (within MPT of
  // time zero) belong to no tested event and are dropped.
  bool eventVerdict = false;
  auto keepHit = [&](AWDiskFile& hit) {
    switch (hit.EventPos()) {
      case 0: eventVerdict = TestHit(hit); return eventVerdict;
      case 1: return eventVerdict;
      default: return false;  // locked out
    }
  };
  const bool endOfData = CopyRecords(run.Reader, run.Writer, run.Progress, keepHit,
                                     [this](AWDiskFile& record) { return KeepsNonHit(record); });
  CompleteRun(run.Streams, files, user, endOfData, run.Handled);
}

void AFilter::FilterMechanic(FilterRunFiles& files, FilterUser& user) {
  // Times in whole ticks. The window reaches Back before and Forward after a marking hit;
  // their sum is taken in full, so that large boxes cannot wrap into a tiny window.
  const std::uint64_t backTicks = std::uint64_t{Back_} * TicksPerMicrosecond;
  const std::uint64_t spanTicks = (std::uint64_t{Back_} + Forward_) * TicksPerMicrosecond;

  OpenedRun run(files, user);
  AWDiskFile& reader = run.Reader;
  // The starts of the windows, in time order. Room grows with the marks found, so a large
  // count of records reserves nothing it does not use.
  std::vector<std::uint64_t> marks;
  marks.reserve(static_cast<std::size_t>(std::clamp<int32_t>(run.Handled, 0, 1 << 16)));
  // Pass 1 only checks the time order with these windows.
  reader.SetEventWindows(MicrosecondsAsTime(1), MicrosecondsAsTime(1));

  // Pass 1: a hit marks when the main expression holds for it (the filter read as Excluded
  // rejects it). Nothing is written.
  while (reader.ReadNext()) {
    if (reader.IsHit()) {
      reader.EventPos();
      if (MainExpressionValue(reader)) {
        const std::uint64_t t = reader.CurrentTicks();
        marks.push_back(t > backTicks ? t - backTicks : 0);
      }
    }
    if (reader.IsEndOfData()) break;
  }

  run.Rewind();
  // Pass 2: a hit inside any window [mark, mark + span] (ends included) is kept by Included,
  // one outside by Excluded. The window index only moves forward.
  std::size_t j = 0;
  auto keepHit = [&](AWDiskFile& hit) {
    const std::uint64_t t = hit.CurrentTicks();
    bool inside = false;
    for (std::size_t i = j; i < marks.size(); ++i) {
      if (marks[i] > t) break;
      if (marks[i] + spanTicks >= t) {
        inside = true;
        break;
      }
      if (i + 1 == marks.size()) break;
      j = i + 1;
    }
    return inside != Excluded_;
  };
  const bool endOfData = CopyRecords(reader, run.Writer, run.Progress, keepHit,
                                     [this](AWDiskFile& record) { return KeepsNonHit(record); });
  CompleteRun(run.Streams, files, user, endOfData, run.Handled);
}

std::string AFilter::SummaryText(bool endOfData, int32_t handled, int32_t accepted) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  auto line = [&text](int label, std::int64_t count) {
    text << FilterMessage(label) << '\t' << std::setw(5) << count << FilterMessage(fmRecords) << '\n';
  };
  text << FilterMessage(fmResults) << '\t' << FilterMessage(endOfData ? fmFiltrationDone : fmNoEndOfData) << '\n';
  line(fmHandling, handled);
  line(fmAccepted, accepted);
  line(fmDeleted, std::int64_t{handled} - accepted);
  return text.str();
}

void AFilter::Summarize(FilterUser& user, bool endOfData, int32_t handled, int32_t accepted) {
  Handled_ = handled;
  Accepted_ = accepted;
  EndOfData_ = endOfData;
  const std::string summary = SummaryText(endOfData, handled, accepted);
  user.Inform(summary, FilterMessage(fmCaptionSummary));
  if (!MakeReport_) return;

  std::ostringstream block;
  block.imbue(std::locale::classic());
  WriteDescription(block);
  block << summary << '\n';
  const std::string path = FilterReport::PathOf(ReportFileItem_, ReportFolder_);
  switch (FilterReport::Append(path, block.str())) {
    case FilterReport::Outcome::Written: ReportWritten_ = path; break;
    case FilterReport::Outcome::NotOpened: break;  // no report where none can be opened, by design
    case FilterReport::Outcome::Failed:
      // The filtration itself is complete; the user learns that its report is missing.
      user.Inform(FilterMessage(fmReportNotWritten) + path, FilterMessage(fmCaptionWarning));
      break;
  }
}

void AFilter::WriteDescription(std::ostream& os) const {
  os << FilterReport::Today() << "\t\t" << FilterName_ << '\n';
  os << FilterMessage(fmSource) << RunSource_ << '\n';
  os << FilterMessage(fmResult) << RunDestination_ << '\n';
  os << FilterMessage(fmExpressions) << '\t';
  for (const AFilterExpr& expression : Expressions_) {
    if (expression.Text().empty()) break;
    expression.WriteReport(os);
  }
  os << FilterMessage(fmFilterType) << "\t\t" << FilterMessage(Excluded_ ? fmExcluded : fmIncluded) << '\n';
  os << FilterMessage(fmTreatment) << '\t';
  switch (TreatmentMethod_) {
    case tmAsHits: os << FilterMessage(fmByHits); break;
    case tmAsEvents:
      os << FilterMessage(fmByEvents) << "(MPT : " << std::to_string(MPT_) << ", LOCK : " << std::to_string(LOCK_)
         << ")";
      break;
    default:
      os << FilterMessage(fmMechanicNoise) << FilterMessage(fmForwardOpen) << std::to_string(Forward_)
         << FilterMessage(fmBackPart) << std::to_string(Back_) << ")";
      break;
  }
  os << '\n';
  for (std::size_t w = 0; w < MinMax_.size(); ++w) {
    if (MinMax_[w].RecCount == 0) break;
    os << FilterMessage(fmWindow) << AFilterWin::Letter(static_cast<int>(w));
    MinMax_[w].WriteReport(os);
  }
  if (Equation_.RecCount != 0) {
    os << FilterMessage(fmWindow) << AFilterWin::Letter(fwD);
    Equation_.WriteReport(os);
  }
}

}  // namespace ae
