#include "tools/aetool/ParamsCommand.h"

#include <QString>
#include <stdexcept>

#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"

namespace ae {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

// The family name the dialog item or family name stands for.
std::string FamilyOf(const AEParamTable& params, const std::string& system) {
  const auto& items = AEParamTable::SystemItems();
  if (system.empty()) return items.front().second;
  for (const auto& [shown, family] : items)
    if (SameName(shown, system)) return family;
  const std::vector<std::string> families = params.SystemNames();
  for (const std::string& family : families)
    if (SameName(family, system)) return family;
  std::string known;
  for (const auto& item : items) known += "\n  " + item.first;
  for (const std::string& family : families) {
    bool listed = false;
    for (const auto& item : items) listed = listed || item.first == family || item.second == family;
    if (!listed) known += "\n  " + family;
  }
  throw std::runtime_error("Unknown system \"" + system + "\"; the systems are:" + known);
}

}  // namespace

int ParamsCommand(const std::string& system, std::ostream& out) {
  ZTDataStore store;
  const AEParamTable params(store);
  for (const std::string& name : params.QueryParams(FamilyOf(params, system))) out << name << '\n';
  return 0;
}

}  // namespace ae
