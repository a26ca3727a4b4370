#pragma once

#include <QIcon>
#include <QPixmap>

namespace ae {

// The programs' icons, drawn rather than loaded so that every size is sharp. Both share one
// style: a rounded tile with a bright sign on it.
// - Zmfwin ("AE Sorvel", the filter): an AE burst falling into a funnel.
// - ZmvWin2 ("AE Varnel", the viewer): hits scattered over a graph's axes, one of them bursting.
// Frame 0 is the still icon; frames 1 to 5 move the burst along (an About box may animate the
// six frames).
class ProgramIcon {
 public:
  enum Program { Zmfwin, ZmvWin2 };
  static constexpr int FrameCount = 6;

  static QPixmap Pixmap(Program program, int size, int frame = 0);
  // Every size from 16 to 256 pixels, for windows, the notification area and the desktop.
  static QIcon Icon(Program program);
};

}  // namespace ae
