#include "viewer/core/DateTimeText.h"

#include <QDateTime>
#include <QLocale>

namespace ae {

std::string DateTimeText(const QDateTime& moment) {
  const QLocale locale = QLocale::system();
  return (locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(moment.time(), QLocale::LongFormat))
      .toStdString();
}

std::string NowText() { return DateTimeText(QDateTime::currentDateTime()); }

}  // namespace ae
