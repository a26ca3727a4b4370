#pragma once
// The view context every graph of the viewer shares: the page and cell sizes, the frame list,
// the loaded data set, the options and test setup the graphs read, and the flag that makes
// every graph render again on its next paint.
#include <cstdint>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/TFrameArray.h"

namespace ae {

class TCommonData {
 public:
  // The viewer passes its one data set and the global options and test setup; tests and batch
  // rendering pass their own.
  TCommonData(ZTDataSet& dataSet, AOptions& options, ATestSetup& setup)
      : DataSet(&dataSet), Options(&options), Setup(&setup) {}

  int PageWidth = 0;
  int PageHeight = 0;
  int CellWidth = 0;
  int CellHeight = 0;
  TFrameArray Frames;
  ZTDataSet* DataSet;
  bool RepaintAll = true;
  AOptions* Options;
  ATestSetup* Setup;
  // How a page is drawn for paper: the resolution the labels' font is sized for (0: the
  // bitmaps' own, the screen's), and whether the labels go into the bitmaps or are only kept in
  // each graph's Texts (their boxes cleared), for a painter that writes them as text.
  int LabelDpi = 0;
  bool LabelGlyphs = true;

  // The page size and the cells of the options' page grid (integer division).
  void SetPageSize(int width, int height) {
    PageWidth = width;
    PageHeight = height;
    CellWidth = Options->HorizGraphNum > 0 ? width / Options->HorizGraphNum : width;
    CellHeight = Options->VertGraphNum > 0 ? height / Options->VertGraphNum : height;
  }
  bool HasData() const { return DataSet != nullptr && DataSet->RecCount > 0; }
};

}  // namespace ae
