#include "viewer/core/AMonpac.h"

#include "viewer/core/ATestSetup.h"

namespace ae {

namespace {

bool Within(float h, float s, float x, float y) { return h <= x && s <= y; }

// On or below the line through (x1, y1) and (x2, y2), in the form the zone chart is computed in.
bool OnOrBelow(float h, float s, float x1, float y1, float x2, float y2) {
  const float slope = (x2 - x1) / (y1 - y2);
  return s + (h - x1) / slope <= y1;
}

}  // namespace

AMonpac::AMonpac(const ATestSetup& setup) : Severity(setup.SevHitNum), Hist(setup.MP_HstLastHits5) {}

void AMonpac::AddHit(const ZTShortHit& hit, const ATestSetup& setup) {
  if (hit.Amplitude <= setup.EvalTH) return;
  ++Events;
  TotalDuration += hit.Duration;
  if (hit.Amplitude > setup.HiAmpLev) ++HiAmpEvents;
  Severity.AddHit(hit);
  Hist.AddHit(hit.Energy, hit.Time, setup);
}

int AMonpac::ComputeZoneClass() {
  ZoneClass = ZoneClassOf(Hist.Maximum, Severity.Maximum);
  return ZoneClass;
}

int AMonpac::ZoneClassOf(float h, float s) {
  if (Within(h, s, 10.0f, 25.0f)) return zcMinor;
  if (Within(h, s, 2.0f, 50.0f)) return zcA;
  if (Within(h, s, 2.0f, 71.0f) || Within(h, s, 2.6f, 50.0f)) return zcB;
  if (Within(h, s, 2.6f, 71.0f) && OnOrBelow(h, s, 2.0f, 71.0f, 2.6f, 50.0f)) return zcB;
  if (Within(h, s, 2.0f, 190.0f) || Within(h, s, 10.0f, 71.0f)) return zcC;
  if (Within(h, s, 3.1f, 150.0f) && OnOrBelow(h, s, 2.0f, 150.0f, 3.1f, 71.0f)) return zcC;
  if (Within(h, s, 2.6f, 600.0f) || Within(h, s, 10.0f, 190.0f)) return zcD;
  return zcE;
}

std::string_view AMonpac::ZoneText(int zoneClass) {
  static constexpr std::string_view Texts[] = {"A", "B", "C", "D", "E", "Mnr"};
  if (zoneClass < 0 || zoneClass > zcMinor) return {};
  return Texts[zoneClass];
}

}  // namespace ae
