#include "viewer/ui/ShownNumbers.h"

#include <QLineEdit>
#include <QTableWidgetItem>
#include <QVariant>

#include "ui/QtText.h"
#include "viewer/core/ProfileValues.h"

namespace ae {

namespace {

constexpr const char* ShownValue = "shownValue";
constexpr const char* ShownText = "shownText";
constexpr int ValueRole = Qt::UserRole;
constexpr int TextRole = Qt::UserRole + 1;

std::optional<double> Parse(const QString& text) { return ParseProfileReal(S(text)); }

}  // namespace

QString GeneralText(double value, int digits) { return QString::number(value, 'g', digits); }

void ShowReal(QLineEdit* edit, double value, int digits) {
  const QString text = GeneralText(value, digits);
  edit->setText(text);
  edit->setProperty(ShownValue, value);
  edit->setProperty(ShownText, text);
}

void ShowReal(QTableWidgetItem* cell, double value, int digits) {
  const QString text = GeneralText(value, digits);
  cell->setText(text);
  cell->setData(ValueRole, value);
  cell->setData(TextRole, text);
}

std::optional<double> RealOf(const QLineEdit* edit) {
  const QVariant shown = edit->property(ShownText);
  if (shown.isValid() && shown.toString() == edit->text()) return edit->property(ShownValue).toDouble();
  return Parse(edit->text());
}

std::optional<double> RealOf(const QTableWidgetItem* cell) {
  if (cell == nullptr) return std::nullopt;
  const QVariant shown = cell->data(TextRole);
  if (shown.isValid() && shown.toString() == cell->text()) return cell->data(ValueRole).toDouble();
  return Parse(cell->text());
}

std::optional<int> IntOf(const QString& text) { return ParseProfileInt(S(text)); }

}  // namespace ae
