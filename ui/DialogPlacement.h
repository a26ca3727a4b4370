#pragma once

class QWidget;

namespace ae {

// Centres a window over its owner and moves it back onto the owner's screen where it would
// stick out, as both programs place their modal windows.
void CenterOnOwner(QWidget* window, const QWidget* owner);

}  // namespace ae
