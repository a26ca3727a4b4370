#include "viewer/core/ATestSetup.h"

#include <SimpleIni.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string_view>
#include <utility>

#include "viewer/core/EViewer.h"
#include "viewer/core/FileReplace.h"
#include "viewer/core/ProfileValues.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/core/ViewerUser.h"

namespace ae {

namespace {

constexpr const char* SecZmvWin = "ZMVWIN";
constexpr const char* SecTest = "Test";
constexpr const char* SecHolds = "Holds";
constexpr const char* SecEvent = "Event";
constexpr const char* SecParametric = "Parametric";
constexpr const char* SecMonpac = "Monpac";
constexpr const char* SecLocDyn = "LocDyn";
constexpr const char* SecLocation = "Location";

// Keys are matched without regard to case, as the profile service does; duplicate keys of
// other sections are kept when the file is rewritten.
class IniFile {
 public:
  IniFile() : ini_(true, true, false) { ini_.SetSpaces(false); }

  bool Parse(const std::string& text) { return ini_.LoadData(text) >= 0; }
  bool HasSection(const char* section) const { return ini_.GetSection(section) != nullptr; }

  int Int(const char* section, const char* key, int fallback) const {
    const char* text = ini_.GetValue(section, key, nullptr);
    return text == nullptr ? fallback : ParseProfileInt(text).value_or(fallback);
  }
  bool Bool(const char* section, const char* key, bool fallback) const {
    const char* text = ini_.GetValue(section, key, nullptr);
    if (text == nullptr) return fallback;
    const std::optional<int> value = ParseProfileInt(text);
    return value ? *value != 0 : fallback;
  }
  double Real(const char* section, const char* key, double fallback) const {
    const char* text = ini_.GetValue(section, key, nullptr);
    return text == nullptr ? fallback : ParseProfileReal(text).value_or(fallback);
  }
  float Single(const char* section, const char* key, float fallback) const {
    const char* text = ini_.GetValue(section, key, nullptr);
    if (text == nullptr) return fallback;
    const std::optional<double> value = ParseProfileReal(text);
    return value ? ToSingle(*value).value_or(fallback) : fallback;
  }
  std::string Text(const char* section, const char* key, const std::string& fallback) const {
    const char* text = ini_.GetValue(section, key, nullptr);
    return text == nullptr ? fallback : std::string(text);
  }

  // The key lines of a section in file order, as (key, value).
  std::vector<std::pair<std::string, std::string>> Lines(const char* section) const {
    std::vector<std::pair<int, std::pair<std::string, std::string>>> ordered;
    if (const auto* lines = ini_.GetSection(section)) {
      for (const auto& [entry, value] : *lines)
        ordered.push_back({entry.nOrder, {entry.pItem, value == nullptr ? "" : value}});
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::string, std::string>> result;
    result.reserve(ordered.size());
    for (auto& line : ordered) result.push_back(std::move(line.second));
    return result;
  }

  void Set(const char* section, const char* key, const std::string& value) {
    if (ini_.SetValue(section, key, value.c_str(), nullptr, true) < 0) throw std::bad_alloc();
  }
  void SetInt(const char* section, const char* key, int value) { Set(section, key, std::to_string(value)); }
  void SetReal(const char* section, const char* key, double value) { Set(section, key, FormatProfileReal(value)); }
  void Delete(const char* section, const char* key) { ini_.Delete(section, key, false); }
  // Removes every key line of the section but keeps the section where it is in the file, so
  // that rewriting it does not move it.
  void EraseKeys(const char* section) {
    CSimpleIniA::TNamesDepend keys;
    ini_.GetAllKeys(section, keys);
    std::vector<std::string> names;
    for (const auto& key : keys) names.emplace_back(key.pItem);
    for (const std::string& name : names) ini_.Delete(section, name.c_str(), false);
    if (ini_.SetValue(section, nullptr, nullptr) < 0) throw std::bad_alloc();
  }

  bool Write(std::string& text) const { return ini_.Save(text) >= 0; }

 private:
  CSimpleIniA ini_;
};

std::string ConversionError(std::string_view text, const std::string& path, const std::string& key,
                            const std::string& line) {
  return "'" + std::string(text) + "' is not a valid floating point value\n(test setup \"" + path + "\", hold line " +
         key + "=" + line + ")";
}

// A hold line: label, pressure, start, length and delay, each followed by "|". Text after the
// last "|" is one more field, so a line that lost its closing "|" still reads.
AHold ParseHold(const std::string& key, const std::string& line, const std::string& path) {
  std::vector<std::string_view> fields;
  const std::string_view text = line;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t bar = text.find('|', pos);
    if (bar == std::string_view::npos) {
      fields.push_back(text.substr(pos));
      break;
    }
    fields.push_back(text.substr(pos, bar - pos));
    pos = bar + 1;
  }
  auto number = [&](std::size_t i) {
    const std::string_view field = i < fields.size() ? fields[i] : std::string_view();
    const std::optional<double> value = ParseProfileReal(field);
    const std::optional<float> single = value ? ToSingle(*value) : std::nullopt;
    if (!single) throw EViewer(ConversionError(field, path, key, line));
    return *single;
  };
  AHold hold;
  hold.Label = fields.empty() ? std::string() : std::string(fields[0]);
  hold.Pressure = number(1);
  hold.Start = number(2);
  hold.Length = number(3);
  hold.Delay = number(4);
  return hold;
}

// A text value must stay on its line; a hold label must also keep out of the field separator.
std::string OneLine(std::string text, bool holdField) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
    if (holdField && c == '|') c = '/';
  }
  return text;
}

