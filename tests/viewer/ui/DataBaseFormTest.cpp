#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"
#include "tests/support/StoreTestSupport.h"
#include "tests/viewer/ui/BoxRecorder.h"
#include "viewer/core/AOptions.h"
#include "viewer/ui/TDataBaseForm.h"

namespace ae {
namespace {

using Grid = TDataBaseForm::Grid;

class DataBaseForm : public ::testing::Test {
 protected:
  DataBaseForm() : store_(std::make_unique<ZTDataStore>(dir_.File("ZTData.sqlite"))) {}

  TDataBaseForm& Open() {
    form_ = std::make_unique<TDataBaseForm>(*store_, options_, nullptr);
    form_->show();
    QApplication::processEvents();
    return *form_;
  }
  template <class W>
  W* Child(const char* name) const {
    W* widget = form_->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // The rows of a grid as the texts of their first shown column.
  QStringList Rows(Grid grid) const {
    QTableView* view = form_->View(grid);
    QStringList rows;
    int column = 0;
    while (view->isColumnHidden(column)) ++column;
    for (int r = 0; r < view->model()->rowCount(); ++r) rows << view->model()->index(r, column).data().toString();
    return rows;
  }
  void Choose(Grid grid, int row) {
    QTableView* view = form_->View(grid);
    int column = 0;
    while (view->isColumnHidden(column)) ++column;
    view->setCurrentIndex(view->model()->index(row, column));
    QApplication::processEvents();
  }
  // A grid cell edited as the grid's editor does it.
  void SetCell(Grid grid, const char* header, const QVariant& value) {
    QTableView* view = form_->View(grid);
    QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c)
      if (!view->isColumnHidden(c) && model->headerData(c, Qt::Horizontal).toString() == QLatin1String(header)) {
        ASSERT_TRUE(model->setData(model->index(view->currentIndex().row(), c), value));
      }
  }
  void Key(Grid grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form_->View(grid), static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }
  void Type(const char* editor, const QString& text) { Child<QLineEdit>(editor)->setText(text); }
  void Pick(const char* combo, const char* name) {
    QComboBox* box = Child<QComboBox>(combo);
    const int index = box->findText(QString::fromLatin1(name));
    ASSERT_GE(index, 0) << name;
    box->setCurrentIndex(index);
  }
  // Every row of the three tables, to see that nothing was written.
  std::string Dump() const {
    test::RawDb db(dir_.File("ZTData.sqlite"));
    std::string text;
    for (const char* table : {"VNGrfSys", "VNGrfPge", "VNGraph"}) {
      QSqlQuery q(QSqlDatabase::database(QStringLiteral("raw-test-connection")));
      q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
      while (q.next()) {
        for (int i = 0; i < q.record().count(); ++i) text += q.value(i).toString().toStdString() + "|";
        text += "\n";
      }
    }
    return text;
  }
  bool Accepted() const { return form_->result() == QDialog::Accepted && !form_->isVisible(); }

