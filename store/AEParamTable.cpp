#include "store/AEParamTable.h"

#include "store/StoreQuery.h"
#include "store/ZTDataStore.h"

namespace ae {

AEParamTable::AEParamTable(ZTDataStore& store) : store_(store) {}

int32_t AEParamTable::ParamCodeOf(const std::string& name) const {
  StoreQuery query(store_,
                   "SELECT ParamConst FROM AEParams WHERE ParamName = :NAME COLLATE NOCASE "
                   "ORDER BY ParamName COLLATE NOCASE, ParamID LIMIT 1",
                   "AEParams");
  query.Bind(":NAME", QString::fromStdString(name)).Exec();
  return query.Next() ? query.Value("ParamConst").toInt() : 0;
}

std::optional<std::string> AEParamTable::ParamNameOf(int32_t code) const {
  // The first record of the code in AsParamConst order: the alphabetically first name.
  StoreQuery query(store_,
                   "SELECT ParamName FROM AEParams WHERE ParamConst = :CODE "
                   "ORDER BY ParamName COLLATE NOCASE, ParamID LIMIT 1",
                   "AEParams");
  query.Bind(":CODE", code).Exec();
  if (!query.Next()) return std::nullopt;
  return query.Value("ParamName").toString().toStdString();
}

std::string AEParamTable::ShortNameOf(int32_t code) const {
  StoreQuery query(store_,
                   "SELECT ShortName FROM AEParams WHERE ParamConst = :CODE "
                   "ORDER BY ParamName COLLATE NOCASE, ParamID LIMIT 1",
                   "AEParams");
  query.Bind(":CODE", code).Exec();
  return query.Next() ? query.Value("ShortName").toString().toStdString() : std::string();
}

std::vector<std::string> AEParamTable::QueryParams(const std::string& systemName) const {
  // Names in alphabetical order as a user reads them, whatever their letter case.
  StoreQuery query(store_,
                   "SELECT DISTINCT D1.ParamName\n"
                   "FROM \"Prm&Sys\" D, \"AEParams\" D1, \"AESystem\" d2\n"
                   "WHERE\n"
                   "(D1.ParamID = D.ParamID)\n"
                   " AND (d2.AESystemID = D.AESystemID)\n"
                   " AND (d2.SystemName = :SYSTEMNAME)\n"
                   "ORDER BY D1.ParamName COLLATE NOCASE",
                   "QueryParams");
  query.Bind(":SYSTEMNAME", QString::fromStdString(systemName)).Exec();
  std::vector<std::string> names;
  while (query.Next()) names.push_back(query.Value("ParamName").toString().toStdString());
  return names;
}

std::vector<std::string> AEParamTable::SystemNames() const {
  StoreQuery query(store_, "SELECT SystemName FROM AESystem ORDER BY AESystemID", "AESystem");
  query.Exec();
  std::vector<std::string> names;
  while (query.Next()) names.push_back(query.Value("SystemName").toString().toStdString());
  return names;
}

const std::vector<std::pair<std::string, std::string>>& AEParamTable::SystemItems() {
  static const std::vector<std::pair<std::string, std::string>> items = {
      {"Common parameters", "Common parameters"},
      {"All parameters", "All parameters"},
      {"Spartan 3000", "Spartan 3000"},
      {"Locan/SpartanPC/Spartan2000/DiSP", "Locan/SpartanPC/Spartan2000/DiSP"},
      {"A-Line 32D", "A-Line 32D"},
      {"Vallen System AMSY", "Vallen System AMS"},
      {"Malachit AS", "Malachit AS"},
  };
  return items;
}

}  // namespace ae
