#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "filter/core/FilterMessages.h"
#include "filter/db/StoreParamNames.h"
#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"

namespace ae {
namespace {

class StoreParamNamesTest : public test::StoreTest {
 protected:
  ZTDataStore store_;
  AEParamTable table_{store_};
  StoreParamNames names_{table_};
};

TEST_F(StoreParamNamesTest, NamesAndCodesAreTheTables) {
  EXPECT_EQ(names_.ParamCodeOf("aMPLITUDE"), pcAmplitude);
  EXPECT_EQ(names_.ParamCodeOf("Amplitude "), 0);
  EXPECT_EQ(names_.ParamNameOf(pcRise), "Rise time");
  EXPECT_EQ(names_.ParamNameOf(pcAverFreq), table_.ParamNameOf(pcAverFreq).value());
}

TEST_F(StoreParamNamesTest, ACodeTheTableLacksGivesMessage808) {
  const std::string unknown = "Неизвестный тип фильтра";
  ASSERT_EQ(FilterMessage(808), unknown);
  EXPECT_EQ(names_.ParamNameOf(16384), unknown);
  EXPECT_EQ(names_.ParamNameOf(-1), unknown);
}

}  // namespace
}  // namespace ae
