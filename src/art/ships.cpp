// Ship pictures: faction prefix + picture stem + view suffix. The large and
// small scenes show the ship in space, the wire views are blueprints, and the
// combat views show the ship from the side (player "_l_" facing right, enemy
// "_r_" facing left) normal, shielded or firing with its gun kind's beams.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"
#include "art/ship_shape.h"
#include "art/ship_side.h"

namespace qm::art {
namespace {

enum class View { Scene, SceneSmall, TopWire, SideWire, Combat, Simulator };

struct ShipName {
  int faction = -1;
  std::string stem;  // lower case
  View view = View::Scene;
  bool facingLeft = false;
  bool shield = false;
  int gun = 0;  // firing picture number, 0 = not firing
};

constexpr std::array<std::string_view, 5> kPrefixes = {"pirate_", "federation_", "outerrim_", "coalition_",
                                                       "syndicate_"};

bool ParseShip(const Name& n, ShipName& out) {
  std::string_view rest = n.low;
  for (size_t f = 0; f < kPrefixes.size(); ++f) {
    if (StartsWith(rest, kPrefixes[f])) {
      out.faction = static_cast<int>(f);
      rest.remove_prefix(kPrefixes[f].size());
      break;
    }
  }
  struct Suffix {
    std::string_view text;
    View view;
  };
  static constexpr std::array<Suffix, 4> kViews = {
      {{"_scene_sm", View::SceneSmall}, {"_scene", View::Scene}, {"_topwire", View::TopWire},
       {"_sidewire", View::SideWire}}};
  bool known = false;
  for (const Suffix& s : kViews) {
    if (EndsWith(rest, s.text)) {
      out.view = s.view;
      rest.remove_suffix(s.text.size());
      known = true;
      break;
    }
  }
  if (!known) {
    // combat views: _l_n, _l_s, _l_f<k>, the same with _r_; simulator views _l / _r
    size_t pos = std::string_view::npos;
    for (std::string_view tag : {std::string_view("_l_"), std::string_view("_r_")}) {
      const size_t p = rest.rfind(tag);
      if (p != std::string_view::npos && (pos == std::string_view::npos || p > pos)) pos = p;
    }
    if (pos != std::string_view::npos && pos > 0) {
      const std::string_view tail = rest.substr(pos + 3);
      out.view = View::Combat;
      out.facingLeft = rest[pos + 1] == 'r';
      out.shield = tail == "s";
      if (!tail.empty() && tail[0] == 'f') out.gun = std::clamp(TrailingNumber(tail, 1), 1, 8);
      rest = rest.substr(0, pos);
      known = true;
    } else if (EndsWith(rest, "_r") || EndsWith(rest, "_l")) {
      out.view = View::Simulator;
      out.facingLeft = rest.back() == 'r';
      rest.remove_suffix(2);
      known = true;
    }
  }
  out.stem = std::string(rest);
  if (out.stem == "notavailable") return true;
  return out.faction >= 0 && !out.stem.empty();
}

// Blueprint paper: deep blue with a fine grid.
void Blueprint(const Canvas& c, uint32_t seed) {
  cairo_t* cr = c.cr;
  cairo_pattern_t* g = cairo_pattern_create_radial(c.w / 2, c.h / 2, 0, c.w / 2, c.h / 2, std::max(c.w, c.h) * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.12, 0.24);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.015, 0.04, 0.09);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  const double step = std::max(4.0, c.Min() / 10);
  cairo_set_line_width(cr, std::max(0.5, c.Min() / 300));
  SetColor(cr, ui::kCyan, 0.13);
  for (double x = std::fmod(c.w / 2, step); x < c.w; x += step) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, c.h);
  }
  for (double y = std::fmod(c.h / 2, step); y < c.h; y += step) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);
  (void)seed;
}

