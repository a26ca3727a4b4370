// The name "Save data as.." proposes beside the loaded file.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "viewer/core/SaveAsName.h"

namespace ae {
namespace {

TEST(SaveAsName, TheFirstFreeNumberBeforeTheExtension) {
  struct Case {
    const char* Loaded;
    std::vector<const char*> Existing;  // files (or, ending in "/", folders) already there
    const char* Proposed;
  };
  const Case cases[] = {
      {"PROOF.DTA", {}, "PROOF-1.DTA"},
      {"PROOF.DTA", {"PROOF-1.DTA"}, "PROOF-2.DTA"},
      {"PROOF.DTA", {"PROOF-1.DTA", "PROOF-2.DTA/", "PROOF-4.DTA"}, "PROOF-3.DTA"},
      {"PROOF.DTA", {"PROOF-1.dta"}, "PROOF-1.DTA"},  // names differ in case here
      {"vessel.17.dtt", {}, "vessel.17-1.dtt"},
      {"NOTES", {"NOTES-1"}, "NOTES-2"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    for (const std::string existing : c.Existing) {
      if (existing.back() == '/') std::filesystem::create_directory(dir.File(existing.substr(0, existing.size() - 1)));
      else test::WriteFileBytes(dir.File(existing), {1});
    }
    EXPECT_EQ(ProposedSaveName(dir.File(c.Loaded)), dir.File(c.Proposed)) << c.Loaded;
  }
  EXPECT_EQ(ProposedSaveName(""), "");
}

TEST(SaveAsName, ADanglingLinkIsTakenToo) {
  test::TempDir dir;
  std::filesystem::create_symlink(dir.File("nowhere"), dir.File("PROOF-1.DTA"));
  EXPECT_EQ(ProposedSaveName(dir.File("PROOF.DTA")), dir.File("PROOF-2.DTA"));
}

}  // namespace
}  // namespace ae
