#include "store/SqlScript.h"

namespace ae {

QStringList SplitSqlScript(const QString& script) {
  QStringList statements;
  QString current;
  const auto flush = [&] {
    const QString statement = current.trimmed();
    if (!statement.isEmpty()) statements.append(statement);
    current.clear();
  };

  const qsizetype n = script.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = script[i];
    const QChar next = i + 1 < n ? script[i + 1] : QChar();
    if (c == '-' && next == '-') {  // comment to the end of the line
      while (i < n && script[i] != '\n') ++i;
      current += '\n';
    } else if (c == '/' && next == '*') {  // block comment
      i += 2;
      while (i < n && !(script[i] == '*' && i + 1 < n && script[i + 1] == '/')) ++i;
      ++i;  // onto the closing slash (or past the end)
      current += ' ';
    } else if (c == '\'' || c == '"') {  // string or quoted name; a doubled quote stays inside
      const QChar quote = c;
      current += c;
      for (++i; i < n; ++i) {
        current += script[i];
        if (script[i] == quote) {
          if (i + 1 < n && script[i + 1] == quote) current += script[++i];
          else break;
        }
      }
    } else if (c == ';') {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return statements;
}

}  // namespace ae
