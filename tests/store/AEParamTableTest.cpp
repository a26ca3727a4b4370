#include <QString>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"

namespace ae {
namespace {

using test::RawDb;

// Every parameter code of the data files, and the two of source location.
const std::vector<int> AllCodes = {pcHits,   pcTime,   pcChannel,   pcSeq,       pcRise, pcCntPk,
                                   pcCounts, pcEnergy, pcDuration,  pcAmplitude, pcDP,   pcRMS,
                                   pcPar1,   pcGain,   pcThreshold, pcAverFreq,  pcLocX, pcLocY};

class AEParamTableTest : public test::StoreTest {
 protected:
  std::vector<std::string> NamesOf(std::initializer_list<int> codes) {
    std::vector<std::string> names;
    for (int code : codes) names.push_back(params_.ParamNameOf(code).value());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    return names;
  }

  ZTDataStore store_;
  AEParamTable params_{store_};
};

TEST_F(AEParamTableTest, ShippedRowsNameEveryParameterCodeOnce) {
  const std::map<int, std::string> expected = {{pcHits, "Hits"},
                                               {pcTime, "Time"},
                                               {pcChannel, "Channel"},
                                               {pcSeq, "Sequence number"},
                                               {pcRise, "Rise time"},
                                               {pcCntPk, "Counts to peak"},
                                               {pcCounts, "Counts"},
                                               {pcEnergy, "Energy"},
                                               {pcDuration, "Duration"},
                                               {pcAmplitude, "Amplitude"},
                                               {pcDP, "DP"},
                                               {pcRMS, "RMS"},
                                               {pcPar1, "Parametric 1"},
                                               {pcGain, "Gain"},
                                               {pcThreshold, "Threshold"},
                                               {pcAverFreq, "Average frequency"},
                                               {pcLocX, "Location X, m"},
                                               {pcLocY, "Location Y, m"}};
  for (const int code : AllCodes) {
    EXPECT_EQ(params_.ParamNameOf(code), expected.at(code));
    EXPECT_EQ(params_.ParamCodeOf(expected.at(code)), code);
    const QString shortName = QString::fromStdString(params_.ShortNameOf(code));
    EXPECT_FALSE(shortName.isEmpty()) << code;
    EXPECT_LE(shortName.size(), 15) << code;  // the field's width
  }
  EXPECT_EQ(params_.ShortNameOf(pcAmplitude), "Amplitude, dB");
  EXPECT_EQ(params_.ShortNameOf(pcLocX), "Location X, m");
  EXPECT_EQ(params_.ShortNameOf(16384), "");
}

TEST_F(AEParamTableTest, NameLookupIgnoresLetterCase) {
  EXPECT_EQ(params_.ParamCodeOf("amplitude"), pcAmplitude);
  EXPECT_EQ(params_.ParamCodeOf("RISE TIME"), pcRise);
  EXPECT_EQ(params_.ParamCodeOf("aVERAGE fREQUENCY"), pcAverFreq);
  for (const char* unknown : {"", "Amplitude ", "Amp", "Hits' OR '1'='1", "Energy; DROP TABLE AEParams"})
    EXPECT_EQ(params_.ParamCodeOf(unknown), 0) << unknown;
  EXPECT_EQ(params_.ParamCodeOf("Energy"), pcEnergy);  // the table is still there
}

TEST_F(AEParamTableTest, ACodeWithTwoNamesGivesTheAlphabeticallyFirst) {
  {
    RawDb raw(DbPath());
    ASSERT_TRUE(
        raw.Exec("INSERT INTO AEParams (ParamConst, ParamName, ShortName) VALUES (256, 'Peak amplitude', 'Pk')"));
    ASSERT_TRUE(raw.Exec("INSERT INTO AEParams (ParamConst, ParamName, ShortName) VALUES (64, 'abs energy', 'aE')"));
  }
  EXPECT_EQ(params_.ParamNameOf(pcAmplitude), "Amplitude");
  EXPECT_EQ(params_.ShortNameOf(pcAmplitude), "Amplitude, dB");
  // Letter case does not order: "abs energy" comes before "Energy".
  EXPECT_EQ(params_.ParamNameOf(pcEnergy), "abs energy");
  EXPECT_EQ(params_.ShortNameOf(pcEnergy), "aE");
  EXPECT_EQ(params_.ParamCodeOf("peak AMPLITUDE"), pcAmplitude);
}

TEST_F(AEParamTableTest, ACodeTheTableLacksHasNoName) {
  EXPECT_EQ(params_.ParamNameOf(16384), std::nullopt);
  EXPECT_EQ(params_.ParamNameOf(-1), std::nullopt);
}

TEST_F(AEParamTableTest, FamiliesFollowTheFormatTable) {
  // Every family has the location, which the viewer works out from a file of any of them.
  const auto common = NamesOf({pcTime, pcChannel, pcRise, pcCounts, pcEnergy, pcDuration, pcAmplitude, pcLocX, pcLocY});
  const std::map<std::string, std::vector<std::string>> expected = {
      {"Common parameters", common},
      {"All parameters", NamesOf({pcHits, pcTime, pcChannel, pcSeq, pcRise, pcCntPk, pcCounts, pcEnergy, pcDuration,
                                  pcAmplitude, pcDP, pcRMS, pcPar1, pcGain, pcThreshold, pcAverFreq, pcLocX, pcLocY})},
      {"Spartan 3000", NamesOf({pcTime, pcChannel, pcSeq, pcRise, pcCntPk, pcCounts, pcEnergy, pcDuration, pcAmplitude,
                                pcDP, pcRMS, pcPar1, pcGain, pcThreshold, pcLocX, pcLocY})},
      {"Locan/SpartanPC/Spartan2000/DiSP",
       NamesOf({pcTime, pcChannel, pcRise, pcCntPk, pcCounts, pcEnergy, pcDuration, pcAmplitude, pcRMS, pcPar1, pcGain,
                pcThreshold, pcAverFreq, pcLocX, pcLocY})},
      {"A-Line 32D", common},
      {"Vallen System AMS", common},
      {"Malachit AS", common},
  };
  for (const auto& [item, systemName] : AEParamTable::SystemItems())
    EXPECT_EQ(params_.QueryParams(systemName), expected.at(systemName)) << item;
  EXPECT_EQ(params_.QueryParams("Common parameters").front(), "Amplitude");
  EXPECT_EQ(params_.QueryParams("no such family"), std::vector<std::string>{});
  EXPECT_EQ(params_.SystemNames().size(), 7u);
}

TEST_F(AEParamTableTest, TheLookupItemsAndTheFamiliesTheyQuery) {
  const auto& items = AEParamTable::SystemItems();
  ASSERT_EQ(items.size(), 7u);
  std::vector<std::string> shown;
  for (const auto& item : items) shown.push_back(item.first);
  EXPECT_EQ(shown, (std::vector<std::string>{"Common parameters", "All parameters", "Spartan 3000",
                                             "Locan/SpartanPC/Spartan2000/DiSP", "A-Line 32D", "Vallen System AMSY",
                                             "Malachit AS"}));
  EXPECT_EQ(items[5].second, "Vallen System AMS");
  std::vector<std::string> families;
  for (const auto& item : items) families.push_back(item.second);
  EXPECT_EQ(params_.SystemNames(), families);  // every item finds its family
}

TEST_F(AEParamTableTest, TheFamilyQueryListsANameOnceInAlphabeticalOrder) {
  {
    RawDb raw(DbPath());
    // A second "Amplitude" row, in the family twice over; and a lower-case name.
    ASSERT_TRUE(raw.Exec("INSERT INTO AEParams (ParamID, ParamConst, ParamName) VALUES (100, 256, 'Amplitude')"));
    ASSERT_TRUE(raw.Exec("INSERT INTO AEParams (ParamID, ParamConst, ParamName) VALUES (101, 64, 'b-energy')"));
    ASSERT_TRUE(raw.Exec("INSERT INTO \"Prm&Sys\" (ParamID, AESystemID) VALUES (100, 5), (101, 5)"));
  }
  EXPECT_EQ(params_.QueryParams("A-Line 32D"),
            (std::vector<std::string>{"Amplitude", "b-energy", "Channel", "Counts", "Duration", "Energy",
                                      "Location X, m", "Location Y, m", "Rise time", "Time"}));
}

}  // namespace
}  // namespace ae
