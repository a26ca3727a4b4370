#include "tests/filter/ui/FilterUiFixture.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "tools/aetool/Generators.h"

namespace ae::test {

void FilterUi::SetUp() {
  savedCwd_ = std::filesystem::current_path();
  // Runs write their per-folder report into the current directory: keep it in the test's folder.
  std::filesystem::current_path(dir_.Path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir_.File("config")));
  dbPath_ = dir_.File("ZTData.sqlite");
  setenv("ZTDATA_DB", dbPath_.c_str(), 1);
  MessageSeam::SetHandler([this](const MessageSeam::Box& box) {
    boxes_.push_back(box);
    if (!MessageSeam::AsksYesNo(box.kind)) return true;
    if (answers_.empty()) return true;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
}

void FilterUi::TearDown() {
  EndWindow();
  data_.reset();
  MessageSeam::ClearHandler();
  std::error_code ignored;
  std::filesystem::current_path(savedCwd_, ignored);
}

TMainForm& FilterUi::Window() {
  if (!window_) NewWindow();
  return *window_;
}

TMainForm& FilterUi::NewWindow(const QStringList& arguments) {
  EndWindow();
  if (!data_) data_ = std::make_unique<TDataModule2>(dbPath_);
  window_ = std::make_unique<TMainForm>(*data_, arguments);
  return *window_;
}

void FilterUi::EndWindow() {
  window_.reset();
  // Saving the options makes the work folder current; the tests keep their own.
  std::error_code ignored;
  std::filesystem::current_path(dir_.Path(), ignored);
}

void FilterUi::OnNextModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal dialog is open";
    act(modal);
  });
}

MessageSeam::Box FilterUi::OnlyBox() const {
  EXPECT_EQ(boxes_.size(), 1u);
  return boxes_.empty() ? MessageSeam::Box{MessageSeam::Kind::Error, {}, {}} : boxes_.back();
}

std::string MakeDemoDta(const std::string& path, int hits, int seed) {
  GenOptions options;
  options.Hits = static_cast<std::uint64_t>(hits);
  options.Seed = static_cast<std::uint64_t>(seed);
  GenerateDataFile("dta", options, path);
  return path;
}

FileSummary Summarize(const std::string& path) {
  FileSummary summary;
  OpenedDataFile file = OpenDataFile(path);
  file.Reader->SeekFirst();
  while (file.Reader->ReadNext()) {
    ++summary.Records;
    if (file.Reader->IsHit()) summary.Amplitudes.push_back(file.Reader->GetValue(pcAmplitude));
  }
  return summary;
}

}  // namespace ae::test
