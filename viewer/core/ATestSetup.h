#pragma once
// The test setup: the pressure test the data were recorded in and the parameters of their
// evaluation (holds, event windows, parametric scaling, MONPAC, local-dynamic criterion). The
// viewer keeps one current setup (GlobalTestSetup) and stores setups in INI files.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "viewer/core/AHold.h"
#include "viewer/core/ALocationSetup.h"

namespace ae {

class ViewerUser;

class ATestSetup {
 public:
  // Sizes the statistics preallocate per channel record; larger values are refused.
  static constexpr int MaxSevHitNum = 1000;
  static constexpr int MaxHstLastHits5 = 10000;

  std::string FileName;  // the INI file last loaded into this object
  std::string TestLabel = "Default test";
  bool HoldsView = true;
  int TestTH = 50;
  std::vector<AHold> Holds;
  int MPT = 5000;       // microseconds
  int Lockout = 20000;  // microseconds
  double DivisorSys = 1.0;
  double OffsetSys = 0.0;
  double DivisorReal = 1.0;
  double OffsetReal = 0.0;
  int EvalTH = 50;
  int HiAmpLev = 65;
  int SevHitNum = 10;
  int MP_HstLimit1 = 10;
  int MP_HstLimit2 = 15;
  int MP_HstLimit3 = 75;
  int MP_HstLimit4 = 1000;
  int MP_HstLastHits2 = 0;  // stored and shown only
  int MP_HstLastHits3 = 15;
  float MP_HstLastHits4 = 0.8f;
  int MP_HstLastHits5 = 200;
  double LDExponent = 4.0;
  int Class1 = 10;
  int Class2 = 100;
  int Class3 = 1000;
  // Source location ("Location" section); a setup without one locates nothing.
  ALocationSetup Location;

  void ClearHolds() { Holds.clear(); }

  // Reads the INI file. Without a "ZMVWIN" section (a missing file included) the user gets the
  // warning "Test Setup - unknown format of INI file", nothing changes and the result is false.
  // A hold line that cannot be converted, or settings the statistics cannot work with
  // (RangeProblem), raise EViewer with the message and leave the setup unchanged.
  bool Load(const std::string& path, ViewerUser& user);
  // Writes every field into the INI file, keeping the other sections and keys of an existing
  // file; the "Holds" section is rewritten. The "Location" section is written when the file has
  // one or the setup locates; its sensor lines are updated in place, those of channels without a
  // sensor now removed. The file is replaced only once the new text is
  // complete. FileName is not changed. Raises EViewer when the file cannot be read or written.
  void Save(const std::string& path) const;

  // Empty when the statistics can work with these settings, else the message that refuses them:
  // SevHitNum 0, a number of recent hits of the historic index outside the ring of
  // MP_HstLastHits5 entries, a divisor 0 or a real that is not finite; nor can a location setup
  // be worked with that ALocationSetup::Problem refuses.
  std::string RangeProblem() const;

  // The parametric conversion: ParV = Data / DivisorSys + OffsetSys; ParP = ParV / DivisorReal
  // + OffsetReal.
  double ParV(double data) const { return data / DivisorSys + OffsetSys; }
  double ParP(double data) const { return ParV(data) / DivisorReal + OffsetReal; }

  // The default setup file of a program: its path with the extension replaced by ".INI".
  static std::string DefaultFilePath(const std::string& programPath);

  // The number K of most recent energies the historic index averages after N hits: none in the
  // first range (no recent mean), else as the limits choose, not yet kept within the ring.
  std::optional<std::int64_t> HistoricK(std::uint64_t n) const;
};

// The viewer's current test setup.
ATestSetup& GlobalTestSetup();

}  // namespace ae
