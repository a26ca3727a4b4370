#pragma once
// What a window shows in words, for the tests of the programs' languages: its caption, the texts
// of its buttons, labels, group boxes, tabs, menus and shown column titles (its child windows
// included). Header only: the widget
// tests link Qt, the test support library does not.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
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

// The texts of a shown window that do not fit the room they are given: a button, check box or
// radio item narrower than its text, a label narrower than its size hint, an edit too narrow for
// the short value (a number) it holds, a group box title
// wider than its box, tabs that need the scroll buttons, a column title or a fixed label cell
// of a grid wider than its column. One line each ("QCheckBox "text": 120 of 134 px").
inline QStringList CutTexts(const QWidget& window) {
  QStringList cut;
  auto check = [&cut](const QWidget* w, const QString& text, int has, int needs) {
    if (has < needs)
      cut << QStringLiteral("%1 \"%2\": %3 of %4 px")
                 .arg(QString::fromLatin1(w->metaObject()->className()), text)
                 .arg(has)
                 .arg(needs);
  };
  auto shown = [&window](const QWidget* w) { return w->isVisibleTo(&window); };
  auto plain = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); };
  for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
    if (!shown(b) || b->text().isEmpty()) continue;
    if (const auto* tool = qobject_cast<const QToolButton*>(b);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
      continue;
    const QStyle* style = b->style();
    int decoration = 8;  // a push button's margins
    if (qobject_cast<const QCheckBox*>(b) != nullptr)
      decoration = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    else if (qobject_cast<const QRadioButton*>(b) != nullptr)
      decoration = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
    if (!b->icon().isNull()) decoration += b->iconSize().width() + 4;
    check(b, b->text(), b->width() - decoration, b->fontMetrics().horizontalAdvance(plain(b->text())));
  }
  for (const QLabel* l : window.findChildren<QLabel*>()) {
    if (!shown(l) || l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()) continue;
    // Blanks at the end (a counter padded to its places) need not show.
    const QString text = l->text();
    const int blanks =
        l->fontMetrics().horizontalAdvance(text) -
        l->fontMetrics().horizontalAdvance(QString(text).remove(QRegularExpression(QStringLiteral(" +$"))));
    check(l, text, l->width(), l->sizeHint().width() - blanks);
  }
  // A short value (a number) an edit shows whole.
  for (const QLineEdit* e : window.findChildren<QLineEdit*>()) {
    if (!shown(e) || e->text().isEmpty() || e->text().size() > 10) continue;
    check(e, e->text(), e->width() - 10, e->fontMetrics().horizontalAdvance(e->text()));
  }
  for (const QGroupBox* g : window.findChildren<QGroupBox*>()) {
    if (!shown(g) || g->title().isEmpty()) continue;
    check(g, g->title(), g->width(), g->fontMetrics().horizontalAdvance(plain(g->title())) + 8);
  }
  for (const QTabBar* t : window.findChildren<QTabBar*>()) {
    if (!shown(t) || t->count() == 0) continue;
    const int needs = t->tabRect(t->count() - 1).right() - t->tabRect(0).left() + 1;
    check(t, t->tabText(0), t->width(), needs);
  }
  for (const QTableView* v : window.findChildren<QTableView*>()) {
    if (!shown(v) || v->model() == nullptr) continue;
    const QHeaderView* header = v->horizontalHeader();
    for (int c = 0; c < v->model()->columnCount(); ++c) {
      if (v->isColumnHidden(c) || header->isHidden()) continue;
      const QString title = v->model()->headerData(c, Qt::Horizontal).toString();
      const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      if (!title.isEmpty())
        check(v, title, header->sectionSize(c), header->fontMetrics().horizontalAdvance(title) + margins);
    }
    // The cells a program writes as labels (such as the scope of a row): neither edited nor chosen.
    if (const auto* grid = qobject_cast<const QTableWidget*>(v))
      for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
          if (const QTableWidgetItem* item = grid->item(r, c);
              item != nullptr && !item->text().isEmpty() &&
              !(item->flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable)))
            check(v, item->text(), grid->columnWidth(c), grid->fontMetrics().horizontalAdvance(item->text()) + 6);
  }
  return cut;
}

}  // namespace ae::test