std::string HoldLine(const AHold& hold) {
  std::string line = OneLine(hold.Label, true);
  for (float value : {hold.Pressure, hold.Start, hold.Length, hold.Delay}) {
    line += '|';
    line += FormatProfileReal(value);
  }
  line += '|';
  return line;
}

bool SameKey(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The location section, updated in place so that its comments stay with their lines: the type,
// the speed, and a line for every sensor, where the file has one for its channel in that line.
void WriteLocation(IniFile& ini, const ALocationSetup& location) {
  ini.Set(SecLocation, "Type", std::string(ALocationSetup::TypeName(location.Type)));
  ini.SetReal(SecLocation, "Velocity", location.Velocity);
  std::vector<std::pair<int, std::string>> written;  // channel, and the key its line has
  for (const auto& [key, value] : ini.Lines(SecLocation)) {
    const std::optional<int> channel = ALocationSetup::ChannelOfKey(key);
    if (!channel) continue;
    const auto done = std::find_if(written.begin(), written.end(), [&](const auto& w) { return w.first == *channel; });
    // A second line of a key written already went with it (keys are the same in any case);
    // another key of the same channel ("Sensor03" beside "Sensor3") goes.
    if (done != written.end() && SameKey(done->second, key)) continue;
    const ASensor* sensor = *channel != 0 ? location.SensorOf(*channel) : nullptr;
    if (sensor == nullptr || done != written.end()) {
      ini.Delete(SecLocation, key.c_str());
      continue;
    }
    ini.Set(SecLocation, key.c_str(), location.PositionText(*sensor));
    written.emplace_back(*channel, key);
  }
  for (const ASensor& sensor : location.Sensors)
    if (std::none_of(written.begin(), written.end(), [&](const auto& w) { return w.first == sensor.Channel; }))
      ini.Set(SecLocation, ALocationSetup::SensorKey(sensor.Channel).c_str(), location.PositionText(sensor));
}

std::string KeptWithin(const char* what, std::int64_t k, std::int64_t n, int ring) {
  return "Test setup: the historic index would average K = " + std::to_string(k) +
         " recent hits at N = " + std::to_string(n) + " (" + what + "), outside the 1 to " + std::to_string(ring) +
         " hits it keeps (MP_HstLastHits5).";
}

}  // namespace

