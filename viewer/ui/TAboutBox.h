#pragma once
// The viewer's "About...": the program's name and icon, its file version, the memory load beside
// "Memory Used :" and a link to the maker's site (AboutFacts).
#include <QDialog>

namespace ae {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* ProgramName = "AE Varnel";

  explicit TAboutBox(QWidget* owner);

  // Shows the box modally over owner until OK.
  static void Execute(QWidget* owner);
};

}  // namespace ae
