// Mission emblems for the mission board ("Mission_PatrolLogo", "Mission_Marine"):
// a metal-rimmed badge with a dark enamel field and one symbol that says what
// the mission asks for. The accent colour tells the kind of work at a glance:
// red for attacks (these badges are shields), blue for service and guard
// duty, amber for trade runs, violet for covert work. Mission names the kit
// has no symbol for get a plain navigation-star badge.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Symbol { Crosshair, Radar, Crate, FuelCell, CapitalShip, WantedStar, Guard, Salute, Mask, Dish, Beam, NavStar };

struct Kind {
  std::string_view key;  // the name between "mission_" and "logo"
  Symbol symbol;
  Rgb accent;
  bool shield;  // attack missions wear a shield, all others a round badge
};

constexpr Rgb kAttack{0.93, 0.27, 0.22};
constexpr Rgb kService{0.29, 0.63, 1.0};
constexpr Rgb kTrade{0.96, 0.66, 0.18};
constexpr Rgb kCovert{0.68, 0.44, 0.96};
constexpr Rgb kPlain{0.5, 0.72, 0.8};

constexpr std::array<Kind, 11> kKinds = {{
    {"searchanddestroy", Symbol::Crosshair, kAttack, true},
    {"attackcap", Symbol::CapitalShip, kAttack, true},
    {"bounty", Symbol::WantedStar, kAttack, true},
    {"patrol", Symbol::Radar, kService, false},
    {"escort", Symbol::Guard, kService, false},
    {"reportforduty", Symbol::Salute, kService, false},
    {"transport", Symbol::Crate, kTrade, false},
    {"supply", Symbol::FuelCell, kTrade, false},
    {"infiltrate", Symbol::Mask, kCovert, false},
    {"recon", Symbol::Dish, kCovert, false},
    {"vipabduct", Symbol::Beam, kCovert, false},
}};

const Kind& KindOf(const Name& n) {
  static constexpr Kind kUnknown{"", Symbol::NavStar, kPlain, false};
  std::string_view key = n.low;
  key.remove_prefix(8);  // "mission_"
  if (EndsWith(key, "logo")) key.remove_suffix(4);
  for (const Kind& k : kKinds)
    if (k.key == key) return k;
  return kUnknown;
}

constexpr Rgb kWhite{1, 1, 1};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBright{0.93, 0.95, 0.99};
constexpr Rgb kGoldMetal{0.98, 0.8, 0.32};

// The badge outline of radius r around (cx, cy): a circle or a heater shield
// with a raised crest in the middle of its top edge.
void BadgePath(cairo_t* cr, bool shield, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  if (!shield) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    return;
  }
  auto x = [&](double u) { return cx + u * r; };
  auto y = [&](double v) { return cy + v * r; };
  cairo_move_to(cr, x(-0.9), y(-0.8));
  cairo_curve_to(cr, x(-0.55), y(-0.8), x(-0.2), y(-0.85), x(0), y(-0.98));
  cairo_curve_to(cr, x(0.2), y(-0.85), x(0.55), y(-0.8), x(0.9), y(-0.8));
  cairo_line_to(cr, x(0.88), y(0.02));
  cairo_curve_to(cr, x(0.86), y(0.52), x(0.45), y(0.8), x(0), y(1.0));
  cairo_curve_to(cr, x(-0.45), y(0.8), x(-0.86), y(0.52), x(-0.88), y(0.02));
  cairo_close_path(cr);
}

