#pragma once
// What a window shows in words, for the tests of the programs' languages: its caption, the texts
// of its buttons, labels, group boxes, tabs, menus and shown column titles (its child windows
// included). Header only: the widget
// tests link Qt, the test support library does not.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>

#include "tests/support/TsFile.h"

namespace ae::test {

// Every text the window and the widgets in it show (a menu's items included). The standard
// buttons of a button box are Qt's own texts and left out.
inline QStringList WindowTexts(const QWidget& window) {
  QStringList texts{window.windowTitle()};
  auto addActions = [&texts](const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
      texts << action->text() << action->toolTip();
      if (action->menu() != nullptr) texts << action->menu()->title();
    }
  };
  addActions(window.actions());
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    if (box != nullptr && box->standardButton(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::NoButton)
      continue;
    texts << button->text() << button->toolTip();
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) texts << group->title();
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  for (const QMenu* menu : window.findChildren<QMenu*>()) {
    texts << menu->title();
    addActions(menu->actions());
  }
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    addActions(widget->actions());
    texts << widget->toolTip();
  }
  for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr || qobject_cast<const QHeaderView*>(view) != nullptr) continue;  // the view's own header
    const auto* table = qobject_cast<const QTableView*>(view);
    for (int c = 0; c < model->columnCount(); ++c)
      if (table == nullptr || !table->isColumnHidden(c)) texts << model->headerData(c, Qt::Horizontal).toString();
  }
  texts.removeAll(QString());
  texts.removeDuplicates();
  return texts;
}

// The English texts of the translation sources whose Russian differs: a window of a program that
// runs in Russian shows none of them.
inline QSet<QString> TranslatedEnglishTexts(const QStringList& tsFiles) {
  QSet<QString> english;
  for (const QString& file : tsFiles)
    for (const TsMessage& m : ReadTsFile(file))
      if (m.Translation != m.Source) english.insert(m.Source);
  return english;
}

// The texts of the window that are left in English.
inline QStringList EnglishTextsOf(const QWidget& window, const QSet<QString>& english) {
  QStringList left;
  for (const QString& text : WindowTexts(window))
    if (english.contains(text)) left << text;
  return left;
}

}  // namespace ae::test
