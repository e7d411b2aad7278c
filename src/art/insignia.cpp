// Career and faction marks: rank insignia ("Fed_Rank3"), medals, campaign
// ribbons, uniform parts ("Uni-Fed-blank-com"), faction logos, galaxy map
// blips, the battle icon and the main screen's markers.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Mark { Rank, Medal, Ribbon, Uniform, Wings, Logo, Blip, Battle, AwardPlace, AwardBack, Marker, None };

Mark MarkOf(std::string_view s) {
  if (StartsWith(s, "uni-")) return Mark::Uniform;
  if (Contains(s, "pilotwings")) return Mark::Wings;
  if (Contains(s, "medal")) return Mark::Medal;
  if (Contains(s, "ribbon")) return Mark::Ribbon;
  if (Contains(s, "_rank") || (StartsWith(s, "rank") && TrailingNumber(s, -1) >= 0)) return Mark::Rank;
  if (EndsWith(s, "logo")) return Mark::Logo;
  if (StartsWith(s, "galaxymapblip")) return Mark::Blip;
  if (s == "battleicon") return Mark::Battle;
  if (s == "awardplace") return Mark::AwardPlace;
  if (EndsWith(s, "awardbackgr")) return Mark::AwardBack;
  if (Contains(s, "marker")) return Mark::Marker;
  return Mark::None;
}

int FactionIn(const Name& n) {
  std::string_view s = n.stem;
  if (StartsWith(n.low, "uni-")) s.remove_prefix(4);
  if (StartsWith(n.low, "galaxymapblip_")) s.remove_prefix(14);
  return FactionOfWord(s);
}

// Gold, silver and the plates the insignia sit on.
constexpr Rgb kGold{0.95, 0.76, 0.28};
constexpr Rgb kSilver{0.82, 0.85, 0.9};

void Metal(cairo_t* cr, Rgb c, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  const Rgb hi = Mix(c, {1, 1, 1}, 0.55), lo = Scale(c, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 0.6);
  SetColor(cr, Scale(c, 0.35), 0.8);
  cairo_stroke(cr);
}

// `count` marks of the faction's shape in a row inside the box.
void RankMarks(cairo_t* cr, int faction, int count, double x, double y, double w, double h, Rgb metal) {
  count = std::clamp(count, 0, 8);
  for (int i = 0; i < count; ++i) {
    const double cx = x + w * (i + 0.5) / count, cy = y + h / 2;
    const double s = std::min(w / count * 0.42, h * 0.42);
    switch (faction) {
      case 2:  // chevrons
        cairo_move_to(cr, cx - s, cy - s * 0.6);
        cairo_line_to(cr, cx, cy + s * 0.2);
        cairo_line_to(cr, cx + s, cy - s * 0.6);
        cairo_line_to(cr, cx + s, cy - s * 0.1);
        cairo_line_to(cr, cx, cy + s * 0.7);
        cairo_line_to(cr, cx - s, cy - s * 0.1);
        cairo_close_path(cr);
        break;
      case 3:  // diamonds
        cairo_move_to(cr, cx, cy - s);
        cairo_line_to(cr, cx + s * 0.6, cy);
        cairo_line_to(cr, cx, cy + s);
        cairo_line_to(cr, cx - s * 0.6, cy);
        cairo_close_path(cr);
        break;
      case 4:  // blades
        cairo_move_to(cr, cx - s * 0.2, cy + s);
        cairo_line_to(cr, cx + s * 0.1, cy - s);
        cairo_line_to(cr, cx + s * 0.3, cy + s * 0.6);
        cairo_close_path(cr);
        break;
      default:  // bars
        cairo_rectangle(cr, cx - s * 0.3, cy - s, s * 0.6, 2 * s);
    }
    Metal(cr, metal, cx - s, cy - s, cx + s, cy + s);
  }
}

void Plate(cairo_t* cr, const Canvas& c, int faction) {
  const Rgb face = Mix(FactionColor(faction), {0.05, 0.06, 0.1}, 0.7);
  Panel(cr, c.w * 0.04, c.h * 0.04, c.w * 0.92, c.h * 0.92, face, Mix(kGold, face, 0.3), c.Min() * 0.12);
}