// A linear gradient from `from` to `to` along the diagonal of the box around (cx, cy).
void Diagonal(cairo_t* cr, double cx, double cy, double r, Rgb from, Rgb mid, Rgb to) {
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(g, 0, from.r, from.g, from.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, mid.r, mid.g, mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, to.r, to.g, to.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

// Fills the current path with polished metal, bright at the top, and rims it
// dark so it stands off the enamel. Symbol space: y runs from -1 to 1.
void Polished(cairo_t* cr, Rgb tint = kBright, double y0 = -1, double y1 = 1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  const Rgb hi = Mix(tint, kWhite, 0.55), lo = Scale(tint, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, tint.r, tint.g, tint.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 0.06);
  SetColor(cr, kBlack, 0.55);
  cairo_stroke(cr);
}

// Strokes the current path twice: a dark halo, then the colour on top.
void Line(cairo_t* cr, Rgb c, double width, double alpha = 1) {
  cairo_set_line_width(cr, width + 0.08);
  SetColor(cr, kBlack, 0.5 * alpha);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width);
  SetColor(cr, c, alpha);
  cairo_stroke(cr);
}

void Dot(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

void Crosshair(cairo_t* cr, Rgb accent) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  Dot(cr, 0, 0, 0.62);
  Line(cr, kBright, 0.13);
  for (int k = 0; k < 4; ++k) {
    const double dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
    cairo_move_to(cr, dx * 0.3, dy * 0.3);
    cairo_line_to(cr, dx * 0.95, dy * 0.95);
  }
  Line(cr, kBright, 0.12);
  Glow(cr, 0, 0, 0.42, accent, 0.7);
  Dot(cr, 0, 0, 0.13);
  SetColor(cr, Mix(accent, kWhite, 0.3));
  cairo_fill(cr);
}

void Radar(cairo_t* cr, Rgb accent) {
  for (double r : {0.92, 0.6, 0.28}) {
    Dot(cr, 0, 0, r);
    cairo_set_line_width(cr, 0.06);
    SetColor(cr, accent, 0.55);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, -0.92, 0);
  cairo_line_to(cr, 0.92, 0);
  cairo_move_to(cr, 0, -0.92);
  cairo_line_to(cr, 0, 0.92);
  cairo_set_line_width(cr, 0.04);
  SetColor(cr, accent, 0.35);
  cairo_stroke(cr);
  // the sweep: a fan fading behind the beam, which turns clockwise
  const double lead = -M_PI / 4;
  for (int i = 0; i < 8; ++i) {
    const double a1 = lead - i * 0.14, a0 = a1 - 0.15;
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 0.92, a0, a1);
    cairo_close_path(cr);
    SetColor(cr, accent, 0.5 * (1 - i / 8.0));
    cairo_fill(cr);
  }
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0.92 * std::cos(lead), 0.92 * std::sin(lead));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, Mix(accent, kWhite, 0.6), 0.09);
  for (auto [x, y] : {std::pair{0.38, -0.5}, std::pair{-0.52, 0.34}, std::pair{0.2, 0.6}}) {
    Glow(cr, x, y, 0.22, accent, 0.8);
    Dot(cr, x, y, 0.08);
    SetColor(cr, Mix(accent, kWhite, 0.7));
    cairo_fill(cr);
  }
  Dot(cr, 0, 0, 0.1);
  Polished(cr);
}

void Crate(cairo_t* cr, Rgb accent) {
  // a cargo crate seen from above one corner: top, left and right faces
  const double top[4][2] = {{0, -0.88}, {0.8, -0.46}, {0, -0.04}, {-0.8, -0.46}};
  const double left[4][2] = {{-0.8, -0.46}, {0, -0.04}, {0, 0.88}, {-0.8, 0.46}};
  const double right[4][2] = {{0, -0.04}, {0.8, -0.46}, {0.8, 0.46}, {0, 0.88}};
  auto face = [cr](const double (&p)[4][2], Rgb c) {
    cairo_move_to(cr, p[0][0], p[0][1]);
    for (int i = 1; i < 4; ++i) cairo_line_to(cr, p[i][0], p[i][1]);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.06);
    SetColor(cr, kBlack, 0.6);
    cairo_stroke(cr);
  };
  face(top, Mix(accent, kWhite, 0.55));
  face(left, accent);
  face(right, Scale(accent, 0.62));
  // the side faces' frames and cross braces
  cairo_set_line_width(cr, 0.07);
  SetColor(cr, Scale(accent, 0.35), 0.9);
  for (const auto* p : {&left, &right}) {
    const auto& q = *p;
    auto at = [&](double u, double v, int axis) {
      // point on the face: u along the top edge, v down the side
      const double x = q[0][0] + (q[1][0] - q[0][0]) * u + (q[3][0] - q[0][0]) * v;
      const double y = q[0][1] + (q[1][1] - q[0][1]) * u + (q[3][1] - q[0][1]) * v;
      return axis == 0 ? x : y;
    };
    static constexpr double kFrame[4][2] = {{0.14, 0.14}, {0.86, 0.14}, {0.86, 0.86}, {0.14, 0.86}};
    cairo_move_to(cr, at(kFrame[0][0], kFrame[0][1], 0), at(kFrame[0][0], kFrame[0][1], 1));
    for (const auto& f : kFrame) cairo_line_to(cr, at(f[0], f[1], 0), at(f[0], f[1], 1));
    cairo_close_path(cr);
    cairo_move_to(cr, at(0.14, 0.14, 0), at(0.14, 0.14, 1));
    cairo_line_to(cr, at(0.86, 0.86, 0), at(0.86, 0.86, 1));
    cairo_stroke(cr);
  }
}

