#include "viewer/core/AOptions.h"

#include <QSettings>
#include <QString>
#include <algorithm>
#include <optional>

#include "viewer/core/DateTimeText.h"
#include "viewer/core/EViewer.h"
#include "viewer/core/ProfileValues.h"
#include "viewer/core/ReportNumbers.h"

namespace ae {

namespace {

constexpr int ChannelCount = 128;

// One group of the settings, open for as long as it lives.
class Group {
 public:
  Group(QSettings& settings, const char* name) : settings_(settings) {
    settings_.beginGroup(QString::fromLatin1(name));
  }
  ~Group() { settings_.endGroup(); }
  Group(const Group&) = delete;
  Group& operator=(const Group&) = delete;

 private:
  QSettings& settings_;
};

class Reader {
 public:
  explicit Reader(QSettings& settings) : settings_(settings) {}

  std::optional<std::string> Text(const char* name) const {
    const QVariant value = settings_.value(QString::fromLatin1(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
  }
  // A value outside min..max counts as missing: it would size or index something wrongly.
  void Int(const char* name, int& field, int min, int max) const {
    const std::optional<std::string> text = Text(name);
    if (!text) return;
    const std::optional<int> value = ParseProfileInt(*text);
    if (value && *value >= min && *value <= max) field = *value;
  }
  void Bool(const char* name, bool& field) const {
    const std::optional<std::string> text = Text(name);
    if (!text) return;
    if (const std::optional<int> value = ParseProfileInt(*text)) field = *value != 0;
  }

 private:
  QSettings& settings_;
};

class Writer {
 public:
  explicit Writer(QSettings& settings) : settings_(settings) {}
  void Text(const char* name, const std::string& text) {
    settings_.setValue(QString::fromLatin1(name), QString::fromStdString(text));
  }
  void Int(const char* name, int value) { Text(name, std::to_string(value)); }
  void Bool(const char* name, bool value) { Text(name, value ? "1" : "0"); }

 private:
  QSettings& settings_;
};

constexpr int AnyInt = 0x7fffffff;

}  // namespace

void AOptions::SetPointSize(int n) { PointSize = std::clamp(n, 1, 10); }

void AOptions::Load(QSettings& settings) {
  Group group(settings, SettingsGroup);
  const Reader r(settings);
  r.Bool("SaveConfig", SaveConfig);
  r.Int("StartUpGraph", StartUpGraph, 0, 2);
  if (StartUpGraph == 1) r.Int("LastUsedGraphNo", LastUsedGraphNo, -AnyInt - 1, AnyInt);
  r.Int("ColorScheme", ColorScheme, 0, 3);
  r.Int("ProgramLanguage", ProgramLanguage, 0, 1);
  r.Int("PointSize", PointSize, 1, 10);
  r.Int("ViewType", ViewType, 0, 2);
  r.Bool("ChanPanVisible", ChanPanVisible);
  r.Bool("ToolBarVisible", ToolBarVisible);
  r.Int("ToolBarAlign", ToolBarAlign, 1, 4);
  r.Bool("ShowTimeMark", ShowTimeMark);
  r.Bool("ShowDeleted", ShowDeleted);
  r.Bool("WriteReport", WriteReport);
  r.Bool("ShowParamData", ShowParamData);
  r.Bool("ShowGrid", ShowGrid);
  r.Int("PrnHeight", PrnHeight, 30, 300);
  r.Int("PrnWidth", PrnWidth, 30, 300);
  r.Int("PrnDPI", PrnDPI, 100, 300);
  r.Int("HorizGraphNum", HorizGraphNum, 2, 7);
  r.Int("VertGraphNum", VertGraphNum, 2, 6);
  r.Bool("EventsView", EventsView);
  r.Bool("SecondAsShadow", SecondAsShadow);
  // A missing value leaves every channel checked, as a short one leaves the channels it lacks.
  if (const std::optional<std::string> text = r.Text("CheckedChan")) CheckedChan = ParseCheckedChan(*text);
}

void AOptions::Save(QSettings& settings) const {
  {
    Group group(settings, SettingsGroup);
    Writer w(settings);
    if (SaveConfig) {
      w.Bool("ShowTimeMark", ShowTimeMark);
      w.Bool("ShowDeleted", ShowDeleted);
      w.Bool("WriteReport", WriteReport);
      w.Bool("ShowParamData", ShowParamData);
      w.Int("StartUpGraph", StartUpGraph);
      w.Bool("ShowGrid", ShowGrid);
      if (StartUpGraph == 1) w.Int("LastUsedGraphNo", LastUsedGraphNo);
      w.Int("ColorScheme", ColorScheme);
      w.Int("ProgramLanguage", ProgramLanguage);
      w.Int("PointSize", PointSize);
      w.Int("ViewType", ViewType);
      w.Bool("ChanPanVisible", ChanPanVisible);
      w.Bool("ToolBarVisible", ToolBarVisible);
      w.Int("ToolBarAlign", ToolBarAlign);
      w.Int("PrnHeight", PrnHeight);
      w.Int("PrnWidth", PrnWidth);
      w.Int("PrnDPI", PrnDPI);
      w.Int("HorizGraphNum", HorizGraphNum);
      w.Int("VertGraphNum", VertGraphNum);
      w.Bool("EventsView", EventsView);
      w.Bool("SecondAsShadow", SecondAsShadow);
      w.Text("CheckedChan", CheckedChanText(CheckedChan));
    }
    w.Bool("SaveConfig", SaveConfig);
  }
  settings.sync();
  if (settings.status() != QSettings::NoError)
    throw EViewer("Cannot save the options to \"" + settings.fileName().toStdString() + "\"");
}

std::unique_ptr<QSettings> AOptions::OpenUserSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brantel"),
                                     QStringLiteral("Zemtal"));
}

void AOptions::Load() {
  const std::unique_ptr<QSettings> settings = OpenUserSettings();
  Load(*settings);
}

void AOptions::Save() const {
  const std::unique_ptr<QSettings> settings = OpenUserSettings();
  Save(*settings);
}

std::string AOptions::CheckedChanText(const AChannelSet& channels) {
  std::string text(ChannelCount, '0');
  for (int c = 1; c <= ChannelCount; ++c)
    if (channels.test(static_cast<std::size_t>(c - 1))) text[static_cast<std::size_t>(ChannelCount - c)] = '1';
  return text;
}

AChannelSet AOptions::ParseCheckedChan(const std::string& text) {
  AChannelSet channels;
  for (int c = 1; c <= ChannelCount; ++c) {
    const auto pos = static_cast<std::size_t>(ChannelCount - c);
    channels.set(static_cast<std::size_t>(c - 1), pos >= text.size() || text[pos] != '0');
  }
  return channels;
}

const std::string& AOptions::BuildChanListText() {
  ChanListText = ChannelListText(CheckedChan);
  return ChanListText;
}

std::string AOptions::SelectionDescription(const std::string& xName, double xMin, double xMax, const std::string& yName,
                                           double yMin, double yMax, const std::string& dateTime) {
  BuildChanListText();
  std::string line = dateTime;
  line += "\tNew selection:\t";
  line += xName + "(" + FixedLimited(xMin, 2) + "-" + FixedLimited(xMax, 2) + ") - ";
  line += yName + "(" + FixedLimited(yMin, 2) + "-" + FixedLimited(yMax, 2) + "); ";
  line += "Events: ";
  line += EventsView ? "Yes; " : "No; ";
  line += "Chans: " + ChanListText;
  if (TimeRangeFilter)
    line += "; Time range filter: " + FixedLimited(FilterStart, 2) + " - " + FixedLimited(FilterEnd, 2);
  return line;
}

std::string AOptions::SelectionDescription(const std::string& xName, double xMin, double xMax, const std::string& yName,
                                           double yMin, double yMax) {
  return SelectionDescription(xName, xMin, xMax, yName, yMin, yMax, NowText());
}

AOptions& GlobalOptions() {
  static AOptions options;
  return options;
}

}  // namespace ae
