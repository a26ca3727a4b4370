#pragma once

#include <QString>

namespace ae {

// A file the programs ship beside themselves (the help file, the last changes): fileName in the
// program's folder, else in the installed data folder (share/zemtal beside bin), as the canonical
// path; empty when neither holds such a file.
QString FindProgramDataFile(const QString& programDir, const QString& fileName);

}  // namespace ae
