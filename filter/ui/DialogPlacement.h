#pragma once

class QWidget;

namespace ae {

// Centres a window over its owner and moves it back onto the owner's screen where it would
// stick out, as every modal window of the filter program is placed.
void CenterOnOwner(QWidget* window, const QWidget* owner);

}  // namespace ae
