#include "tests/viewer/ui/ViewerFixture.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "tools/aetool/Generators.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/ui/FileDialogSeam.h"
#include "viewer/ui/TZTGraphControl.h"
#include "viewer/ui/TZTPageControl.h"
#include "viewer/ui/TZTTabSheet.h"
#include "viewer/ui/TZmvMain.h"

namespace ae::test {

ViewerFixture::ViewerFixture() {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir_.File("config")));
  GlobalOptions() = AOptions();
  GlobalTestSetup() = ATestSetup();
  MessageSeam::SetHandler([this](const MessageSeam::Box& box) {
    boxes_.push_back(box);
    return answerYes_;
  });
  FileDialogSeam::SetRequestHandler([this](const FileDialogSeam::Request& request) {
    ++fileDialogs_;
    fileStarts_.push_back(request.startFolder.isEmpty() ? request.startName
                                                        : request.startFolder + QLatin1Char('/') + request.startName);
    if (fileAnswers_.empty()) return QString();
    const QString name = fileAnswers_.front();
    fileAnswers_.pop_front();
    return name;
  });
  // The default test setup beside the "program".
  std::filesystem::copy_file(AE_VIEWER_SETUP_FILE, dir_.File("ZmvWin2.INI"));
}

ViewerFixture::~ViewerFixture() {
  window_.reset();
  MessageSeam::ClearHandler();
  FileDialogSeam::ClearHandler();
}

std::string ViewerFixture::MakeFile(std::uint64_t hits, const std::string& name) {
  const std::string path = dir_.File(name);
  GenerateDataFile("dta", {hits, 7}, path);
  return path;
}

TZmvMain& ViewerFixture::Start(const QStringList& arguments) {
  ViewerStart start;
  start.Arguments = arguments;
  start.SetupFile = QString::fromStdString(dir_.File("ZmvWin2.INI"));
  start.ProgramDir = QString::fromStdString(programDir_.empty() ? dir_.Path().string() : programDir_);
  start.StorePath = dir_.File("ZTData.sqlite");
  window_ = std::make_unique<TZmvMain>(start);
  window_->show();
  window_->FormShow();
  QApplication::processEvents();
  return *window_;
}

void ViewerFixture::Trigger(const char* actionName) {
  auto* action = window_->findChild<QAction*>(QString::fromLatin1(actionName));
  ASSERT_NE(action, nullptr) << actionName;
  action->trigger();
  QApplication::processEvents();
}

TZTTabSheet& ViewerFixture::Sheet(int index) { return *window_->Pages().Sheets().at(static_cast<std::size_t>(index)); }

void ViewerFixture::ShowPage(int index) {
  window_->Pages().setCurrentIndex(index);
  QApplication::processEvents();
  Sheet(index).repaint();
}

TZTGraphControl& ViewerFixture::Graph(int number) {
  TZTTabSheet& sheet = *static_cast<TZTTabSheet*>(window_->Pages().currentWidget());
  return *sheet.Controls().at(static_cast<std::size_t>(number));
}

void ViewerFixture::Drag(TZTGraphControl& graph, QPoint from, QPoint to, Qt::KeyboardModifiers keys) {
  QTest::mousePress(&graph, Qt::LeftButton, keys, from);
  QTest::mouseMove(&graph, (from + to) / 2);
  QTest::mouseMove(&graph, to);
  QTest::mouseRelease(&graph, Qt::LeftButton, keys, to);
  QApplication::processEvents();
}

std::vector<std::string> ViewerFixture::ProtocolTexts() const {
  std::vector<std::string> texts;
  for (const std::string& line : window_->Protocol().Lines) texts.push_back(line.substr(line.find('\t') + 1));
  return texts;
}

}  // namespace ae::test
