#include "ui/DialogPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ae {

void CenterOnOwner(QWidget* window, const QWidget* owner) {
  if (!window || !owner) return;
  window->adjustSize();
  const QRect frame = owner->frameGeometry();
  // A window not shown yet may report a frame a pixel smaller than itself: never less than it.
  QRect rect(QPoint(0, 0), window->frameGeometry().size().expandedTo(window->size()));
  rect.moveCenter(frame.center());
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
  }
  window->move(rect.topLeft());
}

}  // namespace ae
