#pragma once
// What the filter tests share: a small parameter table in memory, a user that answers and
// records, a hit whose values a test sets, and the window description of a simple filter.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "filter/core/AParamNames.h"
#include "filter/core/FilterControls.h"
#include "filter/core/FilterUser.h"

namespace ae::test {

// Amplitude 256, Counts 32, Duration 128, Energy 64, Rise 8, Channel 2, Time 1, plus "Amp"
// as a second name of the amplitude, and the two location codes.
class MemoryParamNames : public AParamNames {
 public:
  MemoryParamNames();
  int32_t ParamCodeOf(const std::string& name) const override;
  std::string ParamNameOf(int32_t code) const override;

 private:
  std::vector<std::pair<std::string, int32_t>> rows_;
};

class RecordingUser : public FilterUser {
 public:
  explicit RecordingUser(bool answer = true) : Answer(answer) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void Inform(const std::string& text, const std::string& caption) override;
  void SetProgressRange(int64_t maximum, int64_t step) override;
  void StepProgress() override { ++Steps; }

  bool Answer;
  std::vector<std::string> Questions;
  std::vector<std::pair<std::string, std::string>> Informed;  // text, caption
  int64_t Maximum = -1;
  int64_t Step = -1;
  int Steps = 0;
};

// A record that is a hit with the values a test gives it.
class FakeHit : public AWDiskFile {
 public:
  FakeHit() : AWDiskFile(nullptr) {}
  explicit FakeHit(std::map<int, double> values) : AWDiskFile(nullptr), Values(std::move(values)) {}
  double GetValue(int code) override;
  bool IsHit() override { return true; }

  std::map<int, double> Values;
};

// A filter on window A with one row, as the window would hold it.
FilterControls RangeFilter(const std::string& name, const std::string& min, const std::string& max);

}  // namespace ae::test
