#include "filter/core/AFilterRec.h"

#include <locale>
#include <sstream>

#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"

namespace ae {

std::string RowPrefix(int row) { return "Запись " + std::to_string(row) + "\n"; }

void AFilterRec::RaiseRecError(int row, int messageId) { throw EFRecError(RowPrefix(row) + FilterMessage(messageId)); }

std::string AFilterRec::ReportNumber(double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << value;
  return text.str();
}

}  // namespace ae