void FuelCell(cairo_t* cr, Rgb accent) {
  // a supply canister with its cap, ribbed ends and a relief cross on an accent band
  RoundedRect(cr, -0.2, -0.98, 0.4, 0.24, 0.06);
  Polished(cr, kBright, -0.98, -0.74);
  RoundedRect(cr, -0.54, -0.8, 1.08, 1.72, 0.2);
  Polished(cr, kBright, -0.8, 0.92);
  cairo_set_line_width(cr, 0.05);
  SetColor(cr, kBlack, 0.35);
  for (double y : {-0.62, -0.52, 0.64, 0.74}) {
    cairo_move_to(cr, -0.5, y);
    cairo_line_to(cr, 0.5, y);
  }
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.54, -0.4, 1.08, 0.9);
  SetColor(cr, accent);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 0.05);
  SetColor(cr, kBlack, 0.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.1, -0.3, 0.2, 0.7);
  cairo_rectangle(cr, -0.35, -0.05, 0.7, 0.2);
  SetColor(cr, kWhite, 0.95);
  cairo_fill(cr);
}

void CapitalShip(cairo_t* cr, Rgb accent) {
  // the reticle's heavy corner brackets
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  for (int k = 0; k < 4; ++k) {
    const double sx = k % 2 ? 1 : -1, sy = k / 2 ? 1 : -1;
    cairo_move_to(cr, sx * 0.9, sy * 0.42);
    cairo_line_to(cr, sx * 0.9, sy * 0.8);
    cairo_line_to(cr, sx * 0.52, sy * 0.8);
  }
  Line(cr, accent, 0.12);
  // a capital ship from above: a long wedge, its spine ridge and the bridge aft
  for (double x : {-0.26, 0.0, 0.26}) Glow(cr, x, 0.8, 0.2, {0.6, 0.85, 1}, 0.95);
  cairo_move_to(cr, 0, -0.94);
  cairo_line_to(cr, 0.68, 0.6);
  cairo_line_to(cr, 0.52, 0.76);
  cairo_line_to(cr, -0.52, 0.76);
  cairo_line_to(cr, -0.68, 0.6);
  cairo_close_path(cr);
  Polished(cr, {0.8, 0.82, 0.88}, -0.94, 0.76);
  cairo_move_to(cr, 0, -0.94);
  cairo_line_to(cr, 0.68, 0.6);
  cairo_line_to(cr, 0.52, 0.76);
  cairo_line_to(cr, 0, 0.76);
  cairo_close_path(cr);
  SetColor(cr, kBlack, 0.25);
  cairo_fill(cr);
  cairo_move_to(cr, 0, -0.72);
  cairo_line_to(cr, 0.12, 0.5);
  cairo_line_to(cr, -0.12, 0.5);
  cairo_close_path(cr);
  Polished(cr, kBright, -0.72, 0.5);
  cairo_rectangle(cr, -0.22, 0.4, 0.44, 0.2);
  Polished(cr, kBright, 0.4, 0.6);
  // the lock: a ring over its middle with hairs running out to the brackets
  Dot(cr, 0, 0.05, 0.28);
  cairo_move_to(cr, -0.9, 0.05);
  cairo_line_to(cr, -0.36, 0.05);
  cairo_move_to(cr, 0.36, 0.05);
  cairo_line_to(cr, 0.9, 0.05);
  Line(cr, Mix(accent, kWhite, 0.2), 0.06);
  Dot(cr, 0, 0.05, 0.07);
  SetColor(cr, accent);
  cairo_fill(cr);
}

