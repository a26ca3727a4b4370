#pragma once
// Where the sources of a located synthetic test lie and which sensors hear them: planar sources
// inside the polygon the sensors span, linear ones on the line between two neighbouring sensors
// (heard by those two), zonal ones over the whole layout; a part of them gathers around one spot,
// as the events of a growing defect would.
#include <vector>

#include "tools/aetool/Generators.h"
#include "tools/aetool/SyntheticTest.h"

namespace ae {

class SourceLayout {
 public:
  struct Point {
    double X = 0.0;
    double Y = 0.0;
  };
  struct Heard {
    int Channel = 0;
    double Distance = 0.0;  // metres from the source
  };

  // The layout of a setup LocateProblem accepts; the spot the defect's sources gather around is
  // drawn from the random numbers.
  SourceLayout(const GenLocation& locate, SyntheticRandom& random);

  double Velocity = 0.0;  // m/s
  double Size = 0.0;      // metres, the largest distance between two sensors
  // Seconds from one source to the next at the least: the event windows and the time the wave
  // takes across the layout, so that every event stays an event of its own.
  double Gap = 0.0;

  Point Source(SyntheticRandom& random) const;
  // The sensors that hear a source, with their distances.
  std::vector<Heard> Hearing(Point source) const;

 private:
  Point Anywhere(SyntheticRandom& random) const;
  bool Inside(Point p) const;

  ALocationType type_;
  std::vector<ASensor> sensors_;  // as the location takes them (y 0 on a line)
  std::vector<Point> hull_;       // counter-clockwise; fewer than 3 points when the sensors are on a line
  Point low_, high_;              // corners of the box around the sensors
  Point spot_;                    // where the defect's sources gather
  double spread_ = 0.0;
};

}  // namespace ae
