#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "datafiles/DataFileTypes.h"
#include "datafiles/ZTShortHit.h"

namespace ae {
namespace {

TEST(ZTShortHit, FreshRecordIsEmptyAndCompact) {
  const ZTShortHit h;
  EXPECT_EQ(h.Kind, rkNone);
  EXPECT_EQ(h.FrameBits, 0);
  EXPECT_FALSE(h.IsGrouped() || h.IsDeleted());
  EXPECT_TRUE(h.Time.IsZero());
  EXPECT_EQ(h.Channel + h.Amplitude + h.Rise + h.Counts + h.Energy + h.Duration, 0u);
  EXPECT_EQ(h.Parametric, 0.0f);
  EXPECT_EQ(sizeof(ZTShortHit), 48u);  // the viewer holds one per record
}

TEST(ZTShortHit, ValueByParameterCode) {
  ZTShortHit h;
  h.Time = ATestTime::FromSeconds(2.5L);
  h.Channel = 7;
  h.Rise = 11;
  h.Counts = 50;
  h.Energy = 13;
  h.Duration = 250;
  h.Amplitude = 66;
  h.Parametric = -1.5f;
  const std::vector<std::pair<int, double>> cases = {
      {pcHits, 1.0},     {pcTime, 2.5},     {pcChannel, 7}, {pcRise, 11},      {pcCounts, 50}, {pcEnergy, 13},
      {pcDuration, 250}, {pcAmplitude, 66}, {pcPar1, -1.5}, {pcAverFreq, 200}, {pcSeq, 0},     {pcCntPk, 0},
      {pcDP, 0},         {pcRMS, 0},        {pcGain, 0},    {pcThreshold, 0},  {16384, 0},
  };
  for (const auto& [code, value] : cases) EXPECT_DOUBLE_EQ(h.GetValue(code), value) << "code " << code;
}

TEST(ZTShortHit, AverageFrequencyOfZeroDurationIsAFloatingResult) {
  ZTShortHit h;
  h.Counts = 5;
  EXPECT_TRUE(std::isinf(h.GetValue(pcAverFreq)));
  h.Counts = 0;
  EXPECT_TRUE(std::isnan(h.GetValue(pcAverFreq)));
}

TEST(ZTShortHit, SelectionStateBits) {
  ZTShortHit h;
  h.SetGrouped(true);
  EXPECT_EQ(h.StateBits[0], 1);
  h.SetDeleted(true);
  EXPECT_EQ(h.StateBits[0], 3);
  h.SetGrouped(false);
  EXPECT_TRUE(h.IsDeleted() && !h.IsGrouped() && h.IsFlagged());
  h.ClearState();
  EXPECT_FALSE(h.IsFlagged());
}

TEST(ZTShortHit, OneLineDumpsInColumnOrder) {
  ZTShortHit h;
  h.Time = ATestTime::FromSeconds(1.0L);
  h.Channel = 3;
  h.Rise = 12;
  h.Counts = 50;
  h.Duration = 250;
  h.Energy = 9;
  h.Amplitude = 61;
  h.Parametric = 4.0f;
  const int all = pcTime | pcChannel | pcRise | pcCounts | pcDuration | pcEnergy | pcAmplitude | pcAverFreq | pcPar1;
  std::ostringstream titles, values;
  h.DumpTitles(titles, all);
  h.DumpValues(values, all);
  EXPECT_EQ(titles.str(), "   Time (sec.) Chn  Rise Count  Durat  Ener Amp   Freq     Prm");
  EXPECT_EQ(values.str(), "     1.0000000   3    12    50    250     9  61  200.0");
  std::ostringstream some;
  h.DumpValues(some, pcAmplitude | pcChannel);
  EXPECT_EQ(some.str(), "   3  61");
}

TEST(DataFileTypes, NamesOfTypeCodes) {
  EXPECT_EQ(DataTypeName(ftSpartan3000), "Spartan 3000");
  EXPECT_EQ(DataTypeName(ftDiSP), "Locan AT/Spartan AT/Spartan 2000/Disp/Mistras");
  EXPECT_EQ(DataTypeName(ftAMSY), "AMSY 3/4/5");
  EXPECT_EQ(DataTypeName(ftAline), "Aline ISA");
  EXPECT_EQ(DataTypeName(ftAlinePCI), "Aline PCI");
  EXPECT_EQ(DataTypeName(5), "Unknown File Type");
  EXPECT_EQ(DataTypeName(-1), "Unknown File Type");
}

TEST(DataFileTypes, DataFileNamesByExtension) {
  for (const char* good :
       {"a.dta", "/x/y/TEST.DTA", "t.Ald", "a.dtt", "b.SDA", "c.sdt", "d.lda", "e.LDT", "dir.x/f.dta"})
    EXPECT_TRUE(IsDataFileName(good)) << good;
  for (const char* bad : {"a.dat", "noext", "/dir.dta/noext", "a.dta.bak", "", ".", "a.dtaa"})
    EXPECT_FALSE(IsDataFileName(bad)) << bad;
}

}  // namespace
}  // namespace ae
