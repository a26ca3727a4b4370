#include "viewer/core/ALocationSetup.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "viewer/core/EViewer.h"
#include "viewer/core/ProfileValues.h"

namespace ae {

namespace {

constexpr std::array<std::pair<ALocationType, std::string_view>, 4> TypeNames = {{
    {ALocationType::None, "None"},
    {ALocationType::Linear, "Linear"},
    {ALocationType::Planar, "Planar"},
    {ALocationType::Zonal, "Zonal"},
}};

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// "x" or "x,y": one or two numbers separated by a comma (a point is the decimal separator).
std::optional<std::pair<double, double>> ParsePosition(std::string_view text) {
  const std::size_t comma = text.find(',');
  const std::string_view x = comma == std::string_view::npos ? text : text.substr(0, comma);
  const std::string_view y = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  // Each part is one number by itself: a second comma, or a decimal comma, makes no number.
  auto number = [](std::string_view part) -> std::optional<double> {
    if (part.find(',') != std::string_view::npos) return std::nullopt;
    return ParseProfileReal(part);
  };
  const std::optional<double> vx = number(x);
  if (!vx) return std::nullopt;
  if (comma == std::string_view::npos) return std::pair{*vx, 0.0};
  const std::optional<double> vy = number(y);
  if (!vy) return std::nullopt;
  return std::pair{*vx, *vy};
}

[[noreturn]] void Refuse(const std::string& what, const std::string& path, const std::string& key,
                         const std::string& value) {
  throw EViewer(what + "\n(test setup \"" + path + "\", location line " + key + "=" + value + ")");
}

std::string TooFew(ALocationType type) {
  return std::string(ALocationSetup::TypeName(type)) + " location needs at least " +
         std::to_string(ALocationSetup::LeastSensors(type)) + " sensors.";
}

}  // namespace

const ASensor* ALocationSetup::SensorOf(int channel) const {
  for (const ASensor& sensor : Sensors)
    if (sensor.Channel == channel) return &sensor;
  return nullptr;
}

std::string_view ALocationSetup::TypeName(ALocationType type) {
  for (const auto& [t, name] : TypeNames)
    if (t == type) return name;
  return "None";
}

std::optional<ALocationType> ALocationSetup::TypeOf(std::string_view name) {
  name = Trim(name);
  for (const auto& [type, text] : TypeNames)
    if (SameText(name, text)) return type;
  return std::nullopt;
}

int ALocationSetup::LeastSensors(ALocationType type) {
  switch (type) {
    case ALocationType::Linear: return 2;
    case ALocationType::Planar: return 3;
    case ALocationType::Zonal: return 1;
    default: return 0;
  }
}

std::string ALocationSetup::SensorKey(int channel) { return "Sensor" + std::to_string(channel); }

std::optional<int> ALocationSetup::ChannelOfKey(std::string_view key) {
  key = Trim(key);
  constexpr std::string_view prefix = "Sensor";
  if (key.size() < prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) return std::nullopt;
  const std::string_view digits = key.substr(prefix.size());
  int channel = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), channel);
  if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return 0;
  return channel >= 1 && channel <= MaxChannel ? channel : 0;
}

std::string ALocationSetup::PositionText(const ASensor& sensor) const {
  if (Type == ALocationType::Linear && sensor.Y == 0.0) return FormatProfileReal(sensor.X);
  return FormatProfileReal(sensor.X) + "," + FormatProfileReal(sensor.Y);
}

ALocationSetup ALocationSetup::FromLines(const std::vector<std::pair<std::string, std::string>>& lines,
                                         const std::string& path) {
  ALocationSetup setup;
  bool typeRead = false, velocityRead = false;
  std::pair<std::string, std::string> typeLine{"Type", "None"};
  for (const auto& [key, value] : lines) {
    if (SameText(Trim(key), "Type")) {
      const std::optional<ALocationType> type = TypeOf(value);
      if (!type) Refuse("\"" + value + "\" is not a location type (None, Linear, Planar or Zonal).", path, key, value);
      // As with every key of the file, the first line of a key is the one that counts.
      if (!typeRead) setup.Type = *type, typeLine = {key, value};
      typeRead = true;
    } else if (SameText(Trim(key), "Velocity")) {
      const std::optional<double> speed = ParseProfileReal(value);
      if (!speed || !(*speed > 0.0))
        Refuse("The wave speed must be a number of metres per second greater than 0.", path, key, value);
      if (!velocityRead) setup.Velocity = *speed;
      velocityRead = true;
    } else if (const std::optional<int> channel = ChannelOfKey(key)) {
      if (*channel == 0) Refuse("A sensor's channel must be from 1 to 128.", path, key, value);
      const std::optional<std::pair<double, double>> position = ParsePosition(value);
      if (!position) Refuse("A sensor's position must be one or two numbers, x or x,y in metres.", path, key, value);
      if (setup.SensorOf(*channel) != nullptr)
        Refuse("Channel " + std::to_string(*channel) + " has a sensor already.", path, key, value);
      setup.Sensors.push_back({*channel, position->first, position->second});
    }
  }
  std::sort(setup.Sensors.begin(), setup.Sensors.end(),
            [](const ASensor& a, const ASensor& b) { return a.Channel < b.Channel; });
  if (static_cast<int>(setup.Sensors.size()) < LeastSensors(setup.Type))
    Refuse(TooFew(setup.Type), path, typeLine.first, typeLine.second);
  return setup;
}

std::string ALocationSetup::Problem() const {
  if (!std::isfinite(Velocity) || !(Velocity > 0.0))
    return "The wave speed must be a number of metres per second greater than 0.";
  for (std::size_t i = 0; i < Sensors.size(); ++i) {
    const ASensor& sensor = Sensors[i];
    if (sensor.Channel < 1 || sensor.Channel > MaxChannel) return "A sensor's channel must be from 1 to 128.";
    if (!std::isfinite(sensor.X) || !std::isfinite(sensor.Y))
      return "The position of the sensor of channel " + std::to_string(sensor.Channel) + " must be a number.";
    for (std::size_t j = 0; j < i; ++j)
      if (Sensors[j].Channel == sensor.Channel)
        return "Channel " + std::to_string(sensor.Channel) + " has a sensor already.";
  }
  if (static_cast<int>(Sensors.size()) < LeastSensors(Type)) return TooFew(Type);
  return {};
}

std::string ALocationSetup::Key() const {
  if (!Active()) return {};
  // Every number exactly, so that any change of the setup gives another key.
  std::string key(TypeName(Type));
  char text[64];
  std::snprintf(text, sizeof text, "|%a", Velocity);
  key += text;
  for (const ASensor& sensor : Sensors) {
    std::snprintf(text, sizeof text, "|%d:%a,%a", sensor.Channel, sensor.X, SensorY(sensor));
    key += text;
  }
  return key;
}

}  // namespace ae