void Rank(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const int faction = FactionIn(n);
  const int rank = std::clamp(TrailingNumber(n.low, 1), 1, 8);
  Plate(cr, c, faction);
  const double x = c.w * 0.14, w = c.w * 0.72;
  if (rank >= 7) {  // flag ranks: stars
    const int stars = rank - 5;
    for (int i = 0; i < stars; ++i) {
      const double cx = x + w * (i + 0.5) / stars, r = std::min(w / stars * 0.45, c.h * 0.3);
      StarPath(cr, cx, c.h / 2, r, r * 0.42, 5);
      Metal(cr, kGold, cx - r, c.h / 2 - r, cx + r, c.h / 2 + r);
    }
    return;
  }
  RankMarks(cr, faction, rank, x, c.h * 0.2, w, c.h * 0.6, rank >= 5 ? kGold : kSilver);
}

// The emblem of a faction, centred in a circle of radius r.
void Emblem(cairo_t* cr, int faction, double cx, double cy, double r) {
  const Rgb col = FactionColor(faction);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 0, cx, cy, r);
  const Rgb hi = Mix(col, {1, 1, 1}, 0.3), lo = Scale(col, 0.25);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, r * 0.09);
  cairo_arc(cr, cx, cy, r * 0.93, 0, 2 * M_PI);
  SetColor(cr, kGold, 1);
  cairo_stroke(cr);
  switch (faction) {
    case 1:  // a star with an orbit
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, -0.4);
      cairo_scale(cr, 1, 0.35);
      cairo_arc(cr, 0, 0, r * 0.7, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_set_line_width(cr, r * 0.05);
      SetColor(cr, {0.9, 0.95, 1}, 0.8);
      cairo_stroke(cr);
      StarPath(cr, cx, cy, r * 0.5, r * 0.2, 5);
      Metal(cr, {0.95, 0.96, 1}, cx - r, cy - r, cx + r, cy + r);
      break;
    case 2:  // a ringed world over an arrowhead
      cairo_move_to(cr, cx, cy - r * 0.7);
      cairo_line_to(cr, cx + r * 0.55, cy + r * 0.55);
      cairo_line_to(cr, cx, cy + r * 0.3);
      cairo_line_to(cr, cx - r * 0.55, cy + r * 0.55);
      cairo_close_path(cr);
      Metal(cr, Hex(0x3a3a28), cx - r, cy - r, cx + r, cy + r);
      cairo_arc(cr, cx, cy, r * 0.28, 0, 2 * M_PI);
      Metal(cr, Hex(0xffb050), cx - r, cy - r, cx + r, cy + r);
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, 1, 0.3);
      cairo_arc(cr, 0, 0, r * 0.5, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_set_line_width(cr, r * 0.06);
      SetColor(cr, kGold, 1);
      cairo_stroke(cr);
      break;
    case 3:  // a hexagonal coin with a balance beam
      for (int k = 0; k <= 6; ++k) {
        const double a = k * M_PI / 3;
        if (k == 0)
          cairo_move_to(cr, cx + r * 0.6 * std::cos(a), cy + r * 0.6 * std::sin(a));
        else
          cairo_line_to(cr, cx + r * 0.6 * std::cos(a), cy + r * 0.6 * std::sin(a));
      }
      Metal(cr, Hex(0xd8b060), cx - r, cy - r, cx + r, cy + r);
      cairo_set_line_width(cr, r * 0.07);
      SetColor(cr, Hex(0x10584e), 1);
      cairo_move_to(cr, cx - r * 0.4, cy - r * 0.15);
      cairo_line_to(cr, cx + r * 0.4, cy - r * 0.15);
      cairo_move_to(cr, cx, cy - r * 0.35);
      cairo_line_to(cr, cx, cy + r * 0.35);
      cairo_stroke(cr);
      cairo_arc(cr, cx - r * 0.3, cy + r * 0.05, r * 0.12, 0, M_PI);
      cairo_arc(cr, cx + r * 0.3, cy + r * 0.05, r * 0.12, 0, M_PI);
      cairo_fill(cr);
      break;
    case 4:  // a dagger crossed by a serpent's curve
      cairo_move_to(cr, cx, cy - r * 0.72);
      cairo_line_to(cr, cx + r * 0.12, cy + r * 0.25);
      cairo_line_to(cr, cx, cy + r * 0.4);
      cairo_line_to(cr, cx - r * 0.12, cy + r * 0.25);
      cairo_close_path(cr);
      Metal(cr, kSilver, cx - r, cy - r, cx + r, cy + r);
      cairo_rectangle(cr, cx - r * 0.3, cy + r * 0.25, r * 0.6, r * 0.08);
      Metal(cr, kGold, cx - r, cy, cx + r, cy + r);
      cairo_set_line_width(cr, r * 0.1);
      SetColor(cr, Hex(0xff3060), 1);
      cairo_move_to(cr, cx - r * 0.45, cy + r * 0.45);
      cairo_curve_to(cr, cx + r * 0.6, cy + r * 0.1, cx - r * 0.6, cy - r * 0.2, cx + r * 0.4, cy - r * 0.5);
      cairo_stroke(cr);
      break;
    default:  // pirates and the unknown: a skull
      SetColor(cr, {0.92, 0.9, 0.84}, 1);
      cairo_arc(cr, cx, cy - r * 0.1, r * 0.38, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_rectangle(cr, cx - r * 0.2, cy + r * 0.15, r * 0.4, r * 0.25);
      cairo_fill(cr);
      SetColor(cr, {0.08, 0.05, 0.05}, 1);
      cairo_arc(cr, cx - r * 0.14, cy - r * 0.1, r * 0.1, 0, 2 * M_PI);
      cairo_arc(cr, cx + r * 0.14, cy - r * 0.1, r * 0.1, 0, 2 * M_PI);
      cairo_fill(cr);
  }
}

