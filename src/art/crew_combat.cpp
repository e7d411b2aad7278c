// The boarding screen's areas ("crewcombat_red_airlock_normal",
// "crewcombat_blue_bridge_mouseover", ...): each is one section of the enemy
// ship's deck plan drawn as a wire frame, so the four stacked on the screen
// read as one ship, nose up: bridge, cargo bay, corridors, airlock at the
// stern. The colour tells the area's state (red enemy and attackable, grey
// not yet reachable, blue secured) and a small sign repeats it for players
// who cannot tell the colours apart: a target, a padlock, a check mark.
// Outside the hull the picture stays transparent.
#include <algorithm>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Section { Airlock, Corridors, Cargo, Bridge };
enum class Tint { Red, Grey, Blue };

struct Look {
  Section section = Section::Airlock;
  Tint tint = Tint::Red;
  bool hover = false;
};

Look ParseLook(const Name& n) {
  Look l;
  if (Contains(n.low, "_blue_")) l.tint = Tint::Blue;
  else if (Contains(n.low, "_grey_") || Contains(n.low, "_gray_")) l.tint = Tint::Grey;
  if (Contains(n.low, "_bridge")) l.section = Section::Bridge;
  else if (Contains(n.low, "_cargo")) l.section = Section::Cargo;
  else if (Contains(n.low, "_corridor")) l.section = Section::Corridors;
  l.hover = EndsWith(n.low, "_mouseover") || EndsWith(n.low, "_highlighted") || EndsWith(n.low, "_over");
  return l;
}

Rgb TintColour(Tint t) {
  switch (t) {
    case Tint::Red: return Hex(0xf0503e);
    case Tint::Blue: return Hex(0x4c9cf4);
    case Tint::Grey: return Hex(0x8a929c);
  }
  return Hex(0x8a929c);
}

// The hull outline of a section. Every section meets its neighbours at the
// full width, so the stacked sections close into one hull.
void HullPath(cairo_t* cr, Section s, double w, double h, double e) {
  switch (s) {
    case Section::Bridge:  // the nose: tapers to a blunt tip
      cairo_move_to(cr, e, h - e);
      cairo_line_to(cr, e, h * 0.62);
      cairo_line_to(cr, w * 0.2, h * 0.22);
      cairo_line_to(cr, w * 0.38, e);
      cairo_line_to(cr, w * 0.62, e);
      cairo_line_to(cr, w * 0.8, h * 0.22);
      cairo_line_to(cr, w - e, h * 0.62);
      cairo_line_to(cr, w - e, h - e);
      break;
    case Section::Airlock: {  // the stern: chamfered towards the engines
      const double c = std::min(w, h) * 0.28;
      cairo_move_to(cr, e, e);
      cairo_line_to(cr, w - e, e);
      cairo_line_to(cr, w - e, h - c);
      cairo_line_to(cr, w - c, h - e);
      cairo_line_to(cr, c, h - e);
      cairo_line_to(cr, e, h - c);
      break;
    }
    case Section::Cargo:
    case Section::Corridors:
      cairo_rectangle(cr, e, e, w - 2 * e, h - 2 * e);
      return;
  }
  cairo_close_path(cr);
}

// One crate seen from above: a square with its cross bracing.
void Crate(cairo_t* cr, double x, double y, double s) {
  cairo_rectangle(cr, x, y, s, s);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + s, y + s);
  cairo_move_to(cr, x + s, y);
  cairo_line_to(cr, x, y + s);
}

