#pragma once
// A folder to filter in, with the files of a run and the results of running a filter.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "filter/core/AFilter.h"
#include "filter/core/FilterControls.h"
#include "tests/filter/core/FilterTestSupport.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/TempDir.h"

namespace ae::test {

using Bytes = std::vector<unsigned char>;

// A DTA file and the file a filter should make of it, built message by message.
class DtaPlan {
 public:
  // Product definition and a hardware setup for the standard hit: both kept by every filter.
  DtaPlan();
  DtaPlan& Add(const DtaBuilder& message, bool kept);
  // A standard hit at a time in microseconds.
  DtaPlan& Hit(double microseconds, int amplitude, bool kept, int counts = 20);

  Bytes Source;
  Bytes Expected;
};

// The file holds exactly these bytes; otherwise the sizes and the first differing offset.
::testing::AssertionResult HasBytes(const std::string& path, const Bytes& expected);

// A standard hit message at a time in microseconds (whole ticks of 0.25 us).
DtaBuilder HitMessage(double microseconds, int amplitude, int counts = 20);

class FilterRunTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string File(const std::string& name) const { return Dir.File(name); }
  // The controls with the source and destination names and this folder as the work folder.
  FilterControls Controls(FilterControls controls, const std::string& source, const std::string& destination) const;
  // Runs the filter; the text of what it raised ("EZTData 2001" for a data error), "" on success.
  std::string Run(const FilterControls& controls);
  std::string Run(const FilterControls& controls, RecordingUser& user);

  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

  TempDir Dir;
  MemoryParamNames Names;
  RecordingUser User;
  std::filesystem::path SavedDirectory;
};

}  // namespace ae::test