void Medal(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const int faction = FactionIn(n);
  const bool gold = Contains(n.low, "gold") || Contains(n.low, "honor");
  const bool honor = Contains(n.low, "honor");
  const Rgb metal = gold ? kGold : kSilver;
  const double cx = c.w / 2, U = std::min(c.w, c.h * 0.75);
  // the ribbon drape
  const Rgb band = FactionColor(faction);
  cairo_move_to(cr, cx - U * 0.3, 0);
  cairo_line_to(cr, cx + U * 0.3, 0);
  cairo_line_to(cr, cx + U * 0.12, c.h * 0.48);
  cairo_line_to(cr, cx - U * 0.12, c.h * 0.48);
  cairo_close_path(cr);
  SetColor(cr, honor ? Hex(0x3a6ad8) : band, 1);
  cairo_fill(cr);
  SetColor(cr, {1, 1, 1}, 0.8);
  cairo_rectangle(cr, cx - U * 0.04, 0, U * 0.08, c.h * 0.45);
  cairo_fill(cr);
  const double my = c.h * 0.68, r = std::min(U * 0.3, c.h * 0.3);
  if (honor) {
    cairo_arc(cr, cx, my, r, 0, 2 * M_PI);
    Metal(cr, Hex(0x2a50c0), cx - r, my - r, cx + r, my + r);
  }
  if (StartsWith(n.low, "coal")) {  // a cross
    cairo_rectangle(cr, cx - r * 0.28, my - r * 0.9, r * 0.56, r * 1.8);
    cairo_rectangle(cr, cx - r * 0.9, my - r * 0.28, r * 1.8, r * 0.56);
    Metal(cr, gold ? kGold : Hex(0xd83030), cx - r, my - r, cx + r, my + r);
  } else if (StartsWith(n.low, "synd")) {  // a two-part circle
    cairo_arc(cr, cx, my, r * 0.85, 0, 2 * M_PI);
    Metal(cr, metal, cx - r, my - r, cx + r, my + r);
    cairo_arc(cr, cx, my, r * 0.7, -M_PI / 2, M_PI / 2);
    cairo_arc(cr, cx, my + r * 0.35, r * 0.35, M_PI / 2, 3 * M_PI / 2);
    cairo_arc_negative(cr, cx, my - r * 0.35, r * 0.35, M_PI / 2, -M_PI / 2);
    SetColor(cr, Scale(metal, 0.4), 1);
    cairo_fill(cr);
  } else {
    if (StartsWith(n.low, "outerrim")) {  // wings behind the star
      for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx, my);
        cairo_curve_to(cr, cx + side * r * 0.6, my - r * 0.9, cx + side * r * 1.3, my - r * 0.5, cx + side * r * 1.4,
                       my - r * 0.6);
        cairo_curve_to(cr, cx + side * r * 1.1, my + r * 0.1, cx + side * r * 0.6, my + r * 0.3, cx, my + r * 0.1);
        Metal(cr, metal, cx - r, my - r, cx + r, my + r);
      }
    }
    StarPath(cr, cx, my, r * (honor ? 0.8 : 1.0), r * 0.42, 5);
    Metal(cr, metal, cx - r, my - r, cx + r, my + r);
  }
}

