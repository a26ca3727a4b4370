#pragma once
// "Data File Information": the name of the loaded data file and what the file says of itself.
#include <QDialog>
#include <string>

class QTextEdit;

namespace ae {

class TFDataInfo : public QDialog {
  Q_OBJECT

 public:
  // Fills the text; a file that cannot be described is reported in a warning box and the text
  // stays empty.
  TFDataInfo(const std::string& fileName, QWidget* owner);

  static void Execute(const std::string& fileName, QWidget* owner);

  QTextEdit* RichEdit1() const { return richEdit1_; }
  // Room for the text at first; placing the window sizes it to this.
  QSize sizeHint() const override { return {560, 360}; }

 private:
  QTextEdit* richEdit1_;
};

}  // namespace ae