bool ATestSetup::Load(const std::string& path, ViewerUser& user) {
  IniFile ini;
  std::string text;
  if (!ReadWholeFile(path, text) || !ini.Parse(text) || !ini.HasSection(SecZmvWin)) {
    user.Warning(ViewerText(vmUnknownSetupFormat));
    return false;
  }
  // Read into a fresh setup, so that a refused file leaves this one as it was.
  const ATestSetup d;
  ATestSetup s;
  s.FileName = path;
  s.TestLabel = ini.Text(SecTest, "TestLabel", d.TestLabel);
  s.TestTH = ini.Int(SecTest, "TestTH", d.TestTH);
  s.HoldsView = ini.Bool(SecTest, "HoldsView", d.HoldsView);
  for (const auto& [key, line] : ini.Lines(SecHolds)) s.Holds.push_back(ParseHold(key, line, path));
  s.MPT = ini.Int(SecEvent, "MPT", d.MPT);
  s.Lockout = ini.Int(SecEvent, "Lockout", d.Lockout);
  s.DivisorSys = ini.Real(SecParametric, "DivisorSys", d.DivisorSys);
  s.OffsetSys = ini.Real(SecParametric, "OffsetSys", d.OffsetSys);
  s.DivisorReal = ini.Real(SecParametric, "DivisorReal", d.DivisorReal);
  s.OffsetReal = ini.Real(SecParametric, "OffsetReal", d.OffsetReal);
  s.EvalTH = ini.Int(SecMonpac, "EvalTH", d.EvalTH);
  s.HiAmpLev = ini.Int(SecMonpac, "HiAmpLev", d.HiAmpLev);
  s.SevHitNum = ini.Int(SecMonpac, "SevHitNum", d.SevHitNum);
  s.MP_HstLimit1 = ini.Int(SecMonpac, "MP_HstLimit1", d.MP_HstLimit1);
  s.MP_HstLimit2 = ini.Int(SecMonpac, "MP_HstLimit2", d.MP_HstLimit2);
  s.MP_HstLimit3 = ini.Int(SecMonpac, "MP_HstLimit3", d.MP_HstLimit3);
  s.MP_HstLimit4 = ini.Int(SecMonpac, "MP_HstLimit4", d.MP_HstLimit4);
  s.MP_HstLastHits2 = ini.Int(SecMonpac, "MP_HstLastHits2", d.MP_HstLastHits2);
  s.MP_HstLastHits3 = ini.Int(SecMonpac, "MP_HstLastHits3", d.MP_HstLastHits3);
  s.MP_HstLastHits4 = ini.Single(SecMonpac, "MP_HstLastHits4", d.MP_HstLastHits4);
  s.MP_HstLastHits5 = ini.Int(SecMonpac, "MP_HstLastHits5", d.MP_HstLastHits5);
  s.LDExponent = ini.Real(SecLocDyn, "LDExponent", d.LDExponent);
  s.Class1 = ini.Int(SecLocDyn, "Class1", d.Class1);
  s.Class2 = ini.Int(SecLocDyn, "Class2", d.Class2);
  s.Class3 = ini.Int(SecLocDyn, "Class3", d.Class3);
  s.Location = ALocationSetup::FromLines(ini.Lines(SecLocation), path);

  const std::string problem = s.RangeProblem();
  if (!problem.empty()) throw EViewer(problem + "\n(test setup \"" + path + "\")");
  *this = std::move(s);
  return true;
}

void ATestSetup::Save(const std::string& path) const {
  IniFile ini;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    // Everything else in the file must survive, so a file that cannot be read is not replaced.
    std::string text;
    if (!ReadWholeFile(path, text) || !ini.Parse(text))
      throw EViewer("Cannot read \"" + path + "\"; the test setup was not saved.");
  }
  ini.Set(SecZmvWin, "ZmvWin", "1");
  ini.Set(SecTest, "TestLabel", OneLine(TestLabel, false));
  ini.SetInt(SecTest, "TestTH", TestTH);
  ini.Set(SecTest, "HoldsView", HoldsView ? "1" : "0");
  ini.EraseKeys(SecHolds);
  for (std::size_t i = 0; i < Holds.size(); ++i) ini.Set(SecHolds, std::to_string(i).c_str(), HoldLine(Holds[i]));
  ini.SetInt(SecEvent, "MPT", MPT);
  ini.SetInt(SecEvent, "Lockout", Lockout);
  ini.SetReal(SecParametric, "DivisorSys", DivisorSys);
  ini.SetReal(SecParametric, "OffsetSys", OffsetSys);
  ini.SetReal(SecParametric, "DivisorReal", DivisorReal);
  ini.SetReal(SecParametric, "OffsetReal", OffsetReal);
  ini.SetInt(SecMonpac, "EvalTH", EvalTH);
  ini.SetInt(SecMonpac, "HiAmpLev", HiAmpLev);
  ini.SetInt(SecMonpac, "SevHitNum", SevHitNum);
  ini.SetInt(SecMonpac, "MP_HstLimit1", MP_HstLimit1);
  ini.SetInt(SecMonpac, "MP_HstLimit2", MP_HstLimit2);
  ini.SetInt(SecMonpac, "MP_HstLimit3", MP_HstLimit3);
  ini.SetInt(SecMonpac, "MP_HstLimit4", MP_HstLimit4);
  ini.SetInt(SecMonpac, "MP_HstLastHits2", MP_HstLastHits2);
  ini.SetInt(SecMonpac, "MP_HstLastHits3", MP_HstLastHits3);
  ini.SetReal(SecMonpac, "MP_HstLastHits4", MP_HstLastHits4);
  ini.SetInt(SecMonpac, "MP_HstLastHits5", MP_HstLastHits5);
  ini.SetReal(SecLocDyn, "LDExponent", LDExponent);
  ini.SetInt(SecLocDyn, "Class1", Class1);
  ini.SetInt(SecLocDyn, "Class2", Class2);
  ini.SetInt(SecLocDyn, "Class3", Class3);
  if (ini.HasSection(SecLocation) || Location != ALocationSetup()) WriteLocation(ini, Location);
  std::string text;
  if (!ini.Write(text)) throw EViewer("Cannot write \"" + path + "\": out of memory");
  ReplaceFileContents(path, text);
}

