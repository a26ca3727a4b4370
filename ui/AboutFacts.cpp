#include "ui/AboutFacts.h"

#include <QFile>
#include <QLabel>
#include <QList>

namespace ae {

QString AboutFacts::Version() { return AE_VERSION; }

int AboutFacts::MemoryLoadPercent() {
  QFile meminfo("/proc/meminfo");
  if (!meminfo.open(QIODevice::ReadOnly)) return 0;
  return MemoryLoadPercentOf(meminfo.readAll());
}

int AboutFacts::MemoryLoadPercentOf(const QByteArray& meminfo) {
  qint64 total = 0, available = -1;
  for (const QByteArray& line : meminfo.split('\n')) {
    const QList<QByteArray> parts = line.simplified().split(' ');
    if (parts.size() < 2) continue;
    if (parts[0] == "MemTotal:") total = parts[1].toLongLong();
    else if (parts[0] == "MemAvailable:") available = parts[1].toLongLong();
  }
  if (total <= 0 || available < 0 || available > total) return 0;
  return static_cast<int>((total - available) * 100 / total);
}

QString AboutFacts::MemoryLoadText() { return QString::asprintf("%d %%", MemoryLoadPercent()); }

QString AboutFacts::MakerUrl() { return AE_MAKER_URL; }

QLabel* AboutFacts::NewMakerLink(QWidget* parent) {
  const QString site = MakerUrl();
  auto* link = new QLabel(QString("<a href=\"%1\">%1</a>").arg(site.toHtmlEscaped()), parent);
  link->setObjectName("LinkLabel");
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  link->setOpenExternalLinks(true);  // QDesktopServices: the system's default handler
  return link;
}

}  // namespace ae