  test::TempDir dir_;
  test::BoxRecorder boxes_;
  std::unique_ptr<ZTDataStore> store_;
  AOptions options_;
  std::unique_ptr<TDataBaseForm> form_;
};

TEST_F(DataBaseForm, ShowsSetsPagesAndGraphsAndTheChosenGraphInTheEditors) {
  Open();
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Graph Data Base.."));
  EXPECT_EQ(Rows(TDataBaseForm::gSets), QStringList({"Proof test", "Channel 3 against the others", "Location"}));
  EXPECT_EQ(Rows(TDataBaseForm::gPages), QStringList({"Activity", "Correlations", "Distributions"}));
  EXPECT_EQ(Rows(TDataBaseForm::gGraphs).size(), 5);
  EXPECT_EQ(Child<QLineEdit>("EditGraphName")->text(), QStringLiteral("Hits against time"));
  EXPECT_EQ(Child<QLineEdit>("EditRXCoord")->text(), QStringLiteral("3"));
  EXPECT_EQ(Child<QComboBox>("ComboGraphTypeID")->currentText(), QStringLiteral("Line"));
  EXPECT_EQ(Child<QComboBox>("ComboXAxisType")->currentText(), QStringLiteral("Time"));
  EXPECT_EQ(Child<QComboBox>("ComboYAxisType")->currentText(), QStringLiteral("Hits"));
  EXPECT_EQ(Child<QComboBox>("ComboYCumTypeID")->currentText(), QStringLiteral("None"));
  EXPECT_EQ(Child<QComboBox>("ComboYBinSumTypeID")->currentText(), QStringLiteral("Sum"));
  // The axes offer the location of the events too.
  for (const char* axis : {"ComboXAxisType", "ComboYAxisType"})
    for (const char* name : {"Location X, m", "Location Y, m"})
      EXPECT_GE(Child<QComboBox>(axis)->findText(QString::fromLatin1(name)), 0) << axis << " " << name;

  Choose(TDataBaseForm::gPages, 1);
  EXPECT_EQ(Rows(TDataBaseForm::gGraphs).size(), 6);
  EXPECT_EQ(Child<QLineEdit>("EditGraphName")->text(), QStringLiteral("Counts against amplitude"));
  EXPECT_TRUE(Child<QCheckBox>("CheckYLogType")->isChecked());
  EXPECT_TRUE(Child<QComboBox>("ComboYBinSumTypeID")->currentText().isEmpty());  // a point graph: none
  Choose(TDataBaseForm::gSets, 1);
  EXPECT_EQ(Rows(TDataBaseForm::gPages), QStringList({"Channel 3", "Other channels"}));
  EXPECT_EQ(Child<QLineEdit>("EditChannels")->text(), QStringLiteral("3"));

  // Opened again on the graph set the pages show.
  options_.CurrentGraphSet = 2;
  Open();
  EXPECT_EQ(form_->ChosenKey(TDataBaseForm::gSets), 2);
}

TEST_F(DataBaseForm, AddsASetWithAPageAndAGraphInOneWriteAndMakesTheSetCurrent) {
  Open();
  Key(TDataBaseForm::gSets, Qt::Key_Insert);
  EXPECT_EQ(Rows(TDataBaseForm::gSets).size(), 4);
  EXPECT_TRUE(Rows(TDataBaseForm::gPages).isEmpty());
  EXPECT_FALSE(Child<QWidget>("GraphEditors")->isEnabled());
  SetCell(TDataBaseForm::gSets, "Name", QStringLiteral("Leak test"));
  Key(TDataBaseForm::gPages, Qt::Key_Insert);
  SetCell(TDataBaseForm::gPages, "Name", QStringLiteral("Burst"));
  Key(TDataBaseForm::gGraphs, Qt::Key_Insert);
  ASSERT_TRUE(Child<QWidget>("GraphEditors")->isEnabled());
  Type("EditGraphName", QStringLiteral("Energy distribution"));
  Pick("ComboGraphTypeID", "Histogram");
  Pick("ComboXAxisType", "Energy");
  Pick("ComboYAxisType", "Hits");
  Type("EditXMin", QStringLiteral(" 1 "));
  Type("EditXMax", QStringLiteral("100000"));
  Child<QCheckBox>("CheckXLogType")->setChecked(true);
  Type("EditChannels", QStringLiteral("1, 3;128"));
  Type("EditXBinNum", QStringLiteral("50"));
  Pick("ComboYCumTypeID", "Cumulative from the left");
  Pick("ComboYBinSumTypeID", "Sum");
  // A second graph takes the next free cell of the page grid.
  Key(TDataBaseForm::gGraphs, Qt::Key_Insert);
  EXPECT_EQ(Child<QLineEdit>("EditLXCoord")->text(), QStringLiteral("1"));
  Type("EditGraphName", QStringLiteral("Amplitude against time"));
  // Changing an existing graph on the way.
  Choose(TDataBaseForm::gSets, 0);
  Pick("ComboYAxisType", "Energy");
  Choose(TDataBaseForm::gSets, 3);

  Child<QPushButton>("BitBtn3")->click();
  ASSERT_TRUE(Accepted());
  EXPECT_TRUE(boxes_.Boxes.empty());
  GraphDatabase db(*store_);
  const auto set = db.FindGraphSet(4);  // the next key of the store
  ASSERT_TRUE(set);
  EXPECT_EQ(set->Name, "Leak test");
  EXPECT_EQ(options_.CurrentGraphSet, 4);
  EXPECT_EQ(options_.LastUsedGraphNo, 4);
  const auto pages = db.PagesOf(4);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].GrPageName, "Burst");
  EXPECT_EQ(pages[0].GPageID, 8);
  const auto graphs = db.GraphsOf(8);
  ASSERT_EQ(graphs.size(), 2u);
  const GraphRow& g = graphs[0];
  EXPECT_EQ(g.GraphID, 29);
  EXPECT_EQ(g.GraphName, "Energy distribution");
  EXPECT_EQ(g.GraphTypeID, 3);
  EXPECT_EQ(g.XAxisType, 64);
  EXPECT_EQ(g.YAxisType, 0);
  EXPECT_EQ(std::make_tuple(g.LXCoord, g.LYCoord, g.RXCoord, g.RYCoord), std::make_tuple(0, 0, 1, 1));
  EXPECT_EQ(std::make_pair(g.XMin, g.XMax), std::make_pair(1, 100000));
  EXPECT_TRUE(g.XLogType);
  EXPECT_FALSE(g.YLogType);
  EXPECT_EQ(g.Channels, "1, 3;128");
  EXPECT_EQ(g.XBinNum, 50);
  EXPECT_EQ(g.YCumTypeID, 2);
  EXPECT_EQ(g.YBinSumTypeID, 4);
  EXPECT_EQ(std::make_tuple(graphs[1].LXCoord, graphs[1].RXCoord, graphs[1].GraphName),
            std::make_tuple(1, 2, std::string("Amplitude against time")));
  EXPECT_EQ(db.GraphsOf(1)[0].YAxisType, 64);
  EXPECT_EQ(db.GraphsOf(1)[1].YAxisType, 0);  // the graphs only looked at keep their values
  // Numbers typed as text are stored as numbers.
  test::RawDb raw(dir_.File("ZTData.sqlite"));
  EXPECT_EQ(raw.Scalar(QStringLiteral("SELECT typeof(XMin) FROM VNGraph WHERE GraphID = 29")).toString(),
            QStringLiteral("integer"));
}

