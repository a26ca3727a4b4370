#pragma once
// The viewer's own windows on their own, over an owner window: fresh options, test setup and
// settings, every box and file dialog answered by the test and recorded.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/viewer/ui/ViewerFixture.h"
#include "viewer/ui/FileDialogSeam.h"

namespace ae::test {

class DialogFixture : public ViewerFixture {
 protected:
  DialogFixture() {
    FileDialogSeam::SetRequestHandler([this](const FileDialogSeam::Request& request) {
      requests_.push_back(request);
      if (fileAnswers_.empty()) return QString();
      const QString name = fileAnswers_.front();
      fileAnswers_.pop_front();
      return name;
    });
    owner_.resize(800, 600);
  }

  template <typename T>
  static T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  // Runs act on the next modal window once the code under test shows it.
  static void OnNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
      if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
    });
  }

  static std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  QWidget owner_;
  std::vector<FileDialogSeam::Request> requests_;
};

}  // namespace ae::test
