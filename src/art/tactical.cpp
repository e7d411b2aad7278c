// Missiles in flight and the tactical symbols of the fleet and campaign
// screens ("ship_blue_large_left_on.bmp", "red_station_off.bmp", ...).
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/families.h"

namespace qm::art {
namespace {

std::vector<std::string_view> Tokens(std::string_view s) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == '_' || s[i] == '-') {
      if (i > start) out.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return out;
}

bool Has(const std::vector<std::string_view>& t, std::string_view word) {
  return std::find(t.begin(), t.end(), word) != t.end();
}

}  // namespace

bool MatchMissile(const Name& n) {
  if (EndsWith(n.low, "_side_l") || EndsWith(n.low, "_side_r")) return true;
  return Contains(n.low, "missile") && (EndsWith(n.low, "_l") || EndsWith(n.low, "_r"));
}

void DrawMissile(const Canvas& c, const Name& n, const std::string&) {
  cairo_t* cr = c.cr;
  const bool left = EndsWith(n.low, "_r");
  cairo_save(cr);
  if (left) {
    cairo_translate(cr, c.w, 0);
    cairo_scale(cr, -1, 1);
  }
  const int faction = FactionOfWord(n.stem);
  const Livery& lv = LiveryOf(faction < 0 ? 5 : faction);
  const double cy = c.h / 2;
  if (Contains(n.low, "mine")) {
    const double r = c.Min() * 0.3, cx = c.w / 2;
    Glow(cr, cx, cy, r * 1.8, {1, 0.3, 0.2}, 0.35);
    cairo_set_line_width(cr, std::max(1.0, r * 0.12));
    SetColor(cr, Hex(0x606870), 1);
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + r * 1.45 * std::cos(a), cy + r * 1.45 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.78, 0.82);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.16, 0.2);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Glow(cr, cx, cy, r * 0.35, {1, 0.2, 0.1}, 1);
    cairo_restore(cr);
    return;
  }
  const bool heavy = Contains(n.low, "zeus") || Contains(n.low, "destroyer");
  const double len = c.w * 0.62, rad = std::min(c.h * (heavy ? 0.2 : 0.13), len * 0.12);
  const double x0 = c.w * 0.3, x1 = x0 + len;
  // exhaust flame
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_translate(cr, x0, cy);
  cairo_scale(cr, 4.5, 1);
  Glow(cr, -rad * 0.6, 0, rad * 1.4, {1.0, 0.55, 0.2}, 0.95);
  Glow(cr, -rad * 0.2, 0, rad * 0.7, {1, 0.95, 0.8}, 1);
  cairo_restore(cr);
  // fins
  SetColor(cr, lv.accent, 1);
  cairo_move_to(cr, x0 + len * 0.02, cy - rad);
  cairo_line_to(cr, x0 - len * 0.04, cy - rad * 2.4);
  cairo_line_to(cr, x0 + len * 0.18, cy - rad);
  cairo_move_to(cr, x0 + len * 0.02, cy + rad);
  cairo_line_to(cr, x0 - len * 0.04, cy + rad * 2.4);
  cairo_line_to(cr, x0 + len * 0.18, cy + rad);
  cairo_fill(cr);
  // body and warhead
  cairo_move_to(cr, x0, cy - rad);
  cairo_line_to(cr, x1 - len * 0.2, cy - rad);
  cairo_curve_to(cr, x1 - len * 0.05, cy - rad, x1, cy - rad * 0.3, x1, cy);
  cairo_curve_to(cr, x1, cy + rad * 0.3, x1 - len * 0.05, cy + rad, x1 - len * 0.2, cy + rad);
  cairo_line_to(cr, x0, cy + rad);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - rad, 0, cy + rad);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.92, 0.94, 0.96);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.62, 0.66, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.22, 0.26);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, heavy ? Hex(0xe0b020) : lv.accent, 1);
  cairo_rectangle(cr, x1 - len * 0.3, cy - rad, len * 0.05, 2 * rad);
  cairo_fill(cr);
  cairo_restore(cr);
}

bool MatchFleetSymbol(const Name& n) {
  const auto t = Tokens(n.low);
  const bool colour = Has(t, "blue") || Has(t, "red");
  return (n.bmp && colour) || (colour && (Has(t, "ship") || Has(t, "station") || Has(t, "starsystem")));
}

void DrawFleetSymbol(const Canvas& c, const Name& n, const std::string&) {
  const auto t = Tokens(n.low);
  cairo_t* cr = c.cr;
  const bool red = Has(t, "red");
  const bool off = Has(t, "off"), over = Has(t, "over");
  const Rgb base = red ? Hex(0xff4a3a) : Hex(0x4aa0ff);
  const Rgb col = off ? Mix(base, {0.35, 0.38, 0.42}, 0.65) : over ? Mix(base, {1, 1, 1}, 0.35) : base;
  const double cx = c.w / 2, cy = c.h / 2, s = c.Min() / 2;
  if (!off) Glow(cr, cx, cy, s * (over ? 1.3 : 1.0), base, over ? 0.5 : 0.25);
  cairo_set_line_width(cr, std::max(1.0, s * 0.08));
  if (Has(t, "starsystem")) {
    Glow(cr, cx, cy, s * 0.5, Mix(col, {1, 1, 0.8}, 0.5), 1);
    SetColor(cr, col, 0.9);
    cairo_arc(cr, cx, cy, s * 0.8, 0, 2 * M_PI);
    cairo_stroke(cr);
    return;
  }
  if (Has(t, "station")) {
    for (int k = 0; k <= 6; ++k) {
      const double a = k * M_PI / 3 + M_PI / 6;
      if (k == 0)
        cairo_move_to(cr, cx + s * 0.8 * std::cos(a), cy + s * 0.8 * std::sin(a));
      else
        cairo_line_to(cr, cx + s * 0.8 * std::cos(a), cy + s * 0.8 * std::sin(a));
    }
    SetColor(cr, col, off ? 0.25 : 0.55);
    cairo_fill_preserve(cr);
    SetColor(cr, Mix(col, {1, 1, 1}, 0.3), 1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, s * 0.3, 0, 2 * M_PI);
    cairo_stroke(cr);
    return;
  }
  const double size = Has(t, "large") || Has(t, "big") ? 0.95 : Has(t, "med") ? 0.75 : 0.55;
  const bool left = Has(t, "left");
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  if (left) cairo_scale(cr, -1, 1);
  const double L = c.w * 0.45 * size, H = c.h * 0.32 * size;
  // an arrowhead hull with a notch for the engines
  cairo_move_to(cr, L, 0);
  cairo_line_to(cr, -L * 0.6, -H);
  cairo_line_to(cr, -L, -H * 0.8);
  cairo_line_to(cr, -L * 0.7, 0);
  cairo_line_to(cr, -L, H * 0.8);
  cairo_line_to(cr, -L * 0.6, H);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -H, 0, H);
  const Rgb hi = Mix(col, {1, 1, 1}, 0.35), lo = Scale(col, 0.45);
  cairo_pattern_add_color_stop_rgba(g, 0, hi.r, hi.g, hi.b, off ? 0.4 : 1);
  cairo_pattern_add_color_stop_rgba(g, 1, lo.r, lo.g, lo.b, off ? 0.4 : 1);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, over ? Rgb{1, 1, 1} : Mix(col, {1, 1, 1}, 0.2), 1);
  cairo_stroke(cr);
  if (!off) Glow(cr, -L * 0.75, 0, H * 0.6, Mix(base, {1, 1, 1}, 0.5), 0.9);
  cairo_restore(cr);
}

}  // namespace qm::art
