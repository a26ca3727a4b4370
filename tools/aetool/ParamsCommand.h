#pragma once
// "aetool params [--system NAME]": the parameter names of one instrument family.
#include <ostream>
#include <string>

namespace ae {

// Writes the parameter names of the family, one per line, in the order of the parameter lookup
// dialog. The name is an item of that dialog ("Vallen System AMSY") or a family of the table,
// in any letter case; empty means the dialog's first item. The store is ZTDATA_DB or the
// default database. An unknown family raises an error that lists the known ones.
int ParamsCommand(const std::string& system, std::ostream& out);

class CommandLine;
void AddParamsCommand(CommandLine& cli);

}  // namespace ae
