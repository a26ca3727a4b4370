#pragma once
// Small pieces the filter program's window and pages are laid out with.
#include <QString>

class QButtonGroup;
class QGroupBox;
class QLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ae {

QGroupBox* NewGroupBox(const QString& title, QWidget* parent);

// The window's close spacing: the form is laid out in pixels.
void TightenLayout(QLayout* layout, int margin = 4, int spacing = 3);

// A radio item of a group: its id is its index in the group, in the order added.
QRadioButton* AddRadioItem(QButtonGroup* group, QLayout* layout, const QString& text, QWidget* parent);

// Selects item of a radio group without a click (no click handler runs).
void CheckItem(QButtonGroup* group, int item);

// Sets an edit box's text only when it differs, so that a box whose text stays keeps its
// cursor and undo history.
void SetTextKept(QLineEdit* edit, const QString& text);

}  // namespace ae
