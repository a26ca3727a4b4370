#pragma once
// Numbers in the edits and grid cells of the viewer's setting windows. A real is shown with fewer
// digits than it may have (general notation, 6 significant digits); the control keeps the value
// it was filled with, so that a text nobody changed gives back that value exactly rather than its
// rounded text, and pressing OK never changes a setting by itself.
#include <QString>
#include <optional>

class QLineEdit;
class QTableWidgetItem;

namespace ae {

// General notation with a point as separator: 4 gives "4", 0.8f with 6 digits "0.8".
QString GeneralText(double value, int digits);

void ShowReal(QLineEdit* edit, double value, int digits);
void ShowReal(QTableWidgetItem* cell, double value, int digits);
// The value shown, or the text read as a real; none when it is not a finite number.
std::optional<double> RealOf(const QLineEdit* edit);
std::optional<double> RealOf(const QTableWidgetItem* cell);
// The text read as a whole number (decimal, or hexadecimal after "0x").
std::optional<int> IntOf(const QString& text);

}  // namespace ae
