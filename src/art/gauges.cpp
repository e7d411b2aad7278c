// Gauges whose fill follows the number in the name: combat shields
// ("Shield_00".."Shield_30"), action-point pips ("Combo_00".."Combo_05",
// "AP8x0".."AP8x8"), the travel screen's shield and experience bars, and the
// reinforcement radars. Numbers out of range are clamped.
#include <algorithm>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Gauge { Shield, Combo, Ap8, ShieldBar, ExpBar, Radar, None };

struct GaugeName {
  Gauge kind = Gauge::None;
  int value = 0;
  int max = 1;
  bool left = false;
};

bool DigitsAfter(std::string_view s, std::string_view prefix) {
  if (!StartsWith(s, prefix) || s.size() == prefix.size()) return false;
  return std::all_of(s.begin() + static_cast<long>(prefix.size()), s.end(),
                     [](char ch) { return ch >= '0' && ch <= '9'; });
}

GaugeName ParseGauge(std::string_view s) {
  GaugeName g;
  if (StartsWith(s, "skill_") || StartsWith(s, "equipment_")) return g;  // "Skill_Reinforcements" is an icon
  if (DigitsAfter(s, "shield_")) g = {Gauge::Shield, TrailingNumber(s, 0), 30};
  else if (DigitsAfter(s, "combo_")) g = {Gauge::Combo, TrailingNumber(s, 0), 5};
  else if (DigitsAfter(s, "ap8x")) g = {Gauge::Ap8, TrailingNumber(s, 0), 8};
  else if (Contains(s, "shieldbar")) g = {Gauge::ShieldBar, TrailingNumber(s, 0), 25};
  else if (Contains(s, "expbar")) g = {Gauge::ExpBar, TrailingNumber(s, 0), 19};
  else if (Contains(s, "reinforcements")) g = {Gauge::Radar, TrailingNumber(s, 1), 3, StartsWith(s, "left")};
  g.value = std::clamp(g.value, 0, g.max);
  return g;
}

// A bar in a recessed slot, filled to `share` with a colour ramp and ticks.
void Bar(const Canvas& c, double share, Rgb from, Rgb to, int ticks) {
  cairo_t* cr = c.cr;
  const bool vertical = c.h > c.w * 1.5;
  const double pad = std::max(1.0, c.Min() * 0.12), r = c.Min() * 0.25;
  Panel(cr, 0, 0, c.w, c.h, {0.04, 0.05, 0.08}, {0.25, 0.32, 0.42}, r);
  const double x = pad, y = pad, w = c.w - 2 * pad, h = c.h - 2 * pad;
  if (share > 0 && w > 0 && h > 0) {
    const double fw = vertical ? w : w * share, fh = vertical ? h * share : h;
    const double fx = x, fy = vertical ? y + h - fh : y;
    cairo_pattern_t* g = vertical ? cairo_pattern_create_linear(0, y + h, 0, y) : cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, from.r, from.g, from.b);
    cairo_pattern_add_color_stop_rgb(g, 1, to.r, to.g, to.b);
    RoundedRect(cr, fx, fy, fw, fh, std::min(fw, fh) * 0.3);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // glass sheen over the fill
    cairo_pattern_t* s = vertical ? cairo_pattern_create_linear(fx, 0, fx + fw, 0) : cairo_pattern_create_linear(0, fy, 0, fy + fh);
    cairo_pattern_add_color_stop_rgba(s, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(s, 0.45, 1, 1, 1, 0.05);
    cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0.25);
    RoundedRect(cr, fx, fy, fw, fh, std::min(fw, fh) * 0.3);
    cairo_set_source(cr, s);
    cairo_fill(cr);
    cairo_pattern_destroy(s);
  }
  cairo_set_line_width(cr, std::max(0.5, c.Min() * 0.05));
  SetColor(cr, {0, 0, 0}, 0.45);
  for (int i = 1; i < ticks; ++i) {
    if (vertical) {
      const double ty = y + h * i / ticks;
      cairo_move_to(cr, x, ty);
      cairo_line_to(cr, x + w, ty);
    } else {
      const double tx = x + w * i / ticks;
      cairo_move_to(cr, tx, y);
      cairo_line_to(cr, tx, y + h);
    }
  }
  cairo_stroke(cr);
}

