#include "art/ship_shape.h"

#include <algorithm>

namespace qm::art {
namespace {

struct Known {
  std::string_view stem;
  int cls;
  bool freighter;
  bool squad;
};

// The ship types by picture stem.
constexpr Known kKnown[] = {{"spacestation", 0, false, false}, {"starwolf", 1, false, false},
                            {"stargun", 1, false, false},      {"avenger", 1, false, false},
                            {"killerbee", 1, false, false},    {"orion", 1, true, false},
                            {"shadowcat", 2, false, false},    {"paladin", 2, false, false},
                            {"hellcat", 2, false, false},      {"patton", 3, false, false},
                            {"shark", 3, false, false},        {"ferendar", 3, true, false},
                            {"orionsquad", 2, true, true},     {"neptun", 4, false, false},
                            {"galaxy", 4, true, false},        {"corsair", 4, false, false},
                            {"marauder", 5, false, false},     {"skybreaker", 5, false, false},
                            {"blackjack", 5, false, false}};

double At(const std::vector<HullPoint>& line, double u) {
  if (line.empty()) return 0;
  if (u <= line.front().u) return line.front().v;
  for (size_t i = 1; i < line.size(); ++i) {
    if (u <= line[i].u) {
      const double t = (u - line[i - 1].u) / std::max(1e-6, line[i].u - line[i - 1].u);
      return line[i - 1].v + (line[i].v - line[i - 1].v) * t;
    }
  }
  return line.back().v;
}

Hull PickHull(int cls, bool freighter, Rng& rng) {
  if (cls == 0) return Hull::Station;
  if (freighter && cls >= 2) return Hull::Brick;
  switch (cls) {
    case 1: return Hull::Dart;
    case 2: return rng.Chance(0.6) ? Hull::Dart : Hull::Wedge;
    case 3: return rng.Chance(0.5) ? Hull::Wedge : Hull::Hammer;
    case 4: {
      const int k = rng.Int(3);
      return k == 0 ? Hull::Wedge : k == 1 ? Hull::Hammer : Hull::Carrier;
    }
    default: return rng.Chance(0.6) ? Hull::Wedge : Hull::Hammer;
  }
}

}  // namespace

double ShipShape::TopAt(double u) const { return At(top, u); }
double ShipShape::BottomAt(double u) const { return At(bottom, u); }

ShipShape ShapeOf(std::string_view stem) {
  ShipShape s;
  s.seed = Hash(stem);
  Rng rng(s.seed);
  s.cls = 1 + static_cast<int>(s.seed % 5);
  for (const Known& k : kKnown) {
    if (stem == k.stem) {
      s.cls = k.cls;
      s.freighter = k.freighter;
      s.squad = k.squad;
    }
  }
  s.hull = PickHull(s.cls, s.freighter, rng);
  auto j = [&](double v, double by = 0.04) { return v + rng.Range(-by, by); };
  const double nose = rng.Range(0.0, 0.08);  // the nose tip's height
  switch (s.hull) {
    case Hull::Dart: {
      const double canopy = rng.Range(0.5, 0.65);
      s.top = {{0, j(-0.22)}, {0.06, j(-0.27)}, {canopy - 0.12, j(-0.27)}, {canopy, j(-0.33)},
               {canopy + 0.1, j(-0.3)}, {0.86, j(-0.16)}, {0.95, nose - 0.06}, {1, nose}};
      s.bottom = {{0, j(0.22)}, {0.1, j(0.27)}, {0.66, j(0.25)}, {0.86, j(0.14)}, {0.96, nose + 0.05}, {1, nose}};
      s.aspect = s.cls == 1 ? rng.Range(2.5, 3.1) : rng.Range(2.8, 3.3);
      s.noseLen = 1 - canopy;
      if (s.cls == 2) s.decks.push_back({rng.Range(0.2, 0.3), rng.Range(0.42, 0.5), rng.Range(0.08, 0.12)});
      break;
    }
    case Hull::Wedge: {
      const double back = j(-0.36);
      s.top = {{0, back}, {0.05, back - 0.02}, {j(0.3), j(-0.3)}, {0.96, nose - 0.04}, {1, nose}};
      s.bottom = {{0, j(0.3)}, {0.22, j(0.31)}, {0.26, 0.4}, {0.55, 0.4}, {0.6, j(0.26)}, {0.97, nose + 0.04}, {1, nose}};
      s.aspect = s.cls <= 2 ? rng.Range(2.8, 3.2) : rng.Range(3.0, 3.6);
      s.noseLen = 0.55;
      const double d0 = rng.Range(0.08, 0.16);
      s.decks.push_back({d0, d0 + rng.Range(0.22, 0.3), rng.Range(0.08, 0.12)});
      if (s.cls >= 4) s.decks.push_back({d0 + 0.04, d0 + rng.Range(0.12, 0.18), rng.Range(0.16, 0.2)});
      break;
    }
    case Hull::Hammer: {
      const double neck0 = rng.Range(0.22, 0.3), head = rng.Range(0.58, 0.66);
      s.top = {{0, j(-0.3)}, {neck0, j(-0.3)}, {neck0 + 0.04, -0.14}, {head - 0.03, -0.14}, {head, j(-0.34)},
               {0.94, j(-0.3)}, {1, nose - 0.1}};
      s.bottom = {{0, j(0.3)}, {neck0, j(0.3)}, {neck0 + 0.04, 0.14}, {head - 0.03, 0.14}, {head, j(0.32)},
                  {0.92, j(0.3)}, {1, nose + 0.15}};
      s.aspect = rng.Range(3.0, 3.6);
      s.noseLen = 1 - head;
      s.decks.push_back({head + 0.04, head + rng.Range(0.14, 0.2), rng.Range(0.08, 0.12)});
      s.wings = false;
      break;
    }
    case Hull::Carrier: {
      s.top = {{0, -0.2}, {0.88, -0.2}, {1, j(0.0)}};
      s.bottom = {{0, j(0.24)}, {0.12, 0.32}, {0.84, 0.32}, {1, j(0.04)}};
      s.aspect = rng.Range(3.2, 3.8);
      s.noseLen = 0.12;
      const double isl = rng.Range(0.45, 0.6);
      s.decks.push_back({isl, isl + 0.1, rng.Range(0.22, 0.28)});
      s.wings = false;
      break;
    }
    case Hull::Brick: {
      const double cab = rng.Range(0.74, 0.8);
      s.top = {{0, -0.26}, {cab, -0.26}, {cab + 0.04, -0.38}, {0.96, -0.38}, {1, -0.2}};
      s.bottom = {{0, 0.3}, {0.06, 0.34}, {0.8, 0.34}, {1, 0.22}};
      s.aspect = rng.Range(2.6, 3.2);
      s.noseLen = 1 - cab;
      s.wings = false;
      break;
    }
    case Hull::Station:
      s.top = {{0, -0.5}, {1, -0.5}};
      s.bottom = {{0, 0.5}, {1, 0.5}};
      s.aspect = 1.7;
      break;
  }
  s.wingSpan = s.cls <= 1 ? rng.Range(0.7, 1.0) : s.cls == 2 ? rng.Range(0.5, 0.8) : rng.Range(0.3, 0.45);
  s.wingAt = rng.Range(0.15, 0.4);
  if (s.cls >= 3) s.wings = false;
  s.engines = 1 + rng.Int(s.cls >= 3 ? 3 : 2);
  s.turrets = s.cls >= 3 ? s.cls - 1 + rng.Int(2) : 0;
  if (s.freighter) s.turrets = std::min(s.turrets, 1);
  s.windows = s.cls >= 2 ? 4 + s.cls * 3 : 0;
  return s;
}

}  // namespace qm::art
