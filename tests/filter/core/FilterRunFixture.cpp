#include "tests/filter/core/FilterRunFixture.h"

#include <cmath>

#include "datafiles/EZTData.h"
#include "filter/core/EFilter.h"

namespace ae::test {

::testing::AssertionResult HasBytes(const std::string& path, const Bytes& expected) {
  if (!std::filesystem::exists(path)) return ::testing::AssertionFailure() << path << " does not exist";
  const Bytes actual = ReadFileBytes(path);
  if (actual == expected) return ::testing::AssertionSuccess();
  std::size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  return ::testing::AssertionFailure() << path << " has " << actual.size() << " bytes, expected " << expected.size()
                                       << "; they differ from offset " << i;
}

DtaBuilder HitMessage(double microseconds, int amplitude, int counts) {
  const auto ticks = static_cast<std::uint64_t>(std::llround(microseconds * 4.0));
  return DtaBuilder().StandardHit(ticks, 1, 10, counts, 30, 100, amplitude, 0);
}

DtaPlan::DtaPlan() {
  Add(DtaBuilder().ProductDefinition(), true);
  Add(DtaBuilder().HardwareSetup({1, 3, 4, 5, 6}, 1), true);
}

DtaPlan& DtaPlan::Add(const DtaBuilder& message, bool kept) {
  Source.insert(Source.end(), message.Get().begin(), message.Get().end());
  if (kept) Expected.insert(Expected.end(), message.Get().begin(), message.Get().end());
  return *this;
}

DtaPlan& DtaPlan::Hit(double microseconds, int amplitude, bool kept, int counts) {
  return Add(HitMessage(microseconds, amplitude, counts), kept);
}

void FilterRunTest::SetUp() { SavedDirectory = std::filesystem::current_path(); }

// A run makes the work folder current; the next test starts where this one did.
void FilterRunTest::TearDown() { std::filesystem::current_path(SavedDirectory); }

FilterControls FilterRunTest::Controls(FilterControls controls, const std::string& source,
                                       const std::string& destination) const {
  controls.SourceName = source;
  controls.DestinationName = destination;
  controls.WorkFolder = Dir.Path().string();
  return controls;
}

std::string FilterRunTest::Run(const FilterControls& controls) { return Run(controls, User); }

std::string FilterRunTest::Run(const FilterControls& controls, RecordingUser& user) {
  try {
    AFilter filter(controls, Names);
    filter.Run(user);
  } catch (const EFilter& e) {
    return e.what();
  } catch (const EZTData& e) {
    return "EZTData " + std::to_string(e.Code());
  }
  return "";
}

}  // namespace ae::test
