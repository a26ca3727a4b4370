#pragma once

#include <QString>
#include <QStringList>

namespace ae {

// Splits an SQL script into its statements: a statement ends at a semicolon outside quotes and
// comments. Comments are dropped and empty statements skipped, so each piece can be given to
// one QSqlQuery (the SQLite driver runs only the first statement of a text).
QStringList SplitSqlScript(const QString& script);

}  // namespace ae