// The rooms and fittings inside a section, in the section's own coordinates.
// `band` is the height kept calm at the bottom for the screen's caption.
void Fittings(cairo_t* cr, Section s, double w, double h, double band, double u) {
  const double top = u * 6, bottom = h - band;
  switch (s) {
    case Section::Bridge: {
      // the command deck: an arc of consoles facing the viewports, the command chair behind
      const double cx = w / 2, cy = bottom - u * 4, r = std::min(w * 0.26, (bottom - top) * 0.62);
      for (int k = 0; k < 7; ++k) {
        const double a = M_PI + M_PI * (k + 0.5) / 7;
        const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + M_PI / 2);
        cairo_rectangle(cr, -u * 5, -u * 2, u * 10, u * 4);
        cairo_restore(cr);
      }
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy - r * 0.3, u * 4.5, 0, 2 * M_PI);
      // viewport struts at the tip
      for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, cx + k * w * 0.07, top + u * 2);
        cairo_line_to(cr, cx + k * w * 0.09, top + u * 8);
      }
      // side stations
      cairo_rectangle(cr, w * 0.08, bottom - u * 16, u * 14, u * 10);
      cairo_rectangle(cr, w * 0.92 - u * 14, bottom - u * 16, u * 14, u * 10);
      break;
    }
    case Section::Cargo: {
      // two bays of crates either side of a central aisle, hatches in the side walls
      const double aisle = w * 0.14, margin = w * 0.07;
      const double bayW = (w - aisle) / 2 - margin;
      const int cols = std::max(2, static_cast<int>(bayW / (u * 20)));
      const double cell = bayW / cols;
      const int rows = std::max(1, static_cast<int>((bottom - top - u * 2) / cell));
      const double s = cell * 0.78;
      for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? margin : w / 2 + aisle / 2;
        for (int r = 0; r < rows; ++r)
          for (int col = 0; col < cols; ++col)
            if ((r * 3 + col * 5 + side) % 7 != 3)  // a few empty places: a hold in use
              Crate(cr, x0 + col * cell + (cell - s) / 2, top + u * 2 + r * cell + (cell - s) / 2, s);
      }
      // the aisle's guide lines
      cairo_move_to(cr, w / 2 - aisle * 0.3, top);
      cairo_line_to(cr, w / 2 - aisle * 0.3, bottom);
      cairo_move_to(cr, w / 2 + aisle * 0.3, top);
      cairo_line_to(cr, w / 2 + aisle * 0.3, bottom);
      break;
    }
    case Section::Corridors: {
      // a spine down the middle, one cross passage, cabins in the corners
      const double sw = w * 0.07, my = top + (bottom - top) * 0.45, ch = u * 7;
      cairo_move_to(cr, w / 2 - sw, 0);
      cairo_line_to(cr, w / 2 - sw, my - ch);
      cairo_line_to(cr, u * 4, my - ch);
      cairo_move_to(cr, u * 4, my + ch);
      cairo_line_to(cr, w / 2 - sw, my + ch);
      cairo_line_to(cr, w / 2 - sw, h);
      cairo_move_to(cr, w / 2 + sw, 0);
      cairo_line_to(cr, w / 2 + sw, my - ch);
      cairo_line_to(cr, w - u * 4, my - ch);
      cairo_move_to(cr, w - u * 4, my + ch);
      cairo_line_to(cr, w / 2 + sw, my + ch);
      cairo_line_to(cr, w / 2 + sw, h);
      const double cw = (w / 2 - sw - u * 10) / 2;
      for (int side = 0; side < 2; ++side) {
        for (int k = 0; k < 2; ++k) {
          const double x = side == 0 ? u * 6 + k * (cw + u * 2) : w / 2 + sw + u * 4 + k * (cw + u * 2);
          cairo_rectangle(cr, x, top, cw, my - ch - top - u * 3);
          const double lowTop = my + ch + u * 3;
          if (bottom - lowTop > u * 6) cairo_rectangle(cr, x, lowTop, cw, bottom - lowTop - u * 2);
        }
      }
      break;
    }
    case Section::Airlock: {
      // the boarding hatch in the port wall: a docking ring and the chamber behind it
      const double r = std::min(w * 0.12, (bottom - top) * 0.34), cx = r + u * 8, cy = top + (bottom - top) * 0.45;
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy, r * 0.62, 0, 2 * M_PI);
      cairo_move_to(cr, cx - r * 0.62, cy);
      cairo_line_to(cr, cx + r * 0.62, cy);
      cairo_move_to(cr, cx, cy - r * 0.62);
      cairo_line_to(cr, cx, cy + r * 0.62);
      cairo_rectangle(cr, cx + r + u * 2, cy - r * 0.8, w * 0.24, r * 1.6);
      // the reactor and the engine room towards the stern
      const double rx = w * 0.7, ry = cy;
      const double rr = std::min(w * 0.1, (bottom - top) * 0.3);
      cairo_new_sub_path(cr);
      cairo_arc(cr, rx, ry, rr, 0, 2 * M_PI);
      for (int k = 0; k < 6; ++k) {
        const double a = k * M_PI / 3;
        cairo_move_to(cr, rx + rr * 0.45 * std::cos(a), ry + rr * 0.45 * std::sin(a));
        cairo_line_to(cr, rx + rr * std::cos(a), ry + rr * std::sin(a));
      }
      cairo_rectangle(cr, w * 0.86, top, w * 0.08, bottom - top - u * 2);
      break;
    }
  }
}

// The sign of the state, at (x, y) with size s: a target, a padlock or a check mark.
void StateSign(cairo_t* cr, Tint t, double x, double y, double s, Rgb col, double lw) {
  cairo_save(cr);
  cairo_set_line_width(cr, lw);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, {0.02, 0.03, 0.06}, 0.75);
  cairo_arc(cr, x, y, s * 1.05, 0, 2 * M_PI);
  cairo_fill(cr);
  SetColor(cr, col, 1);
  switch (t) {
    case Tint::Red:
      cairo_arc(cr, x, y, s * 0.62, 0, 2 * M_PI);
      cairo_stroke(cr);
      for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2;
        cairo_move_to(cr, x + s * 0.3 * std::cos(a), y + s * 0.3 * std::sin(a));
        cairo_line_to(cr, x + s * 0.95 * std::cos(a), y + s * 0.95 * std::sin(a));
      }
      cairo_stroke(cr);
      break;
    case Tint::Grey:
      cairo_arc(cr, x, y - s * 0.15, s * 0.32, M_PI, 2 * M_PI);
      cairo_line_to(cr, x + s * 0.32, y + s * 0.05);
      cairo_move_to(cr, x - s * 0.32, y + s * 0.05);
      cairo_line_to(cr, x - s * 0.32, y - s * 0.15);
      cairo_stroke(cr);
      cairo_rectangle(cr, x - s * 0.5, y + s * 0.05, s, s * 0.6);
      cairo_fill(cr);
      break;
    case Tint::Blue:
      cairo_move_to(cr, x - s * 0.5, y + s * 0.02);
      cairo_line_to(cr, x - s * 0.12, y + s * 0.42);
      cairo_line_to(cr, x + s * 0.55, y - s * 0.4);
      cairo_stroke(cr);
      break;
  }
  cairo_restore(cr);
}

}  // namespace

