#include "ui/SuiteSettings.h"

namespace ae {

std::unique_ptr<QSettings> SuiteSettings::Open() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Brantel", "Zemtal");
}

}  // namespace ae
