// Portraits: the pilot's three faces at every age ("hero2_50y"), and the
// people of the messages: pilots, pirates, traders, crew. Stylised busts in
// uniform, lit from the upper left, on a dark console-blue ground.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Hair { Short, Long, Buzz, None };
enum class Gear { Headset, Helmet, Bandana, Cap, Hood, Goggles, Droid };

struct Person {
  Rgb skin, hair, suit, trim;
  Hair hairStyle = Hair::Short;
  Gear gear = Gear::Headset;
  bool beard = false, eyepatch = false, scar = false, feminine = false;
};

Person PersonOf(std::string_view who, int age) {
  Person p;
  p.skin = Hex(0xe2b08c);
  p.hair = Hex(0x4a2e1a);
  p.suit = Hex(0x1e2e4a);
  p.trim = Hex(0xd8b040);
  if (who == "hero2") {
    p.skin = Hex(0xc99068);
    p.hair = Hex(0x7a2a14);
    p.hairStyle = Hair::Long;
    p.feminine = true;
    p.suit = Hex(0x24324e);
  } else if (who == "hero3") {
    p.skin = Hex(0x7a4e32);
    p.hair = Hex(0x141010);
    p.hairStyle = Hair::Buzz;
    p.beard = age >= 35;
    p.suit = Hex(0x202a3e);
  } else if (StartsWith(who, "hero")) {
    p.beard = age >= 50;
  } else if (StartsWith(who, "fedpilot")) {
    p.gear = Gear::Helmet;
    p.suit = Hex(0xb86a28);
    p.trim = Hex(0x2f6fd8);
    p.skin = who == "fedpilot2" ? Hex(0xa87050) : Hex(0xe8c0a0);
  } else if (StartsWith(who, "piratepilot") || who == "crew_pirate") {
    p.gear = Gear::Bandana;
    p.suit = Hex(0x4a3020);
    p.trim = Hex(0xc0281e);
    p.beard = p.eyepatch = p.scar = true;
    p.hair = Hex(0x201812);
  } else if (StartsWith(who, "trader")) {
    p.gear = Gear::Goggles;
    p.suit = Hex(0x3a5a3a);
    p.trim = Hex(0xc8a050);
    p.hair = Hex(0x6a6a6a);
    p.beard = true;
    p.skin = Hex(0xd8a07a);
  } else if (who == "crew_officer") {
    p.gear = Gear::Cap;
    p.suit = Hex(0x1a2236);
    p.trim = Hex(0xe8c040);
  } else if (who == "crew_rogue") {
    p.gear = Gear::Hood;
    p.suit = Hex(0x2a2430);
    p.trim = Hex(0x8040c0);
    p.scar = true;
    p.skin = Hex(0xb88060);
  } else if (who == "crew_droid" || Contains(who, "droid")) {
    p.gear = Gear::Droid;
    p.suit = Hex(0x50565e);
    p.trim = Hex(0x40d0ff);
  } else {
    // anyone else: a crew member whose looks follow the name
    Rng rng(Hash(who));
    static constexpr std::array<uint32_t, 4> kSkins = {0xe2b08c, 0xc99068, 0x8a5a3a, 0xf0c8a8};
    static constexpr std::array<uint32_t, 4> kHair = {0x2a1a10, 0x8a5a2a, 0xd8c070, 0x101010};
    p.skin = Hex(kSkins[static_cast<size_t>(rng.Int(4))]);
    p.hair = Hex(kHair[static_cast<size_t>(rng.Int(4))]);
    p.hairStyle = static_cast<Hair>(rng.Int(3));
    p.suit = Hsv(rng.Unit(), 0.4, 0.3);
    p.gear = rng.Chance(0.5) ? Gear::Headset : Gear::Cap;
  }
  // age greys the hair and pales the skin
  const double grey = age >= 150 ? 1.0 : age >= 70 ? 0.8 : age >= 50 ? 0.45 : age >= 35 ? 0.12 : 0.0;
  p.hair = Mix(p.hair, {0.9, 0.9, 0.92}, grey);
  if (age >= 70) p.skin = Mix(p.skin, {0.85, 0.78, 0.74}, 0.25);
  if (age >= 150 && p.hairStyle == Hair::Buzz) p.hairStyle = Hair::None;
  return p;
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, std::max(0.01, rx), std::max(0.01, ry));
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void Shaded(cairo_t* cr, Rgb c, double x, double y, double r) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r * 1.2);
  const Rgb hi = Mix(c, {1, 1, 1}, 0.18), lo = Scale(c, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

}  // namespace