bool MatchCrewCombat(const Name& n) {
  // "crewcombat_" + colour + "_" + area: other names of the screen are its buttons
  for (std::string_view colour : {"red_", "grey_", "gray_", "blue_"})
    if (StartsWith(n.low, std::string("crewcombat_") + std::string(colour))) return true;
  return false;
}

void DrawCrewCombat(const Canvas& c, const Name& n, const std::string& caption) {
  cairo_t* cr = c.cr;
  const Look look = ParseLook(n);
  const Rgb tint = TintColour(look.tint);
  const bool grey = look.tint == Tint::Grey;
  const double u = std::max(0.5, c.scale);  // one canvas unit in pixels
  const double edge = std::max(1.0, u * (look.hover ? 2.2 : 1.5));
  const double e = edge / 2 + 0.5;
  const double band = std::min(c.h * 0.26, u * 22);

  // the deck: dark, tinted by the state
  HullPath(cr, look.section, c.w, c.h, e);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, c.h);
  const Rgb deep{0.025, 0.035, 0.065};
  const Rgb hi = Mix(deep, tint, look.hover ? 0.26 : grey ? 0.1 : 0.18), lo = Mix(deep, tint, look.hover ? 0.12 : 0.07);
  cairo_pattern_add_color_stop_rgba(g, 0, hi.r, hi.g, hi.b, 0.94);
  cairo_pattern_add_color_stop_rgba(g, 1, lo.r, lo.g, lo.b, 0.94);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);

  // everything inside is clipped to the hull
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  if (look.hover) Glow(cr, c.w / 2, c.h * 0.45, std::max(c.w, c.h) * 0.6, tint, 0.16);
  // the blueprint grid
  cairo_set_line_width(cr, std::max(0.5, u * 0.5));
  SetColor(cr, tint, grey ? 0.07 : 0.1);
  const double step = u * 12;
  for (double x = step / 2; x < c.w; x += step) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, c.h);
  }
  for (double y = step / 2; y < c.h; y += step) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);
  // the rooms and fittings
  cairo_set_line_width(cr, std::max(0.75, u * (look.hover ? 1.1 : 0.9)));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Fittings(cr, look.section, c.w, c.h, band, u);
  SetColor(cr, Mix(tint, {1, 1, 1}, look.hover ? 0.25 : 0), grey ? 0.38 : look.hover ? 0.85 : 0.6);
  cairo_stroke(cr);
  // the caption band: calmer, so the area's name reads over it
  cairo_pattern_t* b = cairo_pattern_create_linear(0, c.h - band * 1.4, 0, c.h);
  cairo_pattern_add_color_stop_rgba(b, 0, deep.r, deep.g, deep.b, 0);
  cairo_pattern_add_color_stop_rgba(b, 0.35, deep.r, deep.g, deep.b, 0.72);
  cairo_pattern_add_color_stop_rgba(b, 1, deep.r, deep.g, deep.b, 0.85);
  cairo_rectangle(cr, 0, c.h - band * 1.4, c.w, band * 1.4);
  cairo_set_source(cr, b);
  cairo_fill(cr);
  cairo_pattern_destroy(b);
  cairo_restore(cr);

  // the hull line: a soft outer glow under a crisp edge
  HullPath(cr, look.section, c.w, c.h, e);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, edge * 2.6);
  SetColor(cr, tint, look.hover ? 0.3 : 0.14);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, edge);
  SetColor(cr, look.hover ? Mix(tint, {1, 1, 1}, 0.45) : tint, grey ? 0.8 : 1);
  cairo_stroke(cr);

  // the state's sign, in a clear place near the top right of the section
  const double s = std::min(u * 8, c.Min() * 0.16);
  const double sx = look.section == Section::Bridge ? c.w * 0.74 : c.w - s * 1.2 - e * 2;
  const double sy = look.section == Section::Bridge ? c.h * 0.5 : s * 1.2 + e * 2;
  StateSign(cr, look.tint, sx, sy, s, look.hover ? Mix(tint, {1, 1, 1}, 0.4) : tint, std::max(1.0, u * 1.3));

  if (!caption.empty()) Caption(cr, caption, 0, c.h - band, c.w, band, ui::kInk, band * 0.6);
}

}  // namespace qm::art