TEST_F(DataBaseForm, CancelLeavesTheDatabaseAsItWas) {
  const std::string before = Dump();
  Open();
  Type("EditGraphName", QStringLiteral("Renamed"));
  Key(TDataBaseForm::gGraphs, Qt::Key_Insert);
  Choose(TDataBaseForm::gPages, 2);
  Key(TDataBaseForm::gPages, Qt::Key_Delete, Qt::ControlModifier);
  Key(TDataBaseForm::gSets, Qt::Key_Insert);
  Child<QPushButton>("BitBtn4")->click();
  EXPECT_EQ(form_->result(), QDialog::Rejected);
  form_.reset();
  EXPECT_EQ(Dump(), before);
  EXPECT_EQ(options_.CurrentGraphSet, 0);
}

TEST_F(DataBaseForm, DeletesASetWithItsPagesAndGraphsOnlyWhenConfirmed) {
  Open();
  Choose(TDataBaseForm::gSets, 1);
  boxes_.AnswerYes = false;
  Key(TDataBaseForm::gSets, Qt::Key_Delete, Qt::ControlModifier);
  ASSERT_EQ(boxes_.Boxes.size(), 1u);
  EXPECT_TRUE(MessageSeam::AsksYesNo(boxes_.Boxes[0].kind));
  EXPECT_EQ(Rows(TDataBaseForm::gSets).size(), 3);
  boxes_.AnswerYes = true;
  Key(TDataBaseForm::gSets, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Rows(TDataBaseForm::gSets), QStringList({"Proof test", "Location"}));
  EXPECT_EQ(Rows(TDataBaseForm::gPages), QStringList({"Linear", "Planar"}));  // the next set is chosen
  Child<QPushButton>("BitBtn3")->click();
  ASSERT_TRUE(Accepted());
  test::RawDb raw(dir_.File("ZTData.sqlite"));
  EXPECT_EQ(raw.Scalar(QStringLiteral("SELECT count(*) FROM VNGrfSys")).toInt(), 2);
  EXPECT_EQ(raw.Scalar(QStringLiteral("SELECT count(*) FROM VNGrfPge WHERE GSystemID = 2")).toInt(), 0);
  EXPECT_EQ(raw.Scalar(QStringLiteral("SELECT count(*) FROM VNGraph WHERE GraphID BETWEEN 16 AND 23")).toInt(), 0);
  EXPECT_EQ(raw.Scalar(QStringLiteral("SELECT count(*) FROM VNGraph")).toInt(), 20);
  EXPECT_EQ(options_.CurrentGraphSet, 3);
}

