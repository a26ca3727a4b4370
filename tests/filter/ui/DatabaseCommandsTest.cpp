// "&Insert", "&Open", "&Update" and the browse dialog's delete, through the filter database.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include "filter/ui/TFFilterBase.h"
#include "filter/ui/TFilterGrid.h"
#include "tests/filter/ui/FilterUiFixture.h"

namespace ae::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class DatabaseCommands : public FilterUi {
 public:
  void Click(const char* name) { Find<QPushButton>(name)->click(); }

  // A filter using every stored part of the window.
  void FillWindow(TMainForm& w) {
    Find<QLineEdit>("EditFilterName")->setText("Knock");
    w.Grid(fwA)->SetRows({{"Amplitude", "40", "100"}, {"Counts", "5", "5000"}});
    w.Grid(fwC)->SetRows({{"Duration", "1.5", "2e4"}});
    w.Grid(fwD)->SetRows({{"Counts", "<=", "0.5", "Duration", "-3"}});
    Find<QCheckBox>("BoxDepA")->setChecked(true);
    Find<QCheckBox>("BoxDepD")->setChecked(true);
    Find<QCheckBox>("CheckBoxTDP")->setChecked(true);
    Find<QCheckBox>("CheckBoxEOT")->setChecked(true);
    w.Filtration().RadioGroupEventTypeClick(tiAsEvents);
    Find<QLineEdit>("EditMPT")->setText("50");
    Find<QLineEdit>("EditLOCK")->setText("1000");
    w.Expressions()->item(0, 1)->setText("A&(C|D)");
    w.Expressions()->item(2, 1)->setText("B");
  }

  // Opens the browse dialog, lets act work on it, and leaves it with OK (or Cancel).
  void Browse(std::function<void(TFFilterBase&)> act, bool ok = true) {
    OnNextModal([act, ok](QWidget* modal) {
      auto* dialog = qobject_cast<TFFilterBase*>(modal);
      ASSERT_NE(dialog, nullptr);
      act(*dialog);
      ok ? dialog->accept() : dialog->reject();
    });
    Click("BaseLoad");
  }
};

TEST_F(DatabaseCommands, InsertOpenUpdateAndDeleteAFilter) {
  TMainForm& w = Window();
  EXPECT_FALSE(Find<QPushButton>("BaseUpdate")->isEnabled());
  FillWindow(w);
  const FilterControls stored = w.ReadControls();

  Click("BaseAdd");
  MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.kind, MessageSeam::Kind::Information);
  EXPECT_EQ(box.text, Msg(1052));
  EXPECT_EQ(box.caption, Msg(1201));
  const int first = w.CurrentFilterId();
  EXPECT_NE(first, 0);
  EXPECT_TRUE(Find<QPushButton>("BaseUpdate")->isEnabled());

  // The same name again is another filter.
  ClearBoxes();
  Click("BaseAdd");
  const int second = w.CurrentFilterId();
  EXPECT_NE(second, first);
  EXPECT_EQ(data_->Filters().Filters().size(), 2u);

  // Clearing does not forget the current filter; opening the first one fills the window again.
  w.N3Click();
  w.Filtration().RadioGroupEventTypeClick(tiAsHits);
  Find<QLineEdit>("EditFilterName")->setText("something else");
  EXPECT_EQ(w.CurrentFilterId(), second);
  ClearBoxes();
  Browse([first](TFFilterBase& d) {
    EXPECT_EQ(d.Grid()->rowCount(), 2);
    EXPECT_TRUE(d.SelectFid(first));
  });
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(w.CurrentFilterId(), first);
  const FilterControls loaded = w.ReadControls();
  EXPECT_EQ(loaded.FilterName, "Knock");
  EXPECT_EQ(loaded.TreatmentItem, tiAsEvents);
  EXPECT_EQ(loaded.MPT, "50");
  EXPECT_EQ(loaded.LOCK, "1000");
  EXPECT_TRUE(loaded.DeleteTDP);
  EXPECT_TRUE(loaded.SmartEOT);
  EXPECT_EQ(loaded.Windows[fwA].Rows, stored.Windows[fwA].Rows);
  EXPECT_TRUE(loaded.Windows[fwA].JoinAnd);
  EXPECT_EQ(loaded.Windows[fwB].Rows, (Rows{{"", "", ""}}));
  EXPECT_EQ(loaded.Windows[fwC].Rows, (Rows{{"Duration", "1.5", "20000"}}));
  EXPECT_EQ(loaded.Windows[fwD].Rows, (Rows{{"Counts", "<=", "0.5", "Duration", "-3"}}));
  EXPECT_TRUE(loaded.Windows[fwD].JoinAnd);
  EXPECT_EQ(loaded.Expressions, (std::array<std::string, 4>{"A&(C|D)", "", "B", ""}));
  EXPECT_TRUE(Find<QLineEdit>("EditMPT")->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>("EditForward")->isEnabled());
  // The activation that follows the dialog keeps the loaded main expression.
  w.FormActivate();
  EXPECT_EQ(w.Expressions()->item(0, 1)->text(), "A&(C|D)");

  // Update rewrites the current filter.
  Find<QLineEdit>("EditFilterName")->setText("Knock, narrower");
  w.Grid(fwA)->SetRows({{"Amplitude", "60", "100"}});
  ClearBoxes();
  Click("BaseUpdate");
  box = OnlyBox();
  EXPECT_EQ(box.text, Msg(1053));
  EXPECT_EQ(box.caption, Msg(1201));
  FilterControls check;
  ASSERT_TRUE(data_->Filters().LoadInto(first, check));
  EXPECT_EQ(check.FilterName, "Knock, narrower");
  EXPECT_EQ(check.Windows[fwA].Rows, (Rows{{"Amplitude", "60", "100"}}));

  // Deleting it in the browse dialog (after a Yes), then updating, tells to insert instead.
  ClearBoxes();
  answers_ = {true};
  Browse(
      [first](TFFilterBase& d) {
        ASSERT_TRUE(d.SelectFid(first));
        EXPECT_TRUE(d.DeleteCurrent());
        EXPECT_FALSE(d.SelectFid(first));
        EXPECT_EQ(d.Grid()->rowCount(), 1);
      },
      false);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, MessageSeam::Kind::YesNoWarning);
  EXPECT_FALSE(data_->Filters().Exists(first));
  EXPECT_EQ(w.CurrentFilterId(), first);  // Cancel loads nothing
  ClearBoxes();
  Click("BaseUpdate");
  EXPECT_EQ(OnlyBox().text, Msg(1054));
  EXPECT_FALSE(data_->Filters().Exists(first));
  EXPECT_EQ(data_->Filters().Filters().size(), 1u);
}