// Campaign ribbons. A faction's eleven ribbons share its signature colour in
// both edge bands and one palette; the number picks the ground of the middle
// field and the stripes on it, so every ribbon of a set stands apart even on
// the uniform, where it is 28 pixels wide.
struct RibbonPalette {
  Rgb second, light, dark;
};

RibbonPalette RibbonColors(int faction) {
  switch (faction) {
    case 1: return {Hex(0xf2c23c), Hex(0xf4f5f2), Hex(0x142a66)};  // gold, white, navy
    case 2: return {Hex(0x2f8f44), Hex(0xf0e0bc), Hex(0x4c2a12)};  // green, cream, earth
    case 3: return {Hex(0xc4883a), Hex(0xf4efe0), Hex(0x0b3f38)};  // bronze, ivory, deep sea
    case 4: return {Hex(0xcc1f40), Hex(0xcfd0da), Hex(0x16111c)};  // crimson, silver, black
    default: return {Hex(0x16161a), Hex(0xe6dcc4), Hex(0x5a5a5e)};  // black, bone, iron
  }
}

void Ribbon(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const int faction = FactionIn(n);
  const int number = std::clamp(TrailingNumber(n.low, 1), 1, 11);
  const Rgb main = FactionColor(faction);
  const RibbonPalette pal = RibbonColors(faction);
  // the ground of the middle field and the colour of its stripes
  const int ground = (number - 1) % 3, pattern = (number - 1) / 3;
  const Rgb field = ground == 0 ? pal.second : ground == 1 ? pal.light : pal.dark;
  const Rgb stripe = ground == 0 ? pal.light : ground == 1 ? main : pal.second;
  // Stripe edges fall on whole pixels so the small ribbons stay crisp.
  const double edge = std::max(1.0, std::round(c.h * 0.06));
  const double x = edge, y = edge, w = c.w - 2 * edge, h = c.h - 2 * edge;
  if (w <= 0 || h <= 0) {
    SetColor(cr, main, 1);
    cairo_paint(cr);
    return;
  }
  auto band = [&](double from, double to, Rgb col) {  // symmetric pair, fractions of the width from the left
    const double a = std::round(x + w * from), b = std::round(x + w * to);
    const double a2 = std::round(x + w * (1 - to)), b2 = std::round(x + w * (1 - from));
    SetColor(cr, col, 1);
    cairo_rectangle(cr, a, y, std::max(1.0, b - a), h);
    cairo_rectangle(cr, a2, y, std::max(1.0, b2 - a2), h);
    cairo_fill(cr);
  };
  auto middle = [&](double half, Rgb col) {  // one stripe on the centre line
    const double a = std::round(x + w * (0.5 - half)), b = std::round(x + w * (0.5 + half));
    SetColor(cr, col, 1);
    cairo_rectangle(cr, a, y, std::max(1.0, b - a), h);
    cairo_fill(cr);
  };
  SetColor(cr, field, 1);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  band(0, 0.17, main);
  band(0.17, 0.21, pal.dark);
  switch (pattern) {
    case 0: middle(0.08, stripe); break;
    case 1: band(0.39, 0.45, stripe); break;
    case 2:
      middle(0.03, stripe);
      band(0.36, 0.41, stripe);
      break;
    default:
      middle(0.06, stripe);
      band(0.33, 0.37, stripe);
      band(0.27, 0.29, main);
  }
  if (h >= 20) {  // the weave shows on the large ribbons
    cairo_set_line_width(cr, 1);
    for (double wx = x + 1.5; wx < x + w; wx += 3) {
      cairo_move_to(cr, wx, y);
      cairo_line_to(cr, wx, y + h);
    }
    SetColor(cr, {0, 0, 0}, 0.1);
    cairo_stroke(cr);
  }
  // the cloth bends round the mounting bar at both ends
  cairo_pattern_t* ends = cairo_pattern_create_linear(x, 0, x + w, 0);
  cairo_pattern_add_color_stop_rgba(ends, 0, 0, 0, 0, 0.3);
  cairo_pattern_add_color_stop_rgba(ends, 0.07, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(ends, 0.93, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(ends, 1, 0, 0, 0, 0.3);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, ends);
  cairo_fill(cr);
  cairo_pattern_destroy(ends);
  // the cloth's light: brighter along the top, shaded towards the bottom
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.28);
  cairo_pattern_add_color_stop_rgba(g, 0.35, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.65, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.32);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // the thin metal frame the ribbon is mounted in
  const Rgb metal = faction == 1 || faction == 3 ? kGold : kSilver;
  cairo_rectangle(cr, 0, 0, c.w, c.h);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  g = cairo_pattern_create_linear(0, 0, 0, c.h);
  const Rgb hi = Mix(metal, {1, 1, 1}, 0.6), lo = Scale(metal, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, metal.r, metal.g, metal.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

int RankPart(std::string_view s) {
  struct Part {
    std::string_view word;
    int rank;
  };
  static constexpr std::array<Part, 7> kParts = {
      {{"-ensign", 1}, {"-2ndlt", 2}, {"-1stlt", 3}, {"-comm", 5}, {"-capt", 6}, {"-adm", 7}, {"-lt", 4}}};
  for (const Part& p : kParts)
    if (Contains(s, p.word)) return p.rank;
  return 1;
}

void Uniform(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const int faction = FactionIn(n);
  const Rgb cloth = Mix(FactionColor(faction), {0.08, 0.09, 0.14}, 0.72);
  if (Contains(n.low, "-shoulder")) {
    RoundedRect(cr, c.w * 0.05, c.h * 0.15, c.w * 0.9, c.h * 0.7, c.h * 0.35);
    Metal(cr, cloth, 0, 0, 0, c.h);
    RankMarks(cr, faction, std::min(RankPart(n.low), 6), c.w * 0.12, c.h * 0.25, c.w * 0.7, c.h * 0.5, kGold);
    return;
  }
  if (Contains(n.low, "-collar")) {
    cairo_move_to(cr, c.w * 0.05, c.h * 0.1);
    cairo_line_to(cr, c.w * 0.95, c.h * 0.1);
    cairo_line_to(cr, c.w * 0.7, c.h * 0.9);
    cairo_line_to(cr, c.w * 0.05, c.h * 0.9);
    cairo_close_path(cr);
    Metal(cr, cloth, 0, 0, c.w, c.h);
    const int pips = std::clamp(RankPart(n.low), 1, 4);
    for (int i = 0; i < pips; ++i) {
      const double x = c.w * (0.18 + 0.16 * i), r = std::min(c.w * 0.07, c.h * 0.2);
      cairo_arc(cr, x, c.h * 0.5, r, 0, 2 * M_PI);
      Metal(cr, kGold, x - r, c.h / 2 - r, x + r, c.h / 2 + r);
    }
    return;
  }
  // the jacket
  const bool command = Contains(n.low, "-com"), female = Contains(n.low, "-fem");
  SetColor(cr, ui::kDeep, 1);
  cairo_paint(cr);
  const double waist = female ? 0.3 : 0.36;
  cairo_move_to(cr, c.w * 0.02, c.h * 0.25);
  cairo_curve_to(cr, c.w * 0.1, c.h * 0.08, c.w * 0.3, c.h * 0.05, c.w * 0.4, c.h * 0.02);
  cairo_line_to(cr, c.w * 0.6, c.h * 0.02);
  cairo_curve_to(cr, c.w * 0.7, c.h * 0.05, c.w * 0.9, c.h * 0.08, c.w * 0.98, c.h * 0.25);
  cairo_line_to(cr, c.w * 0.98, c.h);
  cairo_line_to(cr, c.w * (1 - waist + 0.3), c.h);
  cairo_line_to(cr, c.w * (waist - 0.3 + 0.3), c.h);
  cairo_line_to(cr, c.w * 0.02, c.h);
  cairo_close_path(cr);
  Metal(cr, cloth, 0, 0, c.w, c.h * 0.6);
  // the sleeves: darker cloth outside the armhole seams
  for (int side = -1; side <= 1; side += 2) {
    const double edge = side < 0 ? c.w * 0.02 : c.w * 0.98, seam = side < 0 ? c.w * 0.17 : c.w * 0.83;
    cairo_move_to(cr, edge, c.h * 0.25);
    cairo_curve_to(cr, c.w * (side < 0 ? 0.08 : 0.92), c.h * 0.14, seam, c.h * 0.13, seam, c.h * 0.16);
    cairo_curve_to(cr, seam + side * c.w * 0.02, c.h * 0.35, seam + side * c.w * 0.01, c.h * 0.7, seam, c.h);
    cairo_line_to(cr, edge, c.h);
    cairo_close_path(cr);
    SetColor(cr, {0, 0, 0}, 0.22);
    cairo_fill(cr);
    cairo_move_to(cr, seam, c.h * 0.16);
    cairo_curve_to(cr, seam + side * c.w * 0.02, c.h * 0.35, seam + side * c.w * 0.01, c.h * 0.7, seam, c.h);
    cairo_set_line_width(cr, std::max(0.8, c.Min() * 0.008));
    SetColor(cr, Scale(cloth, 0.45), 0.9);
    cairo_stroke(cr);
  }
  // the lower pockets with their flaps and buttons
  for (int side = -1; side <= 1; side += 2) {
    const double px = side < 0 ? c.w * 0.22 : c.w * 0.58, pw = c.w * 0.2, py = c.h * 0.76, ph = c.h * 0.05;
    RoundedRect(cr, px, py, pw, ph, ph * 0.3);
    SetColor(cr, Scale(cloth, 0.75), 1);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(0.8, c.Min() * 0.008));
    SetColor(cr, Scale(cloth, 0.45), 1);
    cairo_stroke(cr);
    const double r = c.Min() * 0.016, bx = px + pw / 2, by = py + ph * 0.55;
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    Metal(cr, kGold, bx - r, by - r, bx + r, by + r);
  }
  // lapels, buttons and the command braid
  SetColor(cr, Scale(cloth, 0.6), 1);
  cairo_move_to(cr, c.w * 0.4, c.h * 0.02);
  cairo_line_to(cr, c.w * 0.5, c.h * 0.35);
  cairo_line_to(cr, c.w * 0.6, c.h * 0.02);
  cairo_fill(cr);
  SetColor(cr, {0.9, 0.9, 0.92}, 1);
  cairo_move_to(cr, c.w * 0.44, c.h * 0.02);
  cairo_line_to(cr, c.w * 0.5, c.h * 0.2);
  cairo_line_to(cr, c.w * 0.56, c.h * 0.02);
  cairo_fill(cr);
  for (int i = 0; i < 4; ++i) {
    const double y = c.h * (0.42 + 0.13 * i), r = c.Min() * 0.025;
    cairo_arc(cr, c.w * 0.5, y, r, 0, 2 * M_PI);
    Metal(cr, kGold, c.w * 0.5 - r, y - r, c.w * 0.5 + r, y + r);
  }
  if (command) {
    cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.02));
    SetColor(cr, kGold, 1);
    cairo_move_to(cr, c.w * 0.4, c.h * 0.02);
    cairo_line_to(cr, c.w * 0.5, c.h * 0.35);
    cairo_line_to(cr, c.w * 0.6, c.h * 0.02);
    cairo_stroke(cr);
  }
}