TEST_F(DataBaseForm, RefusesBadInputBeforeWritingAnything) {
  struct Case {
    const char* Editor;  // a graph editor, or a grid column header of the graphs grid
    const char* Text;
    const char* Message;
  };
  // The first graph covers columns 0..2 and rows 0..1 of the 5 x 4 grid.
  const Case cases[] = {
      {"EditXMin", "12a", "\"X Min\" of graph 0 \"Hits against time\" on the page \"Activity\" is \"12a\""},
      {"EditLYCoord", "", "\"Left Y\" of graph 0"},
      {"LX", "one", "\"Left X\" of graph 0"},  // a grid cell
      {"EditRXCoord", "6", "does not fit the page grid of 5 columns and 4 rows"},
      {"EditLXCoord", "3", "does not fit the page grid"},  // no column left
      {"EditRYCoord", "0", "does not fit the page grid"},
      {"EditLXCoord", "-1", "does not fit the page grid"},
      {"EditChannels", "1,129", "not a list of channels 1..128 (for example 1,2,5): \"129\""},
      {"EditChannels", "1-4", "not a list of channels 1..128"},
  };
  const std::string before = Dump();
  for (const Case& c : cases) {
    boxes_.Boxes.clear();
    Open();
    if (c.Editor[0] == 'E') Type(c.Editor, QString::fromLatin1(c.Text));
    else SetCell(TDataBaseForm::gGraphs, c.Editor, QString::fromLatin1(c.Text));
    Type("EditGraphName", QStringLiteral("Hits against time"));
    Child<QPushButton>("BitBtn3")->click();
    ASSERT_EQ(boxes_.Boxes.size(), 1u) << c.Editor << " " << c.Text;
    EXPECT_TRUE(boxes_.Boxes[0].text.contains(QString::fromLatin1(c.Message)))
        << c.Editor << " " << c.Text << ": " << boxes_.Boxes[0].text.toStdString();
    EXPECT_FALSE(Accepted()) << c.Editor;
    EXPECT_EQ(options_.CurrentGraphSet, 0);
    form_.reset();
    EXPECT_EQ(Dump(), before) << c.Editor;
  }
}

TEST_F(DataBaseForm, RefusesAPageWithMoreGraphsThanCells) {
  options_.HorizGraphNum = 2;
  options_.VertGraphNum = 2;
  Open();
  Choose(TDataBaseForm::gSets, 1);  // its first page has 4 graphs
  Key(TDataBaseForm::gGraphs, Qt::Key_Insert);
  Child<QPushButton>("BitBtn3")->click();
  ASSERT_EQ(boxes_.Boxes.size(), 1u);
  EXPECT_TRUE(boxes_.Boxes[0].text.contains(
      QStringLiteral("The page \"Channel 3\" has 5 graphs, more than the 4 cells of the page grid (2 x 2)")))
      << boxes_.Boxes[0].text.toStdString();
  EXPECT_FALSE(Accepted());
}

TEST_F(DataBaseForm, AFailedWriteRollsEverythingBack) {
  {
    test::RawDb raw(dir_.File("ZTData.sqlite"));
    ASSERT_TRUE(raw.Exec(
        QStringLiteral("CREATE TRIGGER NoGraphs BEFORE INSERT ON VNGraph BEGIN SELECT RAISE(ABORT, 'refused'); END")));
  }
  const std::string before = Dump();
  Open();
  Key(TDataBaseForm::gSets, Qt::Key_Insert);
  SetCell(TDataBaseForm::gSets, "Name", QStringLiteral("Never written"));
  Key(TDataBaseForm::gPages, Qt::Key_Insert);
  Key(TDataBaseForm::gGraphs, Qt::Key_Insert);
  Child<QPushButton>("BitBtn3")->click();
  ASSERT_EQ(boxes_.Boxes.size(), 1u);
  EXPECT_TRUE(boxes_.Boxes[0].text.startsWith(QStringLiteral("The graph database was not changed")));
  EXPECT_TRUE(boxes_.Boxes[0].text.contains(QStringLiteral("refused")));
  EXPECT_FALSE(Accepted());
  EXPECT_EQ(Dump(), before);                        // the set and the page written before the graph are gone again
  EXPECT_EQ(Rows(TDataBaseForm::gSets).size(), 3);  // the window shows what the database holds
  EXPECT_EQ(options_.CurrentGraphSet, 0);
}

}  // namespace
}  // namespace ae
