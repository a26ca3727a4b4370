#include "viewer/report/ReportSource.h"

namespace ae {

std::string ReportSource::DefaultTitle(const ATestSetup& setup) {
  const std::string label = setup.TestLabel;
  if (label.find_first_not_of(' ') == std::string::npos || label == ATestSetup().TestLabel) return "AE test report";
  return label;
}

}  // namespace ae
