#pragma once

#include <QIcon>
#include <QPixmap>

namespace ae {

// The filter program's icon: an AE burst falling into a funnel. Drawn rather than loaded so that
// every size is sharp; frame 0 is the still icon, frames 1 to 5 move the burst along (the About
// box animates the six frames).
class ProgramIcon {
 public:
  static constexpr int FrameCount = 6;
  static QPixmap Pixmap(int size, int frame = 0);
  static QIcon Icon();
};

}  // namespace ae
