// "&Report View" with its viewer, the help file and window, and the About box.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <fstream>

#include "filter/ui/TAboutBox.h"
#include "filter/ui/TFProtocolView.h"
#include "filter/ui/TFilterGrid.h"
#include "tests/filter/ui/FilterUiFixture.h"
#include "ui/AboutFacts.h"
#include "ui/THelpWindow.h"

namespace ae::test {
namespace {

const char* const Block = "05.03.2026\t\tVessel test\nИсточник : \tA.DTA\nResults :  \tok\n\n";

class ReportHelpAbout : public FilterUi {
 public:
  void WriteReport(const std::string& path, const std::string& text = Block) {
    std::ofstream(path, std::ios::binary) << text;
  }
};

TEST_F(ReportHelpAbout, ReportViewShowsTheFileWhereTheNextRunWritesIt) {
  TMainForm& w = Window();
  // Per folder: the current directory (the test's folder) without a work folder.
  const QString here = QDir::current().absoluteFilePath("Protocol.txt");
  EXPECT_EQ(w.ReportPath(), here);
  w.BitBtnProtocolViewClick();
  MessageSeam::Box box = OnlyBox();
  EXPECT_EQ(box.kind, MessageSeam::Kind::Error);
  EXPECT_EQ(box.caption, Msg(1200));
  EXPECT_EQ(box.text, Msg(1045) + here + Msg(1046));

  // A common folder, with or without its closing "/".
  std::filesystem::create_directory(dir_.File("common"));
  for (const std::string& folder : {dir_.File("common"), dir_.File("common") + "/"}) {
    Find<QLineEdit>("EditPrtFileDir")->setText(QString::fromStdString(folder));
    for (QRadioButton* b : w.findChildren<QRadioButton*>())
      if (b->text() == "Common report file") b->click();
    EXPECT_EQ(w.ReportPath().toStdString(), dir_.File("common") + "/Protocol.txt");
  }
  WriteReport(dir_.File("common/Protocol.txt"));
  ClearBoxes();
  QString shown;
  OnNextModal([&](QWidget* modal) {
    auto* view = qobject_cast<TFProtocolView*>(modal);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Просмотр файла протокола");
    EXPECT_TRUE(view->View()->isReadOnly());
    shown = view->View()->toPlainText();
    EXPECT_EQ(view->findChild<QStatusBar*>()->currentMessage().toStdString(), dir_.File("common/Protocol.txt"));
    view->accept();
  });
  w.BitBtnProtocolViewClick();
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(shown.toStdString(), Block);

  // "Make report file" off still shows an existing report.
  Find<QCheckBox>("CheckBoxPrtEnable")->click();
  OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
  w.BitBtnProtocolViewClick();
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ReportHelpAbout, TheViewerFindsDownwardsMatchingCaseCopiesAndSaves) {
  const std::string path = dir_.File("Protocol.txt");
  WriteReport(path, "Amplitude\tamplitude {x}\nAmplitude again\n");
  TFProtocolView view(QString::fromStdString(path), nullptr);
  QTextEdit* text = view.View();

  EXPECT_TRUE(view.FindNext("Amplitude"));
  EXPECT_EQ(text->textCursor().selectionStart(), 0);
  EXPECT_TRUE(view.FindNext("Amplitude"));  // from the end of the selection: skips "amplitude"
  EXPECT_EQ(text->textCursor().selectionStart(), 24);
  const QTextCursor before = text->textCursor();
  EXPECT_FALSE(view.FindNext("Amplitude"));  // downward only: nothing below
  EXPECT_EQ(text->textCursor().selectionStart(), before.selectionStart());
  EXPECT_FALSE(view.FindNext("AMPLITUDE"));

  // Copy goes through the menu's shortcut.
  QAction* copy = nullptr;
  QAction* find = nullptr;
  QAction* print = nullptr;
  for (QAction* a : view.findChildren<QAction*>()) {
    if (a->text() == "&Копировать") copy = a;
    if (a->text() == "&Поиск...") find = a;
    if (a->text() == "&Печать...") print = a;
  }
  ASSERT_TRUE(copy && find && print);
  EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
  EXPECT_EQ(find->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_FALSE(print->isEnabled());
  copy->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "Amplitude");

  // Save as: plain text for ".txt", rich text otherwise; a folder that is not there fails.
  EXPECT_TRUE(view.SaveTo(QString::fromStdString(dir_.File("copy.txt"))));
  EXPECT_EQ(ReadFileBytes(dir_.File("copy.txt")), ReadFileBytes(path));
  EXPECT_TRUE(view.SaveTo(QString::fromStdString(dir_.File("copy.rtf"))));
  const auto rtf = ReadFileBytes(dir_.File("copy.rtf"));
  const std::string rtfText(rtf.begin(), rtf.end());
  EXPECT_EQ(rtfText.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtfText.find("Amplitude\\tab amplitude \\{x\\}\\par\n"), std::string::npos) << rtfText;
  EXPECT_EQ(TFProtocolView::ToRtf("Ия").toStdString(),
            std::string("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}"
                        "\\f0\\fs20\n\\u1048?\\u1103?}\n"));
  EXPECT_FALSE(view.SaveTo(QString::fromStdString(dir_.File("missing/copy.rtf"))));
}

TEST_F(ReportHelpAbout, TheHelpFileHasTheTopicsAndHelpOpensTopic160) {
  THelpWindow::SetHelpFile("");
  ClearBoxes();
  Window().BitBtn4Click();  // no help file, no help
  EXPECT_EQ(THelpWindow::Instance(), nullptr);
  EXPECT_TRUE(boxes_.empty());

  THelpWindow::SetHelpFile(AE_HELP_FILE);
  ClearBoxes();
  Window().BitBtn4Click();
  THelpWindow* help = THelpWindow::Instance();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentContext(), TMainForm::HelpContext);
  for (int topic : {160, 161, 162, 163, 164, 165, 166, 167}) EXPECT_TRUE(help->HasTopic(topic)) << topic;
  EXPECT_FALSE(help->OpenContext(999));
  help->close();
  QApplication::processEvents();
  THelpWindow::SetHelpFile("");
}

TEST_F(ReportHelpAbout, TheAboutBoxShowsVersionMemoryAndLinkAndAnimatesItsIcon) {
  TAboutBox about(&Window());
  EXPECT_EQ(about.windowTitle(), "About...");
  QStringList texts;
  for (QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
  EXPECT_TRUE(texts.contains("Build :"));
  EXPECT_TRUE(texts.contains(AboutFacts::Version()));
  EXPECT_TRUE(texts.contains("Memory Used"));
  EXPECT_TRUE(texts.contains(AboutFacts::MemoryLoadText()));
  auto* link = about.findChild<QLabel*>("LinkLabel");
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->openExternalLinks());
  EXPECT_TRUE(link->text().contains(AboutFacts::MakerUrl()));

  // A double-click on the icon starts the six images, a further one stops them.
  QLabel* icon = nullptr;
  for (QLabel* l : about.findChildren<QLabel*>())
    if (!l->pixmap().isNull()) icon = l;
  ASSERT_NE(icon, nullptr);
  about.show();
  QTest::mouseDClick(icon, Qt::LeftButton);
  EXPECT_TRUE(about.IsAnimating());
  QTest::qWait(450);
  EXPECT_GE(about.Frame(), 1);
  QTest::mouseDClick(icon, Qt::LeftButton);
  EXPECT_FALSE(about.IsAnimating());
}

TEST_F(ReportHelpAbout, EscapeClosesTheAboutBoxButNeverTheMainWindow) {
  TMainForm& w = Window();
  w.show();
  QApplication::setActiveWindow(&w);
  w.Grid(fwA)->setFocus();
  QTest::keyClick(w.Grid(fwA), Qt::Key_Escape);
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(boxes_.empty());  // not even the exit question

  TAboutBox about(&w);
  about.show();
  QTest::keyClick(about.focusWidget() != nullptr ? about.focusWidget() : &about, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace ae::test