void WantedStar(cairo_t* cr, Rgb accent) {
  // a hunter's six-pointed star with balls on its points and a struck centre
  StarPath(cr, 0, 0, 0.86, 0.46, 6);
  Polished(cr, kGoldMetal);
  for (int i = 0; i < 6; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 3;
    Dot(cr, 0.86 * std::cos(a), 0.86 * std::sin(a), 0.11);
    Polished(cr, kGoldMetal);
  }
  Dot(cr, 0, 0, 0.3);
  Polished(cr, Scale(kGoldMetal, 0.8), -0.3, 0.3);
  StarPath(cr, 0, 0, 0.2, 0.08, 5);
  SetColor(cr, Mix(accent, kBlack, 0.3));
  cairo_fill(cr);
}

// A small fighter seen from above, nose up.
void Fighter(cairo_t* cr, double x, double y, double s, Rgb engine) {
  Glow(cr, x, y + 0.5 * s, 0.35 * s, engine, 0.9);
  cairo_move_to(cr, x, y - s);
  cairo_line_to(cr, x + 0.22 * s, y - 0.1 * s);
  cairo_line_to(cr, x + 0.7 * s, y + 0.35 * s);
  cairo_line_to(cr, x + 0.65 * s, y + 0.55 * s);
  cairo_line_to(cr, x, y + 0.38 * s);
  cairo_line_to(cr, x - 0.65 * s, y + 0.55 * s);
  cairo_line_to(cr, x - 0.7 * s, y + 0.35 * s);
  cairo_line_to(cr, x - 0.22 * s, y - 0.1 * s);
  cairo_close_path(cr);
  Polished(cr, kBright, y - s, y + 0.55 * s);
}

void Guard(cairo_t* cr, Rgb accent) {
  // a shield held around a small ship
  cairo_save(cr);
  cairo_translate(cr, 0, 0.02);
  cairo_scale(cr, 0.92, 0.92);
  BadgePath(cr, true, 0, 0, 1);
  cairo_restore(cr);
  SetColor(cr, accent, 0.25);
  cairo_fill_preserve(cr);
  Line(cr, Mix(accent, kWhite, 0.55), 0.12);
  Fighter(cr, 0, 0.02, 0.55, Mix(accent, kWhite, 0.3));
}

void Salute(cairo_t* cr, Rgb) {
  // three chevrons under a star: reporting in to the service
  for (int k = 0; k < 3; ++k) {
    const double y = -0.02 + k * 0.3;
    cairo_move_to(cr, -0.72, y + 0.3);
    cairo_line_to(cr, 0, y - 0.16);
    cairo_line_to(cr, 0.72, y + 0.3);
    cairo_line_to(cr, 0.72, y + 0.5);
    cairo_line_to(cr, 0, y + 0.04);
    cairo_line_to(cr, -0.72, y + 0.5);
    cairo_close_path(cr);
    Polished(cr, kBright, y - 0.16, y + 0.5);
  }
  StarPath(cr, 0, -0.6, 0.34, 0.14, 5);
  Polished(cr, kGoldMetal, -0.94, -0.3);
}

void Mask(cairo_t* cr, Rgb accent) {
  // a domino mask with glowing eyes, its ties flying out behind
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, side * 0.8, -0.08);
    cairo_curve_to(cr, side * 0.92, 0.05, side * 0.86, 0.3, side * 0.96, 0.5);
  }
  Line(cr, accent, 0.1);
  cairo_move_to(cr, -0.86, -0.12);
  cairo_curve_to(cr, -0.7, -0.5, -0.25, -0.4, 0, -0.28);
  cairo_curve_to(cr, 0.25, -0.4, 0.7, -0.5, 0.86, -0.12);
  cairo_curve_to(cr, 0.8, 0.3, 0.45, 0.42, 0.12, 0.2);
  cairo_curve_to(cr, 0.06, 0.12, -0.06, 0.12, -0.12, 0.2);
  cairo_curve_to(cr, -0.45, 0.42, -0.8, 0.3, -0.86, -0.12);
  cairo_close_path(cr);
  Polished(cr, {0.85, 0.86, 0.92}, -0.45, 0.4);
  for (int side = -1; side <= 1; side += 2) {
    const double ex = side * 0.4, ey = -0.04;
    cairo_move_to(cr, ex - 0.22, ey);
    cairo_curve_to(cr, ex - 0.1, ey - 0.13, ex + 0.1, ey - 0.13, ex + 0.22, ey - 0.02);
    cairo_curve_to(cr, ex + 0.1, ey + 0.1, ex - 0.1, ey + 0.1, ex - 0.22, ey);
    cairo_close_path(cr);
    SetColor(cr, {0.03, 0.02, 0.06});
    cairo_fill(cr);
    Glow(cr, ex, ey - 0.01, 0.2, accent, 0.9);
    Dot(cr, ex, ey - 0.01, 0.05);
    SetColor(cr, Mix(accent, kWhite, 0.7));
    cairo_fill(cr);
  }
}

