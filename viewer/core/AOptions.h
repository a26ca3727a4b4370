#pragma once
// The viewer's options: user preferences kept in the user's settings (INI format, organisation
// "Brantel", application "Zemtal", group "Varnel") and a few run-time view states that are never
// stored. One global object (GlobalOptions) serves the whole run.
#include <memory>
#include <string>
#include <vector>

#include "viewer/core/APointRule.h"
#include "viewer/core/ATimeRange.h"
#include "viewer/core/ChannelList.h"

class QSettings;

namespace ae {

class AOptions {
 public:
  static constexpr const char* SettingsGroup = "Varnel";

  int VertGraphNum = 4;   // graphs per page vertically, 2..6
  int HorizGraphNum = 5;  // graphs per page horizontally, 2..7
  bool EventsView = false;
  bool SecondAsShadow = false;
  bool ShowTimeMark = true;
  bool ShowDeleted = false;
  bool WriteReport = false;
  bool ShowParamData = true;
  bool ShowGrid = false;
  bool SaveConfig = true;
  int StartUpGraph = 2;     // 0 default graph set, 1 last used, 2 first from the graph database
  int LastUsedGraphNo = 1;  // stored only when StartUpGraph is 1
  int CurrentGraphSet = 0;  // not stored
  int ColorScheme = 3;      // 0..3
  int ProgramLanguage = 0;  // 0 English, 1 Russian
  int PointSize = 2;        // 1..10; change it with SetPointSize
  int ViewType = 1;         // 0 colored channels, 1 colored amount, 2 data dependences
  bool ToolBarVisible = true;
  int ToolBarAlign = 1;  // 1 top, 2 bottom, 3 left, 4 right
  int PrnWidth = 100;    // mm, 30..300
  int PrnHeight = 50;    // mm, 30..300
  int PrnDPI = 200;      // 100..300
  bool ChanPanVisible = true;
  AChannelSet CheckedChan;  // bit c-1: channel c is checked
  // Run-time state, never stored.
  std::string ChanListText;  // rebuilt before each use (BuildChanListText)
  bool FrameMode = true;
  bool TimeAxisFromFile = true;
  bool TimeRangeFilter = false;
  int FilterStart = 0;  // whole seconds
  int FilterEnd = 0;
  std::vector<ATimeRange> TimeRangeHistory;  // the zoom history, last entry on top

  AOptions() { CheckedChan.set(); }

  // PointSize := n, kept within the window's 1..10.
  void SetPointSize(int n);
  // The point routine and the half point size follow PointSize.
  APointRule PointRule() const { return APointRule::ForSize(PointSize); }
  int HalfPointSize() const { return PointRule().Half; }

  // Reads the stored options from the group "Varnel"; missing values, texts that are not
  // numbers and values outside their range give the defaults.
  void Load(QSettings& settings);
  // Writes them (all of them only when SaveConfig is on; SaveConfig itself always). Raises
  // EViewer when the settings cannot be written.
  void Save(QSettings& settings) const;
  // The same on the user's own settings.
  void Load();
  void Save() const;
  static std::unique_ptr<QSettings> OpenUserSettings();

  // The "CheckedChan" text: 128 characters "1" or "0", channel 128 first.
  static std::string CheckedChanText(const AChannelSet& channels);
  // Character 128 - c stands for channel c: "0" unchecks it, any other character checks it, and
  // so does a position the text does not reach.
  static AChannelSet ParseCheckedChan(const std::string& text);

  // ChanListText := the text form of CheckedChan.
  const std::string& BuildChanListText();
  // The protocol line that describes a new selection frame, after the date and time and a tab:
  // "New selection:\tAmplitude(40.00-80.00) - Energy(10.00-500.00); Events: No; Chans: 1-4".
  std::string SelectionDescription(const std::string& xName, double xMin, double xMax, const std::string& yName,
                                   double yMin, double yMax, const std::string& dateTime);
  // The same at the current date and time.
  std::string SelectionDescription(const std::string& xName, double xMin, double xMax, const std::string& yName,
                                   double yMin, double yMax);
};

// The viewer's options; tests reset them with GlobalOptions() = AOptions().
AOptions& GlobalOptions();

}  // namespace ae
