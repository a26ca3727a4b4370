#include "tests/support/ReaderSamples.h"

namespace ae::test {

DtaBuilder ContinuedTestSetup() {
  DtaBuilder setup;
  setup.ProductDefinition("Express-8 (r) Location Version \n\rVersion V5.92\n\r")
      .Message(7, {'V', 'e', 's', 's', 'e', 'l', ' ', '7', 0})
      .Message(99, {'T', 'h', 'u', ' ', 'M', 'a', 'y', ' ', '2', '7', '\n', 0})
      .HardwareSetup({1, 3, 4, 5, 6}, 1)
      .Message(116, {1, 2, 3, 4})
      .Message(11);
  return setup;
}

DtaBuilder ContinuedDtaFile(bool withSecondHit) {
  DtaBuilder dta;
  dta.ContinuedFile(ContinuedTestSetup());
  dta.StandardHit(100 * DtaSecond, 3, 12, 34, 56, 780, 61, 2100);
  if (withSecondHit) dta.StandardHit(101 * DtaSecond, 4, 13, 35, 57, 790, 72, 2200);
  dta.Timed(2, 102 * DtaSecond, {0, 0xD0, 0x07});
  dta.Timed(130, 103 * DtaSecond);
  dta.Message(173, {9, 9, 9, 9});
  dta.StandardHit(104 * DtaSecond, 5, 14, 36, 58, 800, 83, 2300);
  dta.Message(15);
  return dta;
}

AlineIsaBuilder GainChangeIsaFile(bool ownSetupFirst) {
  AlineIsaBuilder b(IsaStart);
  if (ownSetupFirst) b.ChannelSetup(IsaStart, 2, 5, 35);
  b.Hit(IsaStart + 1, 0, 2, 100).Hit(IsaStart + 2, 0, 2, 100).ChannelSetup(IsaStart + 3, 2, 5, 40);
  b.Hit(IsaStart + 4, 0, 2, 100).Hit(IsaStart + 5, 0, 1, 100).Hit(IsaStart + 6, 0, 2, 100);
  return b;
}

}  // namespace ae::test
