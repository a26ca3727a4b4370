#pragma once
// A main window on a fresh table store and fresh settings in a temporary folder, with every
// message box answered through the seam and recorded.
#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "filter/ui/FilterBoxes.h"
#include "filter/ui/TDataModule2.h"
#include "filter/ui/TFiltrationPage.h"
#include "filter/ui/TMainForm.h"
#include "filter/ui/TServicePage.h"
#include "tests/support/TempDir.h"
#include "ui/MessageSeam.h"

class QWidget;

// QString in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace ae::test {

class FilterUi : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:  // the case tables of the tests reach the helpers from lambdas
  // The window, made on first use; NewWindow ends the current one (saving its options, as the
  // end of the program does) and starts another with the given command line.
  TMainForm& Window();
  TMainForm& NewWindow(const QStringList& arguments = {});
  void EndWindow();

  template <typename T>
  T* Find(const char* name) {
    T* widget = Window().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Runs act on the next modal dialog the code under test opens (once it is shown).
  static void OnNextModal(std::function<void(QWidget*)> act);

  // The boxes shown so far; the answers given to Yes/No boxes, in order (Yes when none is left).
  std::vector<MessageSeam::Box> boxes_;
  std::deque<bool> answers_;
  void ClearBoxes() { boxes_.clear(); }
  // The only box shown since the last ClearBoxes; fails the test when there is not exactly one.
  MessageSeam::Box OnlyBox() const;

  TempDir dir_;
  std::string dbPath_;
  std::unique_ptr<TDataModule2> data_;
  std::unique_ptr<TMainForm> window_;

 private:
  std::filesystem::path savedCwd_;
};

// A synthetic DTA proof test of the given number of hits.
std::string MakeDemoDta(const std::string& path, int hits, int seed = 7);

// Every hit of a data file as (amplitude) values, in order, and the number of records.
struct FileSummary {
  std::vector<double> Amplitudes;
  int Records = 0;
};
FileSummary Summarize(const std::string& path);

}  // namespace ae::test
