// Any text as a filter in its plain text form: the form is read, the filter built and checked
// as "&Start" does, its report description written and its verdict taken on a few hits. Only
// the errors that name what is wrong may come out (std::runtime_error of the form, EFilter).
#include <cmath>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "datafiles/AWDiskFile.h"
#include "filter/core/AFilter.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterTextForm.h"
#include "tests/fuzz/ReaderWalk.h"

using namespace ae;
using namespace ae::fuzz;

namespace {

// The parameter names the filter program knows, with their codes.
class Names : public AParamNames {
 public:
  int32_t ParamCodeOf(const std::string& name) const override {
    for (const auto& [n, code] : Rows)
      if (Lower(n) == Lower(name)) return code;
    return 0;
  }
  std::string ParamNameOf(int32_t code) const override {
    for (const auto& [n, c] : Rows)
      if (c == code) return n;
    return FilterMessage(fmUnknownParam);
  }

 private:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  const std::vector<std::pair<std::string, int32_t>> Rows = {{"Time", pcTime},
                                                             {"Channel", pcChannel},
                                                             {"Sequence", pcSeq},
                                                             {"Rise", pcRise},
                                                             {"CntPk", pcCntPk},
                                                             {"Counts", pcCounts},
                                                             {"Energy", pcEnergy},
                                                             {"Duration", pcDuration},
                                                             {"Amplitude", pcAmplitude},
                                                             {"DP", pcDP},
                                                             {"RMS", pcRMS},
                                                             {"Par1", pcPar1},
                                                             {"Gain", pcGain},
                                                             {"Threshold", pcThreshold},
                                                             {"AverFreq", pcAverFreq}};
};

// A hit whose every parameter is one value.
class Hit : public AWDiskFile {
 public:
  explicit Hit(double value) : AWDiskFile(nullptr), value_(value) {}
  double GetValue(int code) override { return code == pcTime ? std::fabs(value_) : value_; }
  double GetTime() override { return GetValue(pcTime); }
  bool IsHit() override { return true; }
  bool HasTime() override { return true; }

 private:
  double value_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  FilterControls controls;
  try {
    controls = ParseFilterText(in, "fuzz.txt");
  } catch (const std::runtime_error&) {
    return 0;  // the form names the line it does not allow
  }
  static const Names names;
  try {
    const AFilter filter(controls, names);
    NullStream text;
    filter.WriteDescription(text);
    for (const double value : {0.0, 1.0, -1.0, 45.5, 100.0, 65535.0, 1e300, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
      Hit hit(value);
      text << filter.TestHit(hit) << filter.MainExpressionValue(hit);
    }
  } catch (const EFilter&) {
    // An invalid filter is refused with the program's message.
  }
  return 0;
}