void Bust(const Canvas& c, std::string_view who, int age) {
  cairo_t* cr = c.cr;
  const Person p = PersonOf(who, age);
  // background: console glow
  cairo_pattern_t* bg = cairo_pattern_create_radial(c.w * 0.5, c.h * 0.35, 0, c.w * 0.5, c.h * 0.4, c.h * 0.8);
  const Rgb b0 = Mix(ui::kSteel, p.trim, 0.12);
  cairo_pattern_add_color_stop_rgb(bg, 0, b0.r * 1.6, b0.g * 1.6, b0.b * 1.6);
  cairo_pattern_add_color_stop_rgb(bg, 1, ui::kDeep.r, ui::kDeep.g, ui::kDeep.b);
  cairo_set_source(cr, bg);
  cairo_paint(cr);
  cairo_pattern_destroy(bg);
  // a viewport behind the pilot: stars and the edge of a world
  {
    const double vx = c.w * 0.06, vy = c.h * 0.05, vw = c.w * 0.88, vh = c.h * 0.58;
    cairo_save(cr);
    RoundedRect(cr, vx, vy, vw, vh, c.Min() * 0.06);
    cairo_clip_preserve(cr);
    SetColor(cr, {0.01, 0.015, 0.04}, 1);
    cairo_fill(cr);
    Rng rng(Hash(who));
    for (int i = 0; i < 40; ++i) {
      SetColor(cr, {0.8, 0.85, 1}, rng.Range(0.3, 0.9));
      cairo_arc(cr, vx + rng.Unit() * vw, vy + rng.Unit() * vh, std::max(0.3, c.Min() * rng.Range(0.003, 0.008)), 0, 2 * M_PI);
      cairo_fill(cr);
    }
    static constexpr std::string_view kWorlds[] = {"earth2", "red3", "ice1", "jupiter", "desert2"};
    PlanetDisc(c, kWorlds[Hash(who) % 5], vx + vw * 0.85, vy + vh * 0.95, vh * 0.55);
    cairo_restore(cr);
    cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.02));
    SetColor(cr, Mix(ui::kSteel, ui::kCyan, 0.35), 0.9);
    RoundedRect(cr, vx, vy, vw, vh, c.Min() * 0.06);
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, std::max(0.5, c.h / 200));
  SetColor(cr, ui::kCyan, 0.06);
  for (double y = 0; y < c.h; y += std::max(2.0, c.h / 40)) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);

  const double U = std::min(c.w, c.h * 0.85);
  const double cx = c.w / 2, hy = c.h * 0.42, hr = U * 0.2;
  // torso and uniform
  cairo_move_to(cr, cx - U * 0.5, c.h);
  cairo_curve_to(cr, cx - U * 0.48, c.h * 0.78, cx - U * 0.3, c.h * 0.72, cx - U * 0.1, c.h * 0.7);
  cairo_line_to(cr, cx + U * 0.1, c.h * 0.7);
  cairo_curve_to(cr, cx + U * 0.3, c.h * 0.72, cx + U * 0.48, c.h * 0.78, cx + U * 0.5, c.h);
  cairo_close_path(cr);
  cairo_pattern_t* sg = cairo_pattern_create_linear(cx - U * 0.5, 0, cx + U * 0.5, 0);
  const Rgb shi = Mix(p.suit, {1, 1, 1}, 0.15), slo = Scale(p.suit, 0.5);
  cairo_pattern_add_color_stop_rgb(sg, 0, shi.r, shi.g, shi.b);
  cairo_pattern_add_color_stop_rgb(sg, 1, slo.r, slo.g, slo.b);
  cairo_set_source(cr, sg);
  cairo_fill(cr);
  cairo_pattern_destroy(sg);
  // long hair falls behind the shoulders
  if (p.hairStyle == Hair::Long && p.gear != Gear::Helmet && p.gear != Gear::Hood) {
    RoundedRect(cr, cx - hr * 1.15, hy - hr * 0.6, hr * 2.3, hr * 2.3, hr * 0.7);
    Shaded(cr, p.hair, cx, hy, hr * 1.4);
  }
  // neck
  cairo_rectangle(cr, cx - hr * 0.42, hy + hr * 0.7, hr * 0.84, hr * 0.9);
  SetColor(cr, Scale(p.skin, 0.75), 1);
  cairo_fill(cr);
  // collar, shoulder boards and a chest badge
  SetColor(cr, Scale(p.suit, 0.7), 1);
  cairo_move_to(cr, cx - hr * 0.8, c.h * 0.7);
  cairo_line_to(cr, cx, c.h * 0.84);
  cairo_line_to(cr, cx + hr * 0.8, c.h * 0.7);
  cairo_line_to(cr, cx + hr * 0.5, c.h * 0.68);
  cairo_line_to(cr, cx, c.h * 0.78);
  cairo_line_to(cr, cx - hr * 0.5, c.h * 0.68);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, p.trim, 0.95);
  cairo_rectangle(cr, cx - U * 0.42, c.h * 0.77, U * 0.18, U * 0.035);
  cairo_rectangle(cr, cx + U * 0.24, c.h * 0.77, U * 0.18, U * 0.035);
  cairo_fill(cr);
  StarPath(cr, cx + U * 0.25, c.h * 0.9, U * 0.04, U * 0.017, 5);
  cairo_fill(cr);

  if (p.gear == Gear::Droid) {
    RoundedRect(cr, cx - hr * 0.95, hy - hr * 1.1, hr * 1.9, hr * 2.1, hr * 0.5);
    Shaded(cr, Hex(0x8a929c), cx, hy, hr * 1.1);
    SetColor(cr, Hex(0x20242a), 1);
    RoundedRect(cr, cx - hr * 0.75, hy - hr * 0.45, hr * 1.5, hr * 0.5, hr * 0.2);
    cairo_fill(cr);
    Glow(cr, cx - hr * 0.38, hy - hr * 0.2, hr * 0.3, p.trim, 1);
    Glow(cr, cx + hr * 0.38, hy - hr * 0.2, hr * 0.3, p.trim, 1);
    cairo_set_line_width(cr, std::max(0.6, hr * 0.06));
    SetColor(cr, Hex(0x30343a), 1);
    for (int i = 0; i < 5; ++i) {
      cairo_move_to(cr, cx - hr * 0.4 + i * hr * 0.2, hy + hr * 0.4);
      cairo_line_to(cr, cx - hr * 0.4 + i * hr * 0.2, hy + hr * 0.7);
    }
    cairo_move_to(cr, cx + hr * 0.5, hy - hr * 1.1);
    cairo_line_to(cr, cx + hr * 0.7, hy - hr * 1.6);
    cairo_stroke(cr);
    Glow(cr, cx + hr * 0.7, hy - hr * 1.6, hr * 0.15, {1, 0.3, 0.2}, 1);
    return;
  }

  if (p.gear == Gear::Hood) {
    Ellipse(cr, cx, hy - hr * 0.1, hr * 1.45, hr * 1.6);
    Shaded(cr, p.suit, cx, hy - hr * 0.1, hr * 1.5);
  }
  if (p.gear == Gear::Helmet) {
    Ellipse(cr, cx, hy - hr * 0.15, hr * 1.35, hr * 1.45);
    Shaded(cr, Hex(0xe6e8ea), cx, hy - hr * 0.15, hr * 1.4);
  }
  // ears and face
  Ellipse(cr, cx - hr * 0.98, hy + hr * 0.05, hr * 0.16, hr * 0.26);
  Ellipse(cr, cx + hr * 0.98, hy + hr * 0.05, hr * 0.16, hr * 0.26);
  SetColor(cr, Scale(p.skin, 0.8), 1);
  cairo_fill(cr);
  cairo_move_to(cr, cx - hr, hy - hr * 0.2);
  cairo_curve_to(cr, cx - hr, hy - hr * 1.3, cx + hr, hy - hr * 1.3, cx + hr, hy - hr * 0.2);
  cairo_curve_to(cr, cx + hr, hy + hr * (p.feminine ? 0.75 : 0.6), cx + hr * 0.4, hy + hr * 1.12, cx,
                 hy + hr * 1.15);
  cairo_curve_to(cr, cx - hr * 0.4, hy + hr * 1.12, cx - hr, hy + hr * (p.feminine ? 0.75 : 0.6), cx - hr,
                 hy - hr * 0.2);
  cairo_close_path(cr);
  Shaded(cr, p.skin, cx, hy, hr * 1.1);
  if (p.beard) {
    cairo_move_to(cr, cx - hr * 0.95, hy + hr * 0.1);
    cairo_curve_to(cr, cx - hr * 0.8, hy + hr * 1.3, cx + hr * 0.8, hy + hr * 1.3, cx + hr * 0.95, hy + hr * 0.1);
    cairo_curve_to(cr, cx + hr * 0.5, hy + hr * 0.6, cx - hr * 0.5, hy + hr * 0.6, cx - hr * 0.95, hy + hr * 0.1);
    SetColor(cr, p.hair, 0.85);
    cairo_fill(cr);
  }
  // hair on top
  const double lw = std::max(0.6, hr * 0.06);
  if (p.gear == Gear::Headset || p.gear == Gear::Goggles || p.gear == Gear::Cap) {
    if (p.hairStyle != Hair::None) {
      const double depth = p.hairStyle == Hair::Buzz ? 0.55 : 0.35;
      cairo_move_to(cr, cx - hr * 1.02, hy - hr * 0.1);
      cairo_curve_to(cr, cx - hr * 1.15, hy - hr * 1.45, cx + hr * 1.15, hy - hr * 1.45, cx + hr * 1.02, hy - hr * 0.1);
      cairo_curve_to(cr, cx + hr * 0.8, hy - hr * depth - 0.3 * hr, cx - hr * 0.2, hy - hr * 0.85,
                     cx - hr * 1.02, hy - hr * 0.1);
      Shaded(cr, p.hair, cx, hy - hr * 0.8, hr);
    }
  }
  // eyes, brows, nose, mouth
  const double ey = hy - hr * 0.08, ex = hr * 0.4;
  for (int side = -1; side <= 1; side += 2) {
    const double x = cx + side * ex;
    if (p.eyepatch && side < 0) {
      SetColor(cr, {0.05, 0.05, 0.05}, 1);
      Ellipse(cr, x, ey, hr * 0.24, hr * 0.18);
      cairo_fill(cr);
      cairo_set_line_width(cr, lw);
      cairo_move_to(cr, cx - hr, hy - hr * 0.5);
      cairo_line_to(cr, cx + hr, hy - hr * 0.1);
      cairo_stroke(cr);
      continue;
    }
    SetColor(cr, {0.96, 0.96, 0.94}, 1);
    Ellipse(cr, x, ey, hr * 0.2, hr * 0.1);
    cairo_fill(cr);
    if (age >= 150 && side > 0) {
      Glow(cr, x, ey, hr * 0.28, {1, 0.15, 0.1}, 1);
    } else {
      SetColor(cr, {0.18, 0.28, 0.35}, 1);
      cairo_arc(cr, x + hr * 0.02, ey, hr * 0.075, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    cairo_set_line_width(cr, lw * 1.4);
    SetColor(cr, Scale(p.hair, 0.8), 1);
    cairo_move_to(cr, x - hr * 0.22, ey - hr * 0.2 + (p.feminine ? -hr * 0.04 : 0));
    cairo_line_to(cr, x + hr * 0.22, ey - hr * (side < 0 ? 0.24 : 0.22));
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, lw);
  SetColor(cr, Scale(p.skin, 0.6), 1);
  cairo_move_to(cr, cx + hr * 0.02, ey + hr * 0.1);
  cairo_line_to(cr, cx - hr * 0.08, hy + hr * 0.45);
  cairo_line_to(cr, cx + hr * 0.08, hy + hr * 0.47);
  cairo_stroke(cr);
  SetColor(cr, p.feminine ? Hex(0xa04848) : Scale(p.skin, 0.5), 1);
  cairo_move_to(cr, cx - hr * 0.28, hy + hr * 0.72);
  cairo_curve_to(cr, cx - hr * 0.1, hy + hr * 0.8, cx + hr * 0.1, hy + hr * 0.8, cx + hr * 0.28, hy + hr * 0.7);
  cairo_stroke(cr);
  // the years show
  cairo_set_line_width(cr, std::max(0.4, lw * 0.6));
  SetColor(cr, Scale(p.skin, 0.55), 0.8);
  if (age >= 35) {
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, cx + side * hr * 0.25, ey + hr * 0.17);
      cairo_line_to(cr, cx + side * hr * 0.52, ey + hr * 0.15);
    }
  }
  if (age >= 50) {
    for (int i = 0; i < (age >= 70 ? 3 : 2); ++i) {
      cairo_move_to(cr, cx - hr * 0.45, hy - hr * (0.55 + i * 0.1));
      cairo_curve_to(cr, cx - hr * 0.1, hy - hr * (0.6 + i * 0.1), cx + hr * 0.1, hy - hr * (0.6 + i * 0.1),
                     cx + hr * 0.45, hy - hr * (0.55 + i * 0.1));
    }
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, cx + side * hr * 0.3, hy + hr * 0.35);
      cairo_line_to(cr, cx + side * hr * 0.42, hy + hr * 0.7);
    }
  }
  cairo_stroke(cr);
  if (age >= 150) {  // cybernetic plate at the temple
    RoundedRect(cr, cx + hr * 0.55, hy - hr * 0.65, hr * 0.45, hr * 0.5, hr * 0.1);
    Shaded(cr, Hex(0x9aa4b0), cx + hr * 0.75, hy - hr * 0.4, hr * 0.3);
  }
  if (p.scar) {
    cairo_set_line_width(cr, lw);
    SetColor(cr, Hex(0x903030), 0.9);
    cairo_move_to(cr, cx + hr * 0.3, hy - hr * 0.35);
    cairo_line_to(cr, cx + hr * 0.6, hy + hr * 0.35);
    cairo_stroke(cr);
  }
  // gear
  switch (p.gear) {
    case Gear::Headset:
      cairo_set_line_width(cr, std::max(0.8, hr * 0.1));
      SetColor(cr, Hex(0x2a2e36), 1);
      cairo_arc(cr, cx, hy - hr * 0.1, hr * 1.12, M_PI * 1.05, M_PI * 1.95);
      cairo_stroke(cr);
      RoundedRect(cr, cx - hr * 1.22, hy - hr * 0.2, hr * 0.3, hr * 0.5, hr * 0.1);
      SetColor(cr, Hex(0x3a404a), 1);
      cairo_fill(cr);
      cairo_set_line_width(cr, std::max(0.6, hr * 0.05));
      cairo_move_to(cr, cx - hr * 1.05, hy + hr * 0.25);
      cairo_curve_to(cr, cx - hr * 0.9, hy + hr * 0.8, cx - hr * 0.5, hy + hr * 0.8, cx - hr * 0.35, hy + hr * 0.72);
      cairo_stroke(cr);
      Glow(cr, cx - hr * 1.07, hy, hr * 0.12, ui::kCyan, 1);
      break;
    case Gear::Helmet: {
      // visor raised over the brow
      cairo_move_to(cr, cx - hr * 1.1, hy - hr * 0.45);
      cairo_curve_to(cr, cx - hr * 1.0, hy - hr * 1.4, cx + hr * 1.0, hy - hr * 1.4, cx + hr * 1.1, hy - hr * 0.45);
      cairo_curve_to(cr, cx + hr * 0.5, hy - hr * 0.7, cx - hr * 0.5, hy - hr * 0.7, cx - hr * 1.1, hy - hr * 0.45);
      cairo_pattern_t* vg = cairo_pattern_create_linear(cx - hr, hy - hr * 1.3, cx + hr, hy - hr * 0.5);
      cairo_pattern_add_color_stop_rgb(vg, 0, 0.9, 0.7, 0.3);
      cairo_pattern_add_color_stop_rgb(vg, 0.5, 0.4, 0.2, 0.05);
      cairo_pattern_add_color_stop_rgb(vg, 1, 0.1, 0.05, 0.02);
      cairo_set_source(cr, vg);
      cairo_fill(cr);
      cairo_pattern_destroy(vg);
      SetColor(cr, p.trim, 1);
      cairo_rectangle(cr, cx - hr * 0.08, hy - hr * 1.55, hr * 0.16, hr * 0.5);
      cairo_fill(cr);
      break;
    }
    case Gear::Bandana:
      cairo_move_to(cr, cx - hr * 1.05, hy - hr * 0.3);
      cairo_curve_to(cr, cx - hr * 1.1, hy - hr * 1.45, cx + hr * 1.1, hy - hr * 1.45, cx + hr * 1.05, hy - hr * 0.3);
      cairo_curve_to(cr, cx + hr * 0.5, hy - hr * 0.55, cx - hr * 0.5, hy - hr * 0.55, cx - hr * 1.05, hy - hr * 0.3);
      Shaded(cr, p.trim, cx, hy - hr * 0.8, hr);
      SetColor(cr, {0.95, 0.95, 0.9}, 0.9);
      for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, cx - hr * 0.6 + i * hr * 0.3, hy - hr * 0.75 - (i % 2) * hr * 0.15, hr * 0.05, 0, 2 * M_PI);
        cairo_fill(cr);
      }
      break;
    case Gear::Cap:
      cairo_move_to(cr, cx - hr * 1.1, hy - hr * 0.55);
      cairo_curve_to(cr, cx - hr * 1.3, hy - hr * 1.6, cx + hr * 1.3, hy - hr * 1.6, cx + hr * 1.1, hy - hr * 0.55);
      cairo_close_path(cr);
      Shaded(cr, p.suit, cx, hy - hr, hr);
      SetColor(cr, {0.05, 0.05, 0.07}, 1);
      Ellipse(cr, cx, hy - hr * 0.52, hr * 1.15, hr * 0.16);
      cairo_fill(cr);
      SetColor(cr, p.trim, 1);
      StarPath(cr, cx, hy - hr * 0.95, hr * 0.2, hr * 0.09, 5);
      cairo_fill(cr);
      break;
    case Gear::Goggles:
      cairo_set_line_width(cr, std::max(0.8, hr * 0.1));
      SetColor(cr, Hex(0x3a2a1a), 1);
      cairo_move_to(cr, cx - hr, hy - hr * 0.6);
      cairo_line_to(cr, cx + hr, hy - hr * 0.6);
      cairo_stroke(cr);
      for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, cx + side * hr * 0.38, hy - hr * 0.62, hr * 0.22, 0, 2 * M_PI);
        SetColor(cr, p.trim, 1);
        cairo_fill_preserve(cr);
        SetColor(cr, {0.3, 0.7, 0.6}, 0.8);
        cairo_set_line_width(cr, hr * 0.1);
        cairo_stroke(cr);
      }
      break;
    case Gear::Hood: {
      cairo_pattern_t* sh = cairo_pattern_create_linear(0, hy - hr * 1.2, 0, hy);
      cairo_pattern_add_color_stop_rgba(sh, 0, 0, 0, 0, 0.6);
      cairo_pattern_add_color_stop_rgba(sh, 1, 0, 0, 0, 0);
      cairo_set_source(cr, sh);
      Ellipse(cr, cx, hy - hr * 0.3, hr * 1.1, hr * 1.0);
      cairo_fill(cr);
      cairo_pattern_destroy(sh);
      break;
    }
    case Gear::Droid: break;
  }
}

bool MatchPortrait(const Name& n) {
  const std::string_view s = n.low;
  return StartsWith(s, "hero") || StartsWith(s, "fedpilot") || StartsWith(s, "piratepilot") ||
         s == "trader" || StartsWith(s, "crew_") || EndsWith(s, "pilot") || Contains(s, "portrait");
}

void DrawPortrait(const Canvas& c, const Name& n, const std::string&) {
  std::string who = n.low;
  int age = 20;
  const size_t us = who.find('_');
  if (StartsWith(who, "hero") && us != std::string::npos) {
    std::string_view rest = std::string_view(who).substr(us + 1);
    if (!rest.empty() && rest.back() == 'y') rest.remove_suffix(1);
    age = std::clamp(TrailingNumber(rest, 20), 0, 1000);
    who.resize(us);
  }
  Bust(c, who, age);
}

}  // namespace qm::art