// Top view of the ship's plan, nose up, as glowing blueprint lines.
void TopPlan(const Canvas& c, const ShipShape& s, int faction) {
  cairo_t* cr = c.cr;
  const double L = std::min(c.h * 0.86, c.w * 0.86 / std::max(0.5, s.wingSpan + 0.1));
  const double cx = c.w / 2, top = (c.h - L) / 2;
  auto P = [&](double u, double side) { return std::array<double, 2>{cx + side * L, top + (1 - u) * L}; };
  const double span = s.wingSpan / 2;
  const Rgb line = Mix(ui::kCyan, LiveryOf(faction).accent, 0.3);
  if (s.cls == 0) {  // the starbase from above: ring, spokes, hub
    const double R = std::min(c.w, c.h) * 0.42;
    cairo_set_line_width(cr, std::max(1.0, R * 0.02));
    SetColor(cr, line, 0.9);
    cairo_arc(cr, cx, c.h / 2, R, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_arc(cr, cx, c.h / 2, R * 0.8, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
      const double a = i * M_PI / 3;
      cairo_move_to(cr, cx + R * 0.25 * std::cos(a), c.h / 2 + R * 0.25 * std::sin(a));
      cairo_line_to(cr, cx + R * 0.8 * std::cos(a), c.h / 2 + R * 0.8 * std::sin(a));
    }
    cairo_stroke(cr);
    SetColor(cr, line, 0.25);
    cairo_arc(cr, cx, c.h / 2, R * 0.25, 0, 2 * M_PI);
    cairo_fill_preserve(cr);
    SetColor(cr, line, 0.9);
    cairo_stroke(cr);
    return;
  }
  // the plan follows the side view's thickness; darts add their wings
  const double widen = (s.hull == Hull::Wedge || s.hull == Hull::Carrier) ? 1.0 : 0.75;
  auto half = [&](double u) { return (s.BottomAt(u) - s.TopAt(u)) / s.aspect * widen; };
  const double bw = half(0.5), tw = half(0.03);
  cairo_new_path(cr);
  for (int side = 1; side >= -1; side -= 2) {
    for (int k = 0; k <= 24; ++k) {
      const double u = side > 0 ? k / 24.0 : 1 - k / 24.0;
      double hw = half(u);
      if (s.wings && u > s.wingAt - 0.02 && u < s.wingAt + 0.32) {
        const double t = (u - (s.wingAt - 0.02)) / 0.34;  // 0 at the trailing edge
        hw = std::max(hw, span * (t < 0.25 ? 1.0 : 1.0 - (t - 0.25) / 0.75));
      }
      const auto p = P(u, side * hw);
      cairo_line_to(cr, p[0], p[1]);
    }
  }
  cairo_close_path(cr);
  SetColor(cr, line, 0.14);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_set_line_width(cr, std::max(3.0, L * 0.04));
  SetColor(cr, line, 0.22);
  cairo_stroke_preserve(cr);
  cairo_restore(cr);
  cairo_set_line_width(cr, std::max(1.2, L * 0.012));
  SetColor(cr, Mix(line, {1, 1, 1}, 0.4), 0.95);
  cairo_stroke(cr);
  // inner structure: spine, decks, engines, cockpit
  cairo_set_line_width(cr, std::max(0.5, L * 0.005));
  SetColor(cr, line, 0.6);
  const double dash = std::max(1.0, L * 0.02);
  cairo_set_dash(cr, &dash, 1, 0);
  auto a = P(0.02, 0), b = P(0.97, 0);
  cairo_move_to(cr, a[0], a[1]);
  cairo_line_to(cr, b[0], b[1]);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (const Deck& d : s.decks) {
    const auto d0 = P(d.to, bw * 0.7), d1 = P(d.from, -bw * 0.7);
    cairo_rectangle(cr, d1[0], d0[1], d0[0] - d1[0], d1[1] - d0[1]);
    cairo_stroke(cr);
  }
  for (int i = 0; i < s.engines; ++i) {
    const double side = s.engines == 1 ? 0 : (i / double(s.engines - 1) - 0.5) * tw * 1.2;
    const auto e = P(0.03, side);
    cairo_arc(cr, e[0], e[1], std::max(1.0, L * 0.025), 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  for (int i = 0; i < s.turrets; ++i) {
    const auto t = P(0.2 + 0.6 * (i + 0.5) / s.turrets, 0);
    cairo_arc(cr, t[0], t[1], std::max(1.0, L * 0.03), 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  const auto ck = P(1 - s.noseLen - 0.02, 0);
  cairo_save(cr);
  cairo_translate(cr, ck[0], ck[1]);
  cairo_scale(cr, bw * L * 0.5, L * 0.06);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, {0.7, 0.95, 1}, 0.5);
  cairo_fill(cr);
}

void SideWire(const Canvas& c, const ShipShape& s, int faction) {
  cairo_t* cr = c.cr;
  const Rgb line = Mix(ui::kCyan, LiveryOf(faction).accent, 0.3);
  if (s.cls == 0) {
    ShipSideShape(c, s, faction, c.w * 0.1, c.h * 0.1, c.w * 0.8, c.h * 0.8);
    return;
  }
  const SideFrame f = FitSide(s, c.w * 0.06, c.h * 0.12, c.w * 0.88, c.h * 0.76);
  SideHullPath(cr, s, f);
  SetColor(cr, line, 0.12);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, std::max(0.8, f.H * 0.02));
  SetColor(cr, Mix(line, {1, 1, 1}, 0.4), 0.95);
  cairo_stroke(cr);
  DeckPath(cr, s, f);
  cairo_stroke(cr);
  cairo_set_line_width(cr, std::max(0.5, f.H * 0.01));
  SetColor(cr, line, 0.55);
  for (int i = 1; i < 8; ++i) {
    f.Move(cr, i / 8.0, s.TopAt(i / 8.0) + 0.04);
    f.Line(cr, i / 8.0, s.BottomAt(i / 8.0) - 0.04);
  }
  cairo_stroke(cr);
  // dimension line under the hull
  f.Move(cr, 0, 0.48);
  f.Line(cr, 1, 0.48);
  f.Move(cr, 0, 0.42);
  f.Line(cr, 0, 0.5);
  f.Move(cr, 1, 0.42);
  f.Line(cr, 1, 0.5);
  cairo_stroke(cr);
}

void Scene(const Canvas& c, const ShipShape& s, int faction, uint32_t seed) {
  SpaceBackdrop(c, seed, 0.6);
  Rng rng(seed);
  // a planet's limb low in the picture
  static constexpr std::array<std::string_view, 6> kWorlds = {"desert2", "red4", "toxic2", "jupiter", "dark3", "moon"};
  PlanetDisc(c, kWorlds[static_cast<size_t>(rng.Int(6))], c.w * rng.Range(0.1, 0.9), c.h * 1.35, c.h * 0.7);
  cairo_save(c.cr);
  cairo_translate(c.cr, c.w / 2, c.h / 2);
  cairo_rotate(c.cr, -0.08);
  cairo_translate(c.cr, -c.w / 2, -c.h / 2);
  ShipSideShape(c, s, faction, c.w * 0.1, c.h * 0.15, c.w * 0.8, c.h * 0.62);
  cairo_restore(c.cr);
}

Rgb GunColor(int gun) {
  static constexpr std::array<uint32_t, 9> kGuns = {0xff4040, 0xff3a30, 0x60ff70, 0x70a8ff, 0xffa030,
                                                    0xc060ff, 0xfff080, 0x90ff90, 0x40ffff};
  return Hex(kGuns[static_cast<size_t>(std::clamp(gun, 0, 8))]);
}

// The guns' fire from the ship's gun ports out of the picture.
void Fire(const Canvas& c, const ShipShape& s, int gun, double x, double y, double w, double h) {
  cairo_t* cr = c.cr;
  const SideFrame f = FitSide(s, x, y, w, h);
  const Rgb col = GunColor(gun);
  Rng rng(static_cast<uint64_t>(gun) * 977 + s.seed);
  const int ports = s.cls == 0 ? 3 : 1 + std::min(3, s.cls / 2 + s.turrets / 2);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (int i = 0; i < ports; ++i) {
    const double px = s.cls == 0 ? x + w * 0.6 : f.X(0.95 - i * 0.12);
    const double py = s.cls == 0 ? y + h * (0.3 + 0.2 * i) : f.Y(i == 0 ? s.TopAt(0.97) + 0.04 : s.TopAt(0.95 - i * 0.12) + 0.05);
    const double ex = c.w, ey = py + rng.Range(-0.08, 0.08) * c.h;
    const double width = std::max(1.0, h * (gun == 3 || gun == 6 ? 0.05 : 0.025));
    switch (gun) {
      case 2:
      case 8: {  // rapid bolts
        for (double t = 0.08; t < 1; t += 0.16) {
          const double bx = px + (ex - px) * t, by = py + (ey - py) * t;
          cairo_set_line_width(cr, width * 1.5);
          SetColor(cr, col, 0.9);
          cairo_move_to(cr, bx, by);
          cairo_line_to(cr, bx + (ex - px) * 0.07, by + (ey - py) * 0.07);
          cairo_stroke(cr);
        }
        break;
      }
      case 4: {  // fusion balls
        for (double t = 0.15; t < 1; t += 0.3) Glow(cr, px + (ex - px) * t, py + (ey - py) * t, width * 4, col, 0.9);
        break;
      }
      case 7: {  // leech: a wavering stream
        cairo_set_line_width(cr, width * 1.2);
        SetColor(cr, col, 0.85);
        cairo_move_to(cr, px, py);
        for (double t = 0; t <= 1.0; t += 0.02)
          cairo_line_to(cr, px + (ex - px) * t, py + (ey - py) * t + std::sin(t * 30) * h * 0.03);
        cairo_stroke(cr);
        break;
      }
      case 5: {  // quantum / disruptor: jagged lightning
        cairo_set_line_width(cr, width);
        SetColor(cr, col, 0.95);
        cairo_move_to(cr, px, py);
        for (double t = 0.05; t <= 1.0; t += 0.05)
          cairo_line_to(cr, px + (ex - px) * t, py + (ey - py) * t + rng.Range(-1, 1) * h * 0.04);
        cairo_stroke(cr);
        break;
      }
      default: {  // beams with a bright core
        cairo_set_line_width(cr, width * 3);
        SetColor(cr, col, 0.35);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, ex, ey);
        cairo_stroke(cr);
        cairo_set_line_width(cr, width);
        SetColor(cr, Mix(col, {1, 1, 1}, 0.6), 1);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, ex, ey);
        cairo_stroke(cr);
      }
    }
    Glow(cr, px, py, std::max(2.0, h * 0.12), Mix(col, {1, 1, 1}, 0.4), 1.0);
  }
  cairo_restore(cr);
}

void ShieldBubble(const Canvas& c, uint32_t seed) {
  cairo_t* cr = c.cr;
  const Rgb col = Mix(ui::kCyan, {0.4, 1, 1}, 0.4);
  cairo_save(cr);
  cairo_translate(c.cr, c.w / 2, c.h / 2);
  cairo_scale(c.cr, c.w * 0.48, c.h * 0.47);
  cairo_pattern_t* g = cairo_pattern_create_radial(-0.2, -0.25, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, col.r, col.g, col.b, 0.05);
  cairo_pattern_add_color_stop_rgba(g, 0.75, col.r, col.g, col.b, 0.12);
  cairo_pattern_add_color_stop_rgba(g, 0.95, col.r, col.g, col.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, col.r, col.g, col.b, 0);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // hexagon shimmer on the bubble's edge
  Rng rng(seed);
  cairo_set_line_width(cr, 0.008);
  SetColor(cr, {0.8, 1, 1}, 0.35);
  for (int i = 0; i < 26; ++i) {
    const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0.75, 0.95);
    const double hx = d * std::cos(a), hy = d * std::sin(a), hr = 0.05;
    for (int k = 0; k <= 6; ++k) {
      const double b = k * M_PI / 3;
      if (k == 0)
        cairo_move_to(cr, hx + hr * std::cos(b), hy + hr * std::sin(b));
      else
        cairo_line_to(cr, hx + hr * std::cos(b), hy + hr * std::sin(b));
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void NotAvailable(const Canvas& c) {
  Blueprint(c, 0);
  cairo_set_line_width(c.cr, std::max(1.0, c.Min() / 40));
  SetColor(c.cr, ui::kCyan, 0.5);
  cairo_move_to(c.cr, c.w * 0.2, c.h * 0.2);
  cairo_line_to(c.cr, c.w * 0.8, c.h * 0.8);
  cairo_move_to(c.cr, c.w * 0.8, c.h * 0.2);
  cairo_line_to(c.cr, c.w * 0.2, c.h * 0.8);
  cairo_stroke(c.cr);
  Caption(c.cr, "N/A", 0, c.h * 0.35, c.w, c.h * 0.3, ui::kInk, c.h * 0.3);
}

}  // namespace

bool MatchShip(const Name& n) {
  ShipName s;
  return ParseShip(n, s);
}

void DrawShip(const Canvas& c, const Name& n, const std::string&) {
  ShipName s;
  ParseShip(n, s);
  if (s.stem == "notavailable") {
    NotAvailable(c);
    return;
  }
  const ShipShape shape = ShapeOf(s.stem);
  const uint32_t seed = Hash(n.low);
  switch (s.view) {
    case View::Scene:
    case View::SceneSmall: Scene(c, shape, s.faction, Hash(s.stem)); break;
    case View::TopWire:
      Blueprint(c, seed);
      TopPlan(c, shape, s.faction);
      break;
    case View::SideWire:
      Blueprint(c, seed);
      SideWire(c, shape, s.faction);
      break;
    case View::Combat:
    case View::Simulator: {
      cairo_save(c.cr);
      if (s.facingLeft) {
        cairo_translate(c.cr, c.w, 0);
        cairo_scale(c.cr, -1, 1);
      }
      const double bx = c.w * 0.08, by = c.h * 0.12, bw = c.w * 0.76, bh = c.h * 0.76;
      if (s.gun > 0) Fire(c, shape, s.gun, bx, by, bw, bh);
      ShipSideShape(c, shape, s.faction, bx, by, bw, bh);
      if (s.shield) ShieldBubble(c, seed);
      cairo_restore(c.cr);
    }
  }
}

}  // namespace qm::art
