#pragma once
// The correlation graph: every hit is one point at the values of two hit parameters. Deleted
// hits are drawn first when shown, then every hit in its colour, then the selection overlay
// (framed hits in their frame's colour, grouped hits in the grouped colour). In event view it
// counts the events of the data set.
#include <cstddef>
#include <memory>
#include <optional>

#include "viewer/graphs/TZTGraph.h"

namespace ae {

// One drawing pass of a point graph over the records in file order, run in pieces: a page runs
// the same pass of all its graphs piece by piece, so that each piece of the records is read from
// memory once for all of them.
class PointPass {
 public:
  virtual ~PointPass() = default;
  virtual void Run(const ZTShortHit* begin, const ZTShortHit* end) = 0;
  // After the last piece: the event count of a pass that applied the event rule.
  virtual void Finish() {}
};

class TZTPointGraph : public TZTGraph {
 public:
  // The passes in drawing order: deleted hits, every hit, the selection overlay.
  enum PassKind : int { ppDeletedHits = 0, ppHits = 1, ppSelection = 2 };
  static constexpr int PassKinds = 3;

  TZTPointGraph(TCommonData& common, int graphNumber);

  // The pass of that kind as the options ask for it, drawing into the bitmap; null when it
  // would draw nothing.
  std::unique_ptr<PointPass> MakePass(int kind, QImage& bitmap);
  void DrawDataPixels(QImage& bitmap) override;

  // The hit whose point lies nearest to (x, y), at most `radius` pixels away, among those the
  // graph draws (not deleted, in its ranges and the time window, on a selected channel; in event
  // view without shadows only the first hit of each event): its index in the data set's records.
  std::optional<std::size_t> HitNear(int x, int y, int radius) const;
};

}  // namespace ae