void Wings(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const Rgb metal = FactionIn(n) == 1 ? kGold : kSilver;
  const double cx = c.w / 2, cy = c.h / 2;
  for (int side = -1; side <= 1; side += 2) {
    for (int f = 0; f < 4; ++f) {
      const double y = cy - c.h * 0.25 + f * c.h * 0.14;
      const double len = c.w * (0.46 - f * 0.07);
      cairo_move_to(cr, cx, y);
      cairo_line_to(cr, cx + side * len, y - c.h * 0.08);
      cairo_line_to(cr, cx + side * len * 0.9, y + c.h * 0.08);
      cairo_line_to(cr, cx, y + c.h * 0.12);
      cairo_close_path(cr);
      Metal(cr, metal, cx - len, y - c.h * 0.1, cx + len, y + c.h * 0.1);
    }
  }
  cairo_arc(cr, cx, cy, c.Min() * 0.18, 0, 2 * M_PI);
  Metal(cr, FactionColor(FactionIn(n)), cx - c.w * 0.2, cy - c.h * 0.2, cx + c.w * 0.2, cy + c.h * 0.2);
}

void Marker(const Canvas& c, const Name& n) {
  cairo_t* cr = c.cr;
  const Rgb col = Contains(n.low, "player") ? Hex(0x50ff80) : Contains(n.low, "mission") ? ui::kAmber : ui::kCyan;
  const double m = c.Min() * 0.08, len = c.Min() * 0.28;
  cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.07));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < 4; ++k) {
    const double x = k % 2 ? c.w - m : m, y = k / 2 ? c.h - m : m;
    const double dx = k % 2 ? -len : len, dy = k / 2 ? -len : len;
    cairo_move_to(cr, x + dx, y);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x, y + dy);
  }
  SetColor(cr, col, 0.35);
  cairo_save(cr);
  cairo_set_line_width(cr, std::max(2.0, c.Min() * 0.16));
  cairo_stroke_preserve(cr);
  cairo_restore(cr);
  SetColor(cr, Mix(col, {1, 1, 1}, 0.3), 1);
  cairo_stroke(cr);
}

}  // namespace

