#include "viewer/core/AReportText.h"

namespace ae {

void AReportText::AddLine(std::string_view line) {
  if (full_) return;
  if (text_.size() + line.size() + 1 > Limit) {
    full_ = true;
    return;
  }
  text_ += line;
  text_ += '\n';
}

}  // namespace ae