std::optional<std::int64_t> ATestSetup::HistoricK(std::uint64_t n) const {
  const auto big = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max() / 2);
  const auto N = static_cast<std::int64_t>(std::min(n, big));
  if (N < MP_HstLimit1) return std::nullopt;
  if (N < MP_HstLimit2) return N;
  if (N < MP_HstLimit3) return MP_HstLastHits3;
  if (N < MP_HstLimit4) {
    // x = N * fraction, rounded to single precision; K = N - ceiling(x). The product is exact in
    // long double, so only the rounding to single precision rounds.
    const long double x = static_cast<long double>(N) * MP_HstLastHits4;
    if (std::isnan(x)) return 0;
    if (!(std::fabs(x) <= static_cast<long double>(FLT_MAX)))
      return x > 0 ? std::int64_t{0} : static_cast<std::int64_t>(big);
    const long double k = static_cast<long double>(N) - std::ceil(static_cast<long double>(static_cast<float>(x)));
    const long double limit = static_cast<long double>(big);
    return static_cast<std::int64_t>(std::clamp(k, -limit, limit));
  }
  return MP_HstLastHits5;
}

std::string ATestSetup::RangeProblem() const {
  if (SevHitNum < 1 || SevHitNum > MaxSevHitNum)
    return "Test setup: the highest energy events number (SevHitNum) must be from 1 to " +
           std::to_string(MaxSevHitNum) + "; it is " + std::to_string(SevHitNum) + ".";
  if (MP_HstLastHits5 < 1 || MP_HstLastHits5 > MaxHstLastHits5)
    return "Test setup: the number of recent hits of the historic index (MP_HstLastHits5) must be from 1 to " +
           std::to_string(MaxHstLastHits5) + "; it is " + std::to_string(MP_HstLastHits5) + ".";
  if (!std::isfinite(MP_HstLastHits4)) return "Test setup: MP_HstLastHits4 must be a number.";
  // Each range of the historic index that some hit count reaches must choose a K within the
  // ring. K grows or shrinks steadily within a range, so its ends decide.
  const std::int64_t ring = MP_HstLastHits5;
  struct Range {
    const char* What;
    std::int64_t From;
    std::int64_t To;  // inclusive
  };
  const std::int64_t l1 = std::max<std::int64_t>(MP_HstLimit1, 1);
  const std::int64_t l2 = std::max<std::int64_t>(l1, MP_HstLimit2);
  const std::int64_t l3 = std::max<std::int64_t>(l2, MP_HstLimit3);
  const Range ranges[] = {
      {"K = N", l1, std::int64_t{MP_HstLimit2} - 1},
      {"MP_HstLastHits3", l2, std::int64_t{MP_HstLimit3} - 1},
      {"K = N - N*MP_HstLastHits4", l3, std::int64_t{MP_HstLimit4} - 1},
  };
  for (const Range& range : ranges) {
    if (range.From > range.To) continue;
    for (const std::int64_t n : {range.From, range.To}) {
      const std::int64_t k = HistoricK(static_cast<std::uint64_t>(n)).value_or(1);
      if (k < 1 || k > ring) return KeptWithin(range.What, k, n, MP_HstLastHits5);
    }
  }
  for (const auto& [name, value] :
       {std::pair<const char*, double>{"DivisorSys", DivisorSys}, {"DivisorReal", DivisorReal}}) {
    if (!std::isfinite(value) || value == 0.0)
      return std::string("Test setup: ") + name + " must be a number other than 0.";
  }
  for (const auto& [name, value] : {std::pair<const char*, double>{"OffsetSys", OffsetSys},
                                    {"OffsetReal", OffsetReal},
                                    {"LDExponent", LDExponent}}) {
    if (!std::isfinite(value)) return std::string("Test setup: ") + name + " must be a number.";
  }
  if (const std::string problem = Location.Problem(); !problem.empty()) return "Test setup, location: " + problem;
  for (const AHold& hold : Holds) {
    if (!std::isfinite(hold.Pressure) || !std::isfinite(hold.Start) || !std::isfinite(hold.Length) ||
        !std::isfinite(hold.Delay))
      return "Test setup: every number of the hold \"" + hold.Label + "\" must be a number.";
  }
  return {};
}

std::string ATestSetup::DefaultFilePath(const std::string& programPath) {
  return std::filesystem::path(programPath).replace_extension(".INI").string();
}

ATestSetup& GlobalTestSetup() {
  static ATestSetup setup;
  return setup;
}

}  // namespace ae
