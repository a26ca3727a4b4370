#pragma once

#include <array>
#include <string>
#include <vector>

namespace ae {

// One window grid of the filter program as the user left it: the data rows (grid row 1 is
// Rows[0]) with their cell texts as typed, and the window's "Join with AND" box.
struct FilterGrid {
  std::vector<std::vector<std::string>> Rows;
  bool JoinAnd = false;

  // A fresh grid: one data row with every cell empty.
  static FilterGrid Empty(int columns) { return FilterGrid{{std::vector<std::string>(columns)}, false}; }
};

// Window indices; the letters A..D are these indices everywhere.
enum FilterWindowIndex : int { fwA = 0, fwB = 1, fwC = 2, fwD = 3 };
inline constexpr int MinMaxColumns = 3;    // parameter, min, max
inline constexpr int EquationColumns = 5;  // Y parameter, sign, A, X parameter, B
inline constexpr int ExpressionRows = 4;

// Treatment items of the treatment group, in their order.
enum TreatmentItem : int { tiAsHits = 0, tiAsEvents = 1, tiAsMechanic = 2 };

// A plain description of the filter program's main window: everything a filtration, the
// filter database and the report read from it. The Qt window, aetool and the tests all
// fill one of these, so a filter is read and validated the same way whoever drives it.
struct FilterControls {
  std::string FilterName = "New filter";
  std::string SourceName;
  std::string DestinationName;
  std::string ActivePageCaption = "  Filtration  ";

  int TypeItem = 0;        // 0 "Included", 1 "Excluded"
  int TreatmentItem = 0;   // 0 "As Hits", 1 "As Events", 2 "As Mechanic"
  bool DeleteTDP = false;  // "Delete Parametric"
  bool DeleteTR = false;   // "Delete TR"
  bool SmartEOT = false;   // "Smart End of Time"

  // Time boxes, as typed. EditForward feeds Forward and EditBackWard feeds Back.
  std::string MPT;
  std::string LOCK;
  std::string Forward;
  std::string Back;

  // Windows A, B, C (3 columns) and D (5 columns).
  std::array<FilterGrid, 4> Windows{FilterGrid::Empty(MinMaxColumns), FilterGrid::Empty(MinMaxColumns),
                                    FilterGrid::Empty(MinMaxColumns), FilterGrid::Empty(EquationColumns)};
  // Rows 1 to 4 of the expression grid ("All hits", "Second hit", "Third hit", "Any hit").
  std::array<std::string, ExpressionRows> Expressions{"A", "", "", ""};

  // Report options of the Service page and the folder relative names are taken from.
  bool MakeReport = true;    // "Make report file"
  int ReportFileItem = 0;    // 0 "Report file in each folder", 1 "Common report file"
  std::string ReportFolder;  // "Report folder"
  std::string WorkFolder;    // empty: the current directory

  // The time boxes are enabled by the treatment choice alone.
  bool EventBoxesEnabled() const { return TreatmentItem == tiAsEvents; }
  bool MechanicBoxesEnabled() const { return TreatmentItem != tiAsHits && TreatmentItem != tiAsEvents; }

  // Selecting a treatment item empties the boxes it disables, exactly as a click does.
  void SelectTreatment(int item) {
    TreatmentItem = item;
    if (!EventBoxesEnabled()) {
      MPT.clear();
      LOCK.clear();
    }
    if (item == tiAsHits || item == tiAsEvents) {
      Forward.clear();
      Back.clear();
    }
  }

  // "&Clear": every window back to one empty row, expression rows emptied. The join boxes are
  // not part of the windows' rows and stay as they are.
  void ClearWindows() {
    for (int w = 0; w < 4; ++w) Windows[w].Rows = FilterGrid::Empty(w == fwD ? EquationColumns : MinMaxColumns).Rows;
    Expressions = {"", "", "", ""};
  }
};

}  // namespace ae
