// The help window over "DAVIZ.UDU": found beside the program, opened at a topic by its number.
#include <QApplication>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "ui/THelpWindow.h"

namespace ae {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (THelpWindow* help = THelpWindow::Instance()) help->close();
    QApplication::processEvents();
    THelpWindow::SetHelpFile("");
    THelpWindow::SetProgramTitle("");
  }
  QString Write(const std::string& name, const std::string& html) {
    std::ofstream(dir_.File(name), std::ios::binary) << html;
    return QString::fromStdString(dir_.File(name));
  }
  test::TempDir dir_;
};

TEST_F(HelpWindowTest, TheHelpFileIsFoundBesideTheProgram) {
  std::filesystem::create_directory(dir_.File("bin"));
  std::filesystem::copy_file(AE_HELP_FILE, dir_.File("bin/DAVIZ.UDU"));
  EXPECT_EQ(THelpWindow::FindHelpFile(QString::fromStdString(dir_.File("bin"))).toStdString(),
            std::filesystem::canonical(dir_.File("bin/DAVIZ.UDU")).string());
  EXPECT_EQ(THelpWindow::FindHelpFile(QString::fromStdString(dir_.File("nowhere"))), "");
  std::filesystem::create_directories(dir_.File("folder/DAVIZ.UDU"));  // a folder of that name is no file
  EXPECT_EQ(THelpWindow::FindHelpFile(QString::fromStdString(dir_.File("folder"))), "");
}

TEST_F(HelpWindowTest, OneWindowShowsTheTopicOfAContext) {
  THelpWindow::SetHelpFile("");
  EXPECT_EQ(THelpWindow::ShowContext(1), nullptr);  // no help file, no help
  THelpWindow::SetHelpFile(QString::fromStdString(dir_.File("missing.udu")));
  EXPECT_EQ(THelpWindow::ShowContext(1), nullptr);  // an unreadable one neither
  EXPECT_EQ(THelpWindow::Instance(), nullptr);

  THelpWindow::SetHelpFile(Write("DAVIZ.UDU",
                                 "<html><body><a name=\"contents\"></a><h1>Contents</h1>"
                                 "<a name=\"1\"></a><h2>Main window</h2><p>one</p>"
                                 "<A NAME = \"101\"></A><h2>Graphs</h2><p>two</p></body></html>"));
  THelpWindow::SetProgramTitle("AE Varnel");
  THelpWindow* help = THelpWindow::ShowContext(101);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(THelpWindow::Instance(), help);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "AE Varnel - Help");
  EXPECT_EQ(help->CurrentContext(), 101);
  EXPECT_TRUE(help->HasTopic(1));
  EXPECT_TRUE(help->HasTopic(101));  // anchors in any letter case and spacing
  EXPECT_FALSE(help->HasTopic(150));

  // A second request reuses the window; an unknown topic shows the contents.
  EXPECT_EQ(THelpWindow::ShowContext(1), help);
  EXPECT_EQ(help->CurrentContext(), 1);
  EXPECT_FALSE(help->OpenContext(999));
  EXPECT_EQ(help->CurrentContext(), 999);

  // Help never keeps a program alive, and a closed window is gone.
  EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
  help->close();
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(THelpWindow::Instance(), nullptr);
}

}  // namespace
}  // namespace ae
