#include "tools/aetool/ParamsCommand.h"

#include <QString>
#include <memory>
#include <stdexcept>

#include "store/AEParamTable.h"
#include "store/ZTDataStore.h"
#include "tools/aetool/CommandLine.h"

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

void AddParamsCommand(CommandLine& cli) {
  auto system = std::make_shared<std::string>(AEParamTable::SystemItems().front().first);
  CLI::App* sub = cli.Add("params",
                          "The parameter names of an instrument family, one per line, as the filter program's "
                          "parameter lookup lists them",
                          [system](CommandIo& io) { return ParamsCommand(*system, io.Out); });
  sub->add_option("--system", *system,
                  "One of \"Common parameters\", \"All parameters\", \"Spartan 3000\", "
                  "\"Locan/SpartanPC/Spartan2000/DiSP\", \"A-Line 32D\", \"Vallen System AMSY\", "
                  "\"Malachit AS\" (any case)")
      ->type_name("NAME")
      ->capture_default_str();
}

}  // namespace ae
