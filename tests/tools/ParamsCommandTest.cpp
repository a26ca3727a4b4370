#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tests/support/AetoolRunner.h"
#include "tests/support/StoreTestSupport.h"
#include "tools/aetool/AetoolCommands.h"

namespace ae {
namespace {

using Result = test::ToolResult;
using test::RunTool;

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + '\n';
  return text;
}

class ParamsCommandTest : public test::StoreTest {};

TEST_F(ParamsCommandTest, ListsTheNamesOfAFamilyAsTheLookupDialogDoes) {
  const Result common = RunTool({"params"});
  ASSERT_EQ(common.Code, 0) << common.Err;
  EXPECT_TRUE(std::filesystem::exists(DbPath()));  // the database of ZTDATA_DB, created on first use
  EXPECT_EQ(common.Out,
            "Amplitude\nChannel\nCounts\nDuration\nEnergy\nLocation X, m\nLocation Y, m\nRise time\nTime\n");

  ZTDataStore store;
  const AEParamTable params(store);
  for (const auto& [item, family] : AEParamTable::SystemItems()) {
    const Result r = RunTool({"params", "--system", item});
    EXPECT_EQ(r.Code, 0) << item << ": " << r.Err;
    EXPECT_EQ(r.Out, Joined(params.QueryParams(family))) << item;
  }
  EXPECT_EQ(RunTool({"params", "--system", "a-line 32d"}).Out, common.Out);
  EXPECT_EQ(RunTool({"params", "--system", "Vallen System AMS"}).Out, common.Out);
}

TEST_F(ParamsCommandTest, AnUnknownFamilyOrAForeignDatabaseIsAnError) {
  const Result unknown = RunTool({"params", "--system", "Acme 9000"});
  EXPECT_EQ(unknown.Code, 1);
  EXPECT_EQ(unknown.Out, "");
  EXPECT_NE(unknown.Err.find("\"Acme 9000\""), std::string::npos) << unknown.Err;
  EXPECT_NE(unknown.Err.find("Vallen System AMSY"), std::string::npos) << unknown.Err;

  EXPECT_EQ(RunTool({"params", "extra"}).Code, 2);
  EXPECT_EQ(RunTool({"params", "--bogus", "x"}).Code, 2);

  test::WriteFileBytes(dir_.File("foreign.sqlite"), {'n', 'o', 't', ' ', 'a', ' ', 'd', 'b'});
  test::ScopedEnv db("ZTDATA_DB", dir_.File("foreign.sqlite").c_str());
  const Result foreign = RunTool({"params"});
  EXPECT_EQ(foreign.Code, 1);
  EXPECT_NE(foreign.Err.find(dir_.File("foreign.sqlite")), std::string::npos) << foreign.Err;
}

}  // namespace
}  // namespace ae
