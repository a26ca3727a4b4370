#pragma once

#include <QString>

namespace ae {

// The filter program's options as kept in the suite's settings file (SuiteSettings), group
// "Sorvel", booleans as "1" and "0". The defaults are
// the window's designed state.
struct SorvelOptions {
  bool SaveConfig = true;        // "SaveConfig": "Save configuration on exit"
  bool SaveFolder = true;        // "SaveFolder": "Save work folder"
  QString WorkFolder;            // "WorkFolder"
  bool SaveProtocol = true;      // "SaveProtocol": "Make report file"
  QString ProtocolFolder;        // "ProtocolFolder": the report folder box
  bool OneProtocolFile = false;  // "OneProtocolFile": "Common report file"
  bool Language = false;         // "Language": "Russian"

  // Reads the stored options. A value is read only where the rules allow (nothing but
  // "SaveConfig" when it is false, "WorkFolder" only under "SaveFolder", the report values
  // only under "SaveProtocol"); everything not read keeps its default.
  static SorvelOptions Read();
  // Writes them: only "SaveConfig" = "0" when SaveConfig is false; otherwise every value
  // whose switch is on, and the switches themselves.
  void Write() const;
};

}  // namespace ae
