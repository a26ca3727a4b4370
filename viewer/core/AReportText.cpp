#include "viewer/core/AReportText.h"

namespace ae {

void AReportText::AddLine(std::string_view line) {
  if (full_) return;
  if (line.size() + 1 > limit_ - text_.size()) {
    full_ = true;
    return;
  }
  text_ += line;
  text_ += '\n';
}

}  // namespace ae