// A row (or column) of round lamps, the first `lit` of them glowing.
void Pips(const Canvas& c, int lit, int count, Rgb on) {
  cairo_t* cr = c.cr;
  Panel(cr, 0, 0, c.w, c.h, {0.04, 0.05, 0.08}, {0.25, 0.32, 0.42}, c.Min() * 0.3);
  const bool vertical = c.h > c.w * 1.5;
  const double along = vertical ? c.h : c.w, across = vertical ? c.w : c.h;
  const double cell = along / count;
  const double r = std::max(0.8, std::min(cell * 0.36, across * 0.34));
  for (int i = 0; i < count; ++i) {
    const double t = (i + 0.5) * cell;
    const double x = vertical ? c.w / 2 : t, y = vertical ? c.h - t : c.h / 2;
    const bool glow = i < lit;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
    const Rgb hi = glow ? Mix(on, {1, 1, 1}, 0.6) : Rgb{0.2, 0.23, 0.28};
    const Rgb lo = glow ? Scale(on, 0.6) : Rgb{0.05, 0.06, 0.08};
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    if (glow) Glow(cr, x, y, r * 1.8, on, 0.35);
  }
}

void Radar(const Canvas& c, int blips, bool left) {
  cairo_t* cr = c.cr;
  const double cx = c.w / 2, cy = c.h / 2, R = c.Min() * 0.46;
  const Rgb green{0.3, 1.0, 0.55};
  SetColor(cr, ui::kDeep, 1);
  cairo_paint(cr);
  cairo_arc(cr, cx, cy, R, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, R);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.03, 0.18, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.01, 0.06, 0.04);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, std::max(0.5, R * 0.025));
  SetColor(cr, green, 0.35);
  for (int i = 1; i <= 3; ++i) {
    cairo_arc(cr, cx, cy, R * i / 3, 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, cx - R, cy);
  cairo_line_to(cr, cx + R, cy);
  cairo_move_to(cr, cx, cy - R);
  cairo_line_to(cr, cx, cy + R);
  cairo_stroke(cr);
  // sweep
  const double a0 = left ? -0.6 : M_PI - 0.6;
  cairo_move_to(cr, cx, cy);
  cairo_arc(cr, cx, cy, R, a0, a0 + 0.6);
  cairo_close_path(cr);
  SetColor(cr, green, 0.25);
  cairo_fill(cr);
  // reinforcements close in from their side: more blips, nearer the centre
  for (int i = 0; i < blips; ++i) {
    const double d = R * (0.85 - 0.22 * blips + 0.1 * i);
    const double a = (left ? M_PI : 0) + (i - (blips - 1) / 2.0) * 0.45;
    Glow(cr, cx + d * std::cos(a), cy + d * std::sin(a), R * 0.14, green, 1);
  }
}

}  // namespace

bool MatchGauge(const Name& n) { return ParseGauge(n.low).kind != Gauge::None; }

void DrawGauge(const Canvas& c, const Name& n, const std::string& caption) {
  const GaugeName g = ParseGauge(n.low);
  const double share = static_cast<double>(g.value) / g.max;
  switch (g.kind) {
    case Gauge::Shield: {
      // red when low, amber in the middle, cyan when full
      const Rgb tip = share < 0.34 ? Hex(0xff4030) : share < 0.67 ? Hex(0xffb030) : Hex(0x50e0ff);
      Bar(c, share, Scale(tip, 0.5), tip, 10);
      break;
    }
    case Gauge::ShieldBar: Bar(c, share, Hex(0x1a4aa0), Hex(0x60d8ff), 25); break;
    case Gauge::ExpBar: Bar(c, share, Hex(0x8a5a10), Hex(0xffd860), 19); break;
    case Gauge::Combo:
      // The enemy's gauge is named by the points it has spent ("mirrored"): its
      // lit pips, in red, are the points it still has.
      if (caption == "mirrored")
        Pips(c, 5 - g.value, 5, Hex(0xff6a50));
      else
        Pips(c, g.value, 5, ui::kAmber);
      break;
    case Gauge::Ap8: Pips(c, g.value, 8, Hex(0x60ff90)); break;
    case Gauge::Radar: Radar(c, g.value, g.left); break;
    case Gauge::None: break;
  }
}

}  // namespace qm::art