void Dish(cairo_t* cr, Rgb accent) {
  // a listening dish on its mast, signals coming in from the upper right
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.28, -0.32, 0.22 + i * 0.2, -M_PI * 0.48, -M_PI * 0.02);
    Line(cr, accent, 0.08, 1 - i * 0.2);
  }
  cairo_move_to(cr, -0.3, 0.3);
  cairo_line_to(cr, -0.3, 0.78);
  Line(cr, kBright, 0.12);
  cairo_move_to(cr, -0.62, 0.92);
  cairo_line_to(cr, -0.5, 0.72);
  cairo_line_to(cr, -0.1, 0.72);
  cairo_line_to(cr, 0.02, 0.92);
  cairo_close_path(cr);
  Polished(cr, kBright, 0.72, 0.92);
  cairo_save(cr);
  cairo_translate(cr, -0.3, 0.1);
  cairo_rotate(cr, -M_PI / 4);
  // the bowl: the lower half of an ellipse with its rim across the top
  cairo_move_to(cr, -0.62, 0);
  cairo_curve_to(cr, -0.55, 0.45, 0.55, 0.45, 0.62, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  Polished(cr, kBright, -0.6, 0.5);
  cairo_save(cr);
  cairo_translate(cr, -0.3, 0.1);
  cairo_rotate(cr, -M_PI / 4);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, -0.5);
  cairo_restore(cr);
  Line(cr, kBright, 0.06);
  const double fx = -0.3 + 0.5 * std::sin(M_PI / 4), fy = 0.1 - 0.5 * std::cos(M_PI / 4);
  Glow(cr, fx, fy, 0.2, accent, 0.9);
  Dot(cr, fx, fy, 0.07);
  Polished(cr);
}

void Beam(cairo_t* cr, Rgb accent) {
  // a captive lifted by the tractor beam of a small craft
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -0.6, 0, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 0, accent.r, accent.g, accent.b, 0.8);
  cairo_pattern_add_color_stop_rgba(g, 1, accent.r, accent.g, accent.b, 0.12);
  cairo_move_to(cr, -0.2, -0.6);
  cairo_line_to(cr, 0.2, -0.6);
  cairo_line_to(cr, 0.66, 0.95);
  cairo_line_to(cr, -0.66, 0.95);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 0.04);
  SetColor(cr, Mix(accent, kWhite, 0.6), 0.45);
  for (double y : {-0.3, 0.05, 0.55}) {
    const double half = 0.2 + (y + 0.6) * 0.3;
    cairo_move_to(cr, -half, y);
    cairo_curve_to(cr, -half * 0.4, y + 0.06, half * 0.4, y + 0.06, half, y);
  }
  cairo_stroke(cr);
  // the craft
  cairo_save(cr);
  cairo_translate(cr, 0, -0.72);
  cairo_scale(cr, 0.6, 0.16);
  Dot(cr, 0, 0, 1);
  cairo_restore(cr);
  Polished(cr, kBright, -0.88, -0.56);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, -0.8, 0.2, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  Polished(cr, Mix(accent, kWhite, 0.5), -1, -0.8);
  // the captive: head and shoulders
  Dot(cr, 0, 0.12, 0.16);
  Polished(cr, kBright, -0.04, 0.28);
  cairo_move_to(cr, -0.34, 0.72);
  cairo_curve_to(cr, -0.34, 0.4, -0.2, 0.32, 0, 0.32);
  cairo_curve_to(cr, 0.2, 0.32, 0.34, 0.4, 0.34, 0.72);
  cairo_close_path(cr);
  Polished(cr, kBright, 0.32, 0.72);
}

void NavStar(cairo_t* cr, Rgb accent) {
  // a navigation star over a ring: a mission without a symbol of its own
  Dot(cr, 0, 0, 0.56);
  Line(cr, accent, 0.08);
  StarPath(cr, 0, 0, 0.5, 0.14, 4, M_PI / 4);
  SetColor(cr, accent, 0.55);
  cairo_fill(cr);
  StarPath(cr, 0, 0, 0.92, 0.2, 4);
  Polished(cr);
}

