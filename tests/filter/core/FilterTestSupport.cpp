#include "tests/filter/core/FilterTestSupport.h"

#include <algorithm>
#include <cctype>

#include "filter/core/FilterMessages.h"

namespace ae::test {

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

MemoryParamNames::MemoryParamNames()
    : rows_{{"Time", 1},
            {"Channel", 2},
            {"Rise", 8},
            {"Counts", 32},
            {"Energy", 64},
            {"Duration", 128},
            {"Amplitude", 256},
            {"Amp", 256},
            {"Parametric", 2048},
            {"Location X, m", 65536},
            {"Location Y, m", 131072}} {}

int32_t MemoryParamNames::ParamCodeOf(const std::string& name) const {
  for (const auto& [n, code] : rows_)
    if (Lower(n) == Lower(name)) return code;
  return 0;
}

std::string MemoryParamNames::ParamNameOf(int32_t code) const {
  std::string best;
  for (const auto& [n, c] : rows_)
    if (c == code && (best.empty() || Lower(n) < Lower(best))) best = n;
  return best.empty() ? FilterMessage(fmUnknownParam) : best;
}

bool RecordingUser::AskYesNo(const std::string& text, const std::string& caption) {
  Questions.push_back(caption + "|" + text);
  return Answer;
}

void RecordingUser::Inform(const std::string& text, const std::string& caption) {
  Informed.emplace_back(text, caption);
}

void RecordingUser::SetProgressRange(int64_t maximum, int64_t step) {
  Maximum = maximum;
  Step = step;
}

double FakeHit::GetValue(int code) {
  const auto it = Values.find(code);
  return it == Values.end() ? 0.0 : it->second;
}

FilterControls RangeFilter(const std::string& name, const std::string& min, const std::string& max) {
  FilterControls controls;
  controls.Windows[fwA].Rows = {{name, min, max}};
  return controls;
}

}  // namespace ae::test
