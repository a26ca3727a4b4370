#pragma once
// The correlation graph: every hit is one point at the values of two hit parameters. Deleted
// hits are drawn first when shown, then every hit in its colour, then the selection overlay
// (framed hits in their frame's colour, grouped hits in the grouped colour). In event view it
// counts the events of the data set.
#include "viewer/graphs/TZTGraph.h"

namespace ae {

class TZTPointGraph : public TZTGraph {
 public:
  TZTPointGraph(TCommonData& common, int graphNumber);

  void DrawDataPixels(QImage& bitmap) override;

 private:
  void DrawDeletedHits(QImage& bitmap);
  void DrawHits(QImage& bitmap);
  void DrawSelection(QImage& bitmap);
};

}  // namespace ae
