#pragma once
// Source location in the test setup (the "Location" section of its INI file): the kind of
// location, the wave speed and the sensors, one per channel, at x,y in metres. A channel without
// a sensor takes no part in location; the type None (the default) locates nothing.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ae {

enum class ALocationType { None, Linear, Planar, Zonal };

struct ASensor {
  int Channel = 1;  // 1..128
  double X = 0.0;   // metres
  double Y = 0.0;
  friend bool operator==(const ASensor&, const ASensor&) = default;
};

class ALocationSetup {
 public:
  static constexpr double DefaultVelocity = 3000.0;  // m/s, about the surface wave speed of steel
  static constexpr int MaxChannel = 128;

  ALocationType Type = ALocationType::None;
  double Velocity = DefaultVelocity;  // m/s
  std::vector<ASensor> Sensors;       // ascending channels, one sensor per channel

  friend bool operator==(const ALocationSetup&, const ALocationSetup&) = default;

  bool Active() const { return Type != ALocationType::None; }
  // The sensor of a channel, or null.
  const ASensor* SensorOf(int channel) const;
  // The y a location takes from a sensor: on the line of a linear location only x counts.
  double SensorY(const ASensor& sensor) const { return Type == ALocationType::Linear ? 0.0 : sensor.Y; }

  // "None", "Linear", "Planar", "Zonal"; a name in any case, or nothing for another text.
  static std::string_view TypeName(ALocationType type);
  static std::optional<ALocationType> TypeOf(std::string_view name);
  // The fewest sensors a type locates with: 2 linear, 3 planar, 1 zonal, 0 none.
  static int LeastSensors(ALocationType type);

  // The setup of the section's key lines, in file order (key, value). Keys are matched in any
  // case; other keys are left to whoever keeps them. A bad value raises EViewer with the text of
  // what is wrong and the line, "(test setup "PATH", location line KEY=VALUE)": a type that is
  // none of the four, a speed that is not a number above 0, a position that is not one or two
  // numbers, a channel outside 1..128 or given twice, a linear location with fewer than two
  // sensors or a planar one with fewer than three.
  static ALocationSetup FromLines(const std::vector<std::pair<std::string, std::string>>& lines,
                                  const std::string& path);
  // The key of a channel's sensor line, "Sensor" and the channel; its channel from a key (any
  // case, "Sensor" followed by digits), 0 when the key names no channel 1..128, nothing when it is
  // no sensor key at all.
  static std::string SensorKey(int channel);
  static std::optional<int> ChannelOfKey(std::string_view key);
  // A position as written: "x" on a linear location whose y is 0, else "x,y".
  std::string PositionText(const ASensor& sensor) const;

  // Empty when locations can be worked out with this setup, else why not: the speed, a channel
  // outside 1..128 or twice, or too few sensors for the type.
  std::string Problem() const;

  // A text that differs whenever anything that decides a location differs.
  std::string Key() const;
};

}  // namespace ae
