#include "filter/ui/SorvelOptions.h"

#include <QSettings>
#include <memory>

#include "ui/SuiteSettings.h"

namespace ae {

namespace {

const char* const Group = "Sorvel";

bool ReadBool(const QSettings& settings, const char* name, bool byDefault) {
  const QVariant value = settings.value(name);
  if (!value.isValid()) return byDefault;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? number != 0 : byDefault;
}

void WriteBool(QSettings& settings, const char* name, bool value) {
  settings.setValue(name, QString(value ? "1" : "0"));
}

}  // namespace

SorvelOptions SorvelOptions::Read() {
  const std::unique_ptr<QSettings> settings = SuiteSettings::Open();
  settings->beginGroup(Group);
  SorvelOptions options;
  options.SaveConfig = ReadBool(*settings, "SaveConfig", true);
  if (!options.SaveConfig) return options;
  options.SaveFolder = ReadBool(*settings, "SaveFolder", true);
  if (options.SaveFolder) options.WorkFolder = settings->value("WorkFolder").toString();
  options.SaveProtocol = ReadBool(*settings, "SaveProtocol", true);
  if (options.SaveProtocol) {
    options.ProtocolFolder = settings->value("ProtocolFolder").toString();
    options.OneProtocolFile = ReadBool(*settings, "OneProtocolFile", false);
  }
  options.Language = ReadBool(*settings, "Language", false);
  return options;
}

void SorvelOptions::Write() const {
  const std::unique_ptr<QSettings> settings = SuiteSettings::Open();
  settings->beginGroup(Group);
  WriteBool(*settings, "SaveConfig", SaveConfig);
  if (SaveConfig) {
    WriteBool(*settings, "SaveFolder", SaveFolder);
    if (SaveFolder) settings->setValue("WorkFolder", WorkFolder);
    WriteBool(*settings, "SaveProtocol", SaveProtocol);
    if (SaveProtocol) {
      settings->setValue("ProtocolFolder", ProtocolFolder);
      WriteBool(*settings, "OneProtocolFile", OneProtocolFile);
    }
    WriteBool(*settings, "Language", Language);
  }
  settings->endGroup();
  settings->sync();
}

}  // namespace ae
