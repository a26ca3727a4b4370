#include "ui/ProgramDataFile.h"

#include <QDir>
#include <QFileInfo>

namespace ae {

QString FindProgramDataFile(const QString& programDir, const QString& fileName) {
  const QDir dir(programDir);
  for (const QString& candidate : {dir.filePath(fileName), dir.filePath(QString(AE_HELP_DIR "/") + fileName)}) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).canonicalFilePath();
  }
  return {};
}

}  // namespace ae
