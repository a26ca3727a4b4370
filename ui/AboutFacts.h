#pragma once

#include <QByteArray>
#include <QString>

class QLabel;
class QWidget;

namespace ae {

// What the About boxes of both programs show besides their own name and icon: the version,
// the memory load and the link to the maker's web site. Each box lays them out with its own
// captions ("Build :", "Memory Used :" ...).
class AboutFacts {
 public:
  // The programs' file version: the version of the project both are built from ("0.1").
  static QString Version();

  // Physical memory in use, in percent of the total (0 when the system does not say).
  static int MemoryLoadPercent();
  // The same from the text of /proc/meminfo: MemTotal less MemAvailable; 0 when either is
  // missing or they do not make sense.
  static int MemoryLoadPercentOf(const QByteArray& meminfo);
  // The memory load as the boxes write it, "%d %%": "42 %".
  static QString MemoryLoadText();

  // The maker's web address, one build setting for both programs (AE_MAKER_URL).
  static QString MakerUrl();
  // A label showing the maker's address as a link; a click opens it with the system's default
  // handler (the web browser). Object name "LinkLabel".
  static QLabel* NewMakerLink(QWidget* parent);
};

}  // namespace ae
