#pragma once

// The filter of one run:
//
//   AFilter filter(controls, paramNames);   // reads and validates; throws EFilter
//   filter.Run(user);                        // filters; throws EFilter or EZTData
//
// where controls is a FilterControls, paramNames an AParamNames and user a FilterUser. The
// parameter names must outlive the filter: its records ask them for names in the report.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "datafiles/AWDiskFile.h"
#include "filter/core/AEquationFilterWin.h"
#include "filter/core/AFilterExpr.h"
#include "filter/core/AMinMaxFilterWin.h"
#include "filter/core/AParamNames.h"
#include "filter/core/FilterControls.h"
#include "filter/core/FilterExpression.h"
#include "filter/core/FilterUser.h"

namespace ae {

class FilterRunFiles;
class FilterStreams;

class AFilter {
 public:
  // Treatment methods.
  enum : int32_t { tmAsHits = 0, tmAsEvents = 1, tmAsMechanic = 2 };

  // Reads the whole definition from the window's controls and validates it; raises EFilter
  // (or EFRowError, EFRecError) with the message to show. Nothing on disk is touched.
  AFilter(const FilterControls& controls, const AParamNames& names);
  AFilter(const AFilter&) = delete;
  AFilter& operator=(const AFilter&) = delete;
  ~AFilter();

  // One filtration: source checks, the in-place case, the treatment, the summary and the
  // report. Raises EFilter or EZTData after cleaning up (partial destination removed, a
  // backed-up source moved back).
  void Run(FilterUser& user);

  // The verdict on the hit the reader stands on: true keeps it (Included) ...
  bool TestHit(AWDiskFile& hit) const { return MainExpressionValue(hit) != Excluded_; }
  // ... from the value of the main expression over the four window results.
  bool MainExpressionValue(AWDiskFile& hit) const;

  // The description part of a report block.
  void WriteDescription(std::ostream& os) const;
  // The four summary lines of a run.
  static std::string SummaryText(bool endOfData, int32_t handled, int32_t accepted);

  // The definition.
  const std::string& FilterName() const { return FilterName_; }
  const std::string& SourceName() const { return SourceName_; }
  const std::string& DestinationName() const { return DestinationName_; }
  int32_t FiltrationMode() const { return FiltrationMode_; }
  bool Excluded() const { return Excluded_; }
  int32_t TreatmentMethod() const { return TreatmentMethod_; }
  bool DeleteTDP() const { return DeleteTDP_; }
  bool DeleteTR() const { return DeleteTR_; }
  bool SmartEOT() const { return SmartEOT_; }
  uint32_t MPT() const { return MPT_; }
  uint32_t LOCK() const { return LOCK_; }
  uint32_t Forward() const { return Forward_; }
  uint32_t Back() const { return Back_; }
  const AMinMaxFilterWin& Window(int index) const { return MinMax_[static_cast<std::size_t>(index)]; }
  const AEquationFilterWin& WindowD() const { return Equation_; }
  const AFilterExpr& Expression(int index) const { return Expressions_[static_cast<std::size_t>(index)]; }

  // What the last run did: its file names (the backup and the source's former name in the
  // in-place case), its counters, and the report file it wrote (empty when none).
  const std::string& RunSourceName() const { return RunSource_; }
  const std::string& RunDestinationName() const { return RunDestination_; }
  int32_t Handled() const { return Handled_; }
  int32_t Accepted() const { return Accepted_; }
  bool EndOfDataMet() const { return EndOfData_; }
  const std::string& ReportWritten() const { return ReportWritten_; }

 private:
  void ReadTreatment(const FilterControls& controls);
  void FilterByHits(FilterRunFiles& files, FilterUser& user);
  void FilterByEvents(FilterRunFiles& files, FilterUser& user);
  void FilterMechanic(FilterRunFiles& files, FilterUser& user);
  // The test of one window on the hit; false for a window without records.
  bool WindowResult(int index, AWDiskFile& hit) const;
  // The record-kind rules for a record that is not a hit.
  bool KeepsNonHit(AWDiskFile& record) const;
  // The end every treatment shares: the writer finished, both files closed and kept, the summary.
  void CompleteRun(FilterStreams& streams, FilterRunFiles& files, FilterUser& user, bool endOfData, int32_t handled);
  void Summarize(FilterUser& user, bool endOfData, int32_t handled, int32_t accepted);

  std::string FilterName_;
  std::string SourceName_;
  std::string DestinationName_;
  int32_t FiltrationMode_ = 0;
  bool Excluded_ = false;
  int32_t TreatmentMethod_ = tmAsHits;
  bool DeleteTDP_ = false;
  bool DeleteTR_ = false;
  bool SmartEOT_ = false;
  uint32_t MPT_ = 0;
  uint32_t LOCK_ = 0;
  uint32_t Forward_ = 0;
  uint32_t Back_ = 0;
  std::array<AMinMaxFilterWin, 3> MinMax_;
  AEquationFilterWin Equation_;
  std::array<AFilterExpr, ExpressionRows> Expressions_;
  ExpressionProgram MainProgram_;

  // Report options and the folder relative names refer to.
  bool MakeReport_ = true;
  int ReportFileItem_ = 0;
  std::string ReportFolder_;
  std::string WorkFolder_;

  // Run state.
  std::string RunSource_;
  std::string RunDestination_;
  int32_t Handled_ = 0;
  int32_t Accepted_ = 0;
  bool EndOfData_ = false;
  std::string ReportWritten_;
};

}  // namespace ae
