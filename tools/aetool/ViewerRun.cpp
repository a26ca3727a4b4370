#include "tools/aetool/ViewerRun.h"

#include <stdio.h>

#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "datafiles/DataFileOpen.h"
#include "store/GraphDatabase.h"

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

std::unique_ptr<QGuiApplication> GuiApplicationForRendering() {
  if (QCoreApplication::instance() != nullptr) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
      throw std::runtime_error("Pages cannot be rendered in this process (it has no GUI application)");
    return nullptr;
  }
  // Qt keeps the arguments for the application's life and takes the options it knows out of
  // them, so they are set afresh for each application.
  static int argc;
  static char name[] = "aetool", option[] = "-platform", platform[] = "offscreen";
  static char* argv[4];
  argc = 3;
  argv[0] = name, argv[1] = option, argv[2] = platform, argv[3] = nullptr;
  // Qt's own notes (no runtime folder, fonts substituted) mean nothing to a script's user.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  return std::make_unique<QGuiApplication>(argc, argv);
}

int GraphSetId(GraphDatabase& database, const std::optional<std::string>& name, const std::optional<int>& gsid) {
  if (gsid) {
    if (!database.FindGraphSet(*gsid))
      throw std::runtime_error("No graph set has the GSystemID " + std::to_string(*gsid));
    return *gsid;
  }
  std::vector<int> matches;
  for (const GraphSetRow& set : database.GraphSets())
    if (name && set.Name == *name) matches.push_back(set.GSystemID);
  if (matches.empty()) throw std::runtime_error("No graph set is named \"" + name.value_or("") + "\"");
  if (matches.size() > 1) {
    std::string ids;
    for (int id : matches) ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    throw std::runtime_error("Several graph sets are named \"" + *name + "\" (GSystemID " + ids +
                             "); choose one with --gsid");
  }
  return matches.front();
}

}  // namespace ae
