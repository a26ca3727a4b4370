#pragma once
// A viewer main window for one test: its own settings folder, table store and program folder,
// every message box and file dialog answered by the test, the options and test setup fresh.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "ui/MessageSeam.h"

namespace ae {

class TZmvMain;
class TZTGraphControl;
class TZTTabSheet;

namespace test {

class ViewerFixture : public ::testing::Test {
 protected:
  ViewerFixture();
  ~ViewerFixture() override;

  // A generated proof test of that many hits in the test's folder.
  std::string MakeFile(std::uint64_t hits, const std::string& name = "PROOF.DTA");
  // The window, started as the program starts with these arguments (and shown).
  TZmvMain& Start(const QStringList& arguments = {});
  void Trigger(const char* actionName);
  TZTTabSheet& Sheet(int index);
  // The control of graph `number` on the shown page.
  TZTGraphControl& Graph(int number);
  void ShowPage(int index);
  // A drag with the left button from one point to another of a graph, with keys held.
  void Drag(TZTGraphControl& graph, QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier);
  // The protocol's texts after their date and time.
  std::vector<std::string> ProtocolTexts() const;

  TempDir dir_;
  std::unique_ptr<TZmvMain> window_;
  std::vector<MessageSeam::Box> boxes_;  // every box shown, in order
  bool answerYes_ = true;
  std::deque<QString> fileAnswers_;  // the names the file dialogs give, in order
  int fileDialogs_ = 0;
  std::vector<QString> fileStarts_;  // where each file dialog opened: "folder/proposed name"
  std::string programDir_;           // the program's folder; the test's folder when empty
};

}  // namespace test
}  // namespace ae
