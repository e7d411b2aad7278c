#pragma once
// The shape of a ship type, worked out from its picture stem: class, hull
// archetype, outline and the places of decks, wings, turrets and engines.
// Side views, blueprints and fleet symbols all draw from the same shape.
#include <string_view>
#include <vector>

#include "art/paint.h"

namespace qm::art {

struct HullPoint {
  double u;  // 0 tail .. 1 nose
  double v;  // -0.5 top .. 0.5 bottom of the side view's box
};

// A raised block on the hull's top line (bridge, tiers, carrier island).
struct Deck {
  double from, to, height;
};

enum class Hull { Dart, Wedge, Hammer, Carrier, Brick, Station };

struct ShipShape {
  int cls = 1;              // 0 starbase, 1 fighter .. 5 battleship
  Hull hull = Hull::Dart;
  bool freighter = false;
  bool squad = false;       // a squadron of small craft flying together
  double aspect = 3.2;      // length / height of the side view
  std::vector<HullPoint> top, bottom;  // outline, both from tail to nose
  std::vector<Deck> decks;
  double noseLen = 0.25;    // share of the length that tapers to the nose (blueprints)
  double wingSpan = 0.9;    // top view: wing span relative to the length
  double wingAt = 0.35;     // where the wings sit
  bool wings = true;
  int engines = 2;
  int turrets = 0;
  int windows = 0;
  uint32_t seed = 0;

  double TopAt(double u) const;
  double BottomAt(double u) const;
};

ShipShape ShapeOf(std::string_view stemLower);

}  // namespace qm::art