void DrawSymbol(cairo_t* cr, Symbol s, Rgb accent) {
  switch (s) {
    case Symbol::Crosshair: Crosshair(cr, accent); break;
    case Symbol::Radar: Radar(cr, accent); break;
    case Symbol::Crate: Crate(cr, accent); break;
    case Symbol::FuelCell: FuelCell(cr, accent); break;
    case Symbol::CapitalShip: CapitalShip(cr, accent); break;
    case Symbol::WantedStar: WantedStar(cr, accent); break;
    case Symbol::Guard: Guard(cr, accent); break;
    case Symbol::Salute: Salute(cr, accent); break;
    case Symbol::Mask: Mask(cr, accent); break;
    case Symbol::Dish: Dish(cr, accent); break;
    case Symbol::Beam: Beam(cr, accent); break;
    case Symbol::NavStar: NavStar(cr, accent); break;
  }
}

}  // namespace

bool MatchEmblem(const Name& n) {
  // Screen items are named prefix + "_NN"; a mission emblem never ends in a digit.
  return StartsWith(n.low, "mission_") && TrailingNumber(n.low, -1) < 0;
}

void DrawEmblem(const Canvas& c, const Name& n, const std::string&) {
  cairo_t* cr = c.cr;
  const Kind& kind = KindOf(n);
  const double r = c.Min() * 0.47, cx = c.w / 2, cy = c.h / 2;
  if (r <= 0) return;
  const Rgb accent = kind.accent;
  // a soft shadow under the badge
  BadgePath(cr, kind.shield, cx, cy + r * 0.04, r);
  SetColor(cr, kBlack, 0.45);
  cairo_fill(cr);
  // the metal rim, lit from the upper left, and its bevel sloping the other way
  BadgePath(cr, kind.shield, cx, cy, r * 0.97);
  Diagonal(cr, cx, cy, r, {0.96, 0.97, 1}, {0.62, 0.66, 0.74}, {0.24, 0.27, 0.33});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, std::max(0.6, r * 0.025));
  SetColor(cr, kBlack, 0.7);
  cairo_stroke(cr);
  if (!kind.shield) {  // a milled coin edge
    cairo_set_line_width(cr, std::max(0.5, r * 0.02));
    SetColor(cr, kBlack, 0.22);
    for (int i = 0; i < 36; ++i) {
      const double a = i * M_PI / 18;
      cairo_move_to(cr, cx + r * 0.88 * std::cos(a), cy + r * 0.88 * std::sin(a));
      cairo_line_to(cr, cx + r * 0.95 * std::cos(a), cy + r * 0.95 * std::sin(a));
    }
    cairo_stroke(cr);
  }
  BadgePath(cr, kind.shield, cx, cy, r * 0.85);
  Diagonal(cr, cx, cy, r, {0.2, 0.22, 0.27}, {0.5, 0.54, 0.6}, {0.9, 0.92, 0.96});
  cairo_fill(cr);
  // the enamel: the accent deep in a dark glaze, lighter where the light falls
  BadgePath(cr, kind.shield, cx, cy, r * 0.79);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy - r * 0.3, 0, cx, cy - r * 0.1, r);
  const Rgb inner = Mix(accent, ui::kDeep, 0.66), outer = Mix(accent, kBlack, 0.93);
  cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
  cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  BadgePath(cr, kind.shield, cx, cy, r * 0.71);
  cairo_set_line_width(cr, std::max(0.7, r * 0.035));
  SetColor(cr, accent, 0.85);
  cairo_stroke(cr);
  // the symbol, in a space of -1..1 around the middle of the field
  cairo_save(cr);
  cairo_translate(cr, cx, cy + (kind.shield ? r * 0.02 : 0));
  cairo_scale(cr, r * 0.56, r * 0.56);
  DrawSymbol(cr, kind.symbol, accent);
  cairo_restore(cr);
  // a glassy sheen over the upper half
  cairo_save(cr);
  cairo_translate(cr, cx, cy - r * 0.5);
  cairo_scale(cr, r * 0.78, r * 0.42);
  Dot(cr, 0, 0, 1);
  cairo_restore(cr);
  g = cairo_pattern_create_linear(0, cy - r * 0.92, 0, cy - r * 0.1);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.22);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace qm::art