bool MatchInsignia(const Name& n) { return MarkOf(n.low) != Mark::None; }

void DrawInsignia(const Canvas& c, const Name& n, const std::string&) {
  cairo_t* cr = c.cr;
  switch (MarkOf(n.low)) {
    case Mark::Rank: Rank(c, n); break;
    case Mark::Medal: Medal(c, n); break;
    case Mark::Ribbon: Ribbon(c, n); break;
    case Mark::Uniform: Uniform(c, n); break;
    case Mark::Wings: Wings(c, n); break;
    case Mark::Logo: Emblem(cr, FactionIn(n), c.w / 2, c.h / 2, c.Min() * 0.46); break;
    case Mark::Blip: {
      const int f = FactionIn(n);
      const Rgb col = Mix(FactionColor(f < 0 ? 5 : f), {1, 1, 1}, 0.15);
      Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.5, col, 0.6);
      cairo_set_line_width(cr, std::max(0.8, c.Min() * 0.07));
      SetColor(cr, col, 0.9);
      cairo_arc(cr, c.w / 2, c.h / 2, c.Min() * 0.32, 0, 2 * M_PI);
      cairo_stroke(cr);
      Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.22, {1, 1, 1}, 1);
      break;
    }
    case Mark::Battle: {
      Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.5, {1, 0.35, 0.1}, 0.8);
      StarPath(cr, c.w / 2, c.h / 2, c.Min() * 0.42, c.Min() * 0.18, 8, 0.2);
      SetColor(cr, {1, 0.8, 0.3}, 0.9);
      cairo_fill(cr);
      cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.08));
      SetColor(cr, {0.95, 0.95, 1}, 1);
      cairo_move_to(cr, c.w * 0.25, c.h * 0.25);
      cairo_line_to(cr, c.w * 0.75, c.h * 0.75);
      cairo_move_to(cr, c.w * 0.75, c.h * 0.25);
      cairo_line_to(cr, c.w * 0.25, c.h * 0.75);
      cairo_stroke(cr);
      break;
    }
    case Mark::AwardPlace: {
      RoundedRect(cr, c.w * 0.06, c.h * 0.1, c.w * 0.88, c.h * 0.8, c.Min() * 0.1);
      SetColor(cr, {0.03, 0.04, 0.07}, 0.8);
      cairo_fill_preserve(cr);
      const double dash = std::max(1.0, c.Min() * 0.08);
      cairo_set_dash(cr, &dash, 1, 0);
      cairo_set_line_width(cr, std::max(0.6, c.Min() * 0.04));
      SetColor(cr, {0.4, 0.45, 0.55}, 0.8);
      cairo_stroke(cr);
      cairo_set_dash(cr, nullptr, 0, 0);
      break;
    }
    case Mark::AwardBack: {
      const int f = FactionIn(n);
      const Rgb col = FactionColor(f);
      cairo_pattern_t* g = cairo_pattern_create_radial(c.w / 2, c.h * 0.4, 0, c.w / 2, c.h * 0.4, std::max(c.w, c.h));
      const Rgb a = Mix(col, ui::kDeep, 0.55), b = ui::kDeep;
      cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
      cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
      cairo_set_source(cr, g);
      cairo_paint(cr);
      cairo_pattern_destroy(g);
      cairo_push_group(cr);
      Emblem(cr, f, c.w / 2, c.h * 0.42, c.Min() * 0.4);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 0.18);
      cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.012));
      SetColor(cr, kGold, 0.7);
      RoundedRect(cr, c.w * 0.03, c.h * 0.03, c.w * 0.94, c.h * 0.94, c.Min() * 0.04);
      cairo_stroke(cr);
      break;
    }
    case Mark::Marker: Marker(c, n); break;
    case Mark::None: break;
  }
}

}  // namespace qm::art