TEST_F(DatabaseCommands, AnInvalidWindowIsNeitherInsertedNorUpdated) {
  TMainForm& w = Window();
  FillWindow(w);
  Click("BaseAdd");
  const int fid = w.CurrentFilterId();
  ClearBoxes();
  w.Grid(fwB)->SetRows({{"Amplitude", "90", "10"}});
  Click("BaseAdd");
  MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.kind, MessageSeam::Kind::Error);
  EXPECT_EQ(box.caption, Msg(1200));
  EXPECT_EQ(box.text, "Окно B Запись 1\n" + Msg(806));
  ClearBoxes();
  Click("BaseUpdate");
  EXPECT_EQ(OnlyBox().caption, Msg(1200));
  EXPECT_EQ(data_->Filters().Filters().size(), 1u);
  FilterControls check;
  ASSERT_TRUE(data_->Filters().LoadInto(fid, check));
  EXPECT_EQ(check.Windows[fwB].Rows, (Rows{{"", "", ""}}));
}

TEST_F(DatabaseCommands, TheBrowseDialogNavigatesAndAnswersNoToDelete) {
  TMainForm& w = Window();
  FillWindow(w);
  for (const char* name : {"one", "two", "three"}) {
    Find<QLineEdit>("EditFilterName")->setText(name);
    Click("BaseAdd");
  }
  TFFilterBase dialog(data_->Filters(), &w);
  ASSERT_EQ(dialog.Grid()->rowCount(), 3);
  EXPECT_EQ(dialog.Grid()->horizontalHeaderItem(1)->text(), "Дата");
  EXPECT_EQ(dialog.Grid()->horizontalHeaderItem(2)->text(), "Название фильтра");
  EXPECT_TRUE(dialog.Grid()->isColumnHidden(0));
  const auto names = [&] { return dialog.Grid()->item(dialog.Grid()->currentRow(), 2)->text(); };
  EXPECT_EQ(names(), "one");
  dialog.Last();
  EXPECT_EQ(names(), "three");
  dialog.Prior();
  EXPECT_EQ(names(), "two");
  dialog.First();
  dialog.Next();
  EXPECT_EQ(names(), "two");
  QStringList hints;
  for (QToolButton* b : dialog.findChildren<QToolButton*>()) hints << b->toolTip();
  EXPECT_EQ(hints, (QStringList{"Первая", "Предыдущая", "Следующая", "Последняя", "Удалить"}));

  ClearBoxes();
  answers_ = {false};
  EXPECT_FALSE(dialog.DeleteCurrent());
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(dialog.Grid()->rowCount(), 3);
  EXPECT_EQ(data_->Filters().Filters().size(), 3u);
}

}  // namespace
}  // namespace ae::test
