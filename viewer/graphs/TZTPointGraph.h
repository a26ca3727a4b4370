#pragma once
// The correlation graph: every hit is one point at the values of two hit parameters. Deleted
// hits are drawn first when shown, then every hit in its colour, then the selection overlay
// (framed hits in their frame's colour, grouped hits in the grouped colour). In event view it
// counts the events of the data set.
#include <cstddef>
#include <memory>
#include <optional>

#include "viewer/graphs/KeptDrawings.h"
#include "viewer/graphs/PieceColumns.h"
#include "viewer/graphs/PointLayer.h"
#include "viewer/graphs/TZTGraph.h"

namespace ae {

// One drawing pass of a point graph over the records in file order, run in pieces: a page runs
// the same pass of all its graphs piece by piece, so that each piece of the records is read from
// memory once for all of them.
class PointPass {
 public:
  virtual ~PointPass() = default;
  // The next piece of the records, in file order.
  virtual void Run(PieceColumns& piece) = 0;
  // After the last piece: the event count of a pass that applied the event rule.
  virtual void Finish() {}
};

class TZTPointGraph : public TZTGraph {
 public:
  // The passes in drawing order: deleted hits, every hit, the selection overlay.
  enum PassKind : int { ppDeletedHits = 0, ppHits = 1, ppSelection = 2 };
  static constexpr int PassKinds = 3;

  TZTPointGraph(TCommonData& common, int graphNumber);

  // The pass of that kind as the options ask for it, drawing into the layer; null when it would
  // draw nothing.
  std::unique_ptr<PointPass> MakePass(int kind, PointLayer& layer);
  // The passes into Points, then Points into the bitmap.
  void DrawDataPixels(QImage& bitmap) override;

  // The hit whose point lies nearest to (x, y), at most `radius` pixels away, among those the
  // graph draws (not deleted, in its ranges and the time window, on a selected channel; in event
  // view without shadows only the first hit of each event): its index in the data set's records.
  std::optional<std::size_t> HitNear(int x, int y, int radius) const;

  // The points of the drawing in progress (or the last one), one byte a pixel of the bitmap.
  PointLayer Points;

  // The picture of the passes that frames and groups leave alone (deleted hits, every hit) over
  // the layers drawn before them, kept with everything it was drawn from: when a page is drawn
  // again only because its selection changed, or returns to a state it showed a few steps ago,
  // the graph starts from it and draws the selection pass alone. Never kept in event view, where
  // the passes share the event rule.
  // Whether a kept picture is the one the graph, as it is laid out now, would draw.
  bool HasKeptBase() const;
  // Keeps Points as they are now, after the first two passes.
  void KeepBase();
  // Points and the points outside the ranges as kept.
  void UseKeptBase();

 private:
  struct BaseKey;
  BaseKey CurrentBaseKey() const;

  struct KeptBase {
    PointLayer Points;
    std::uint64_t Outside = 0;
  };
  // The last few pictures are kept, so that a step back (an unzoom to the whole test, an
  // undelete of every hit) finds the picture of where it returns to: about 80 kB each.
  KeptDrawings<BaseKey, KeptBase, 4> kept_;
};

}  // namespace ae
