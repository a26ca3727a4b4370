#include "tools/aetool/ViewerRun.h"

#include <stdio.h>

#include "datafiles/DataFileOpen.h"

namespace ae {

void StreamUser::ShowMessage(const std::string& text, const std::string& caption, Icon) {
  err_ << caption << ": " << text << '\n';
}

bool StreamUser::AskYesNo(const std::string& text, const std::string& caption) {
  err_ << caption << ": " << text << " (answered No)\n";
  return false;
}

void LoadWithProgress(const std::string& file, ZTDataSet& data, ProgressBar& progress) {
  {
    OpenedDataFile opened = OpenDataFile(file);  // as Load does, with the stream in view
    if (progress.Enabled()) {
      FileReadProgress reading(fileno(opened.Stream.Get()), 2);  // counting, then reading
      progress.SetTotal(reading.Total());
      progress.SetPoll(reading);
    }
    data.LoadFrom(*opened.Reader, opened.Type, file);
  }
  progress.SetPoll(nullptr);
}

}  // namespace ae
