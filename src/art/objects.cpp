// The space objects of a system: lifepod, treasure, ghost ship, alien
// artifact and secret data; the small main-screen picture and the large
// view ("lifepodr", "treasurer", ...) with its backdrop.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Obj { Lifepod, Treasure, Ghost, Artifact, Data, None };

struct ObjName {
  Obj kind = Obj::None;
  bool large = false;
};

ObjName ParseObj(std::string_view s) {
  struct Word {
    std::string_view word;
    Obj kind;
  };
  static constexpr Word kWords[] = {{"lifepod", Obj::Lifepod},
                                    {"treasure", Obj::Treasure},
                                    {"ghostship", Obj::Ghost},
                                    {"alienartifact", Obj::Artifact},
                                    {"secretdata", Obj::Data}};
  for (const Word& w : kWords) {
    if (s == w.word) return {w.kind, false};
    if (s.size() == w.word.size() + 1 && StartsWith(s, w.word) && s.back() == 'r') return {w.kind, true};
  }
  return {};
}

void Lifepod(const Canvas& c, double x, double y, double r) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -0.5);
  RoundedRect(cr, -r, -r * 0.5, 2 * r, r, r * 0.5);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -r * 0.5, 0, r * 0.5);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.95, 0.92);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.36, 0.38);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, {0.95, 0.5, 0.1}, 1);
  cairo_rectangle(cr, -r * 0.3, -r * 0.5, r * 0.18, r);
  cairo_fill(cr);
  cairo_arc(cr, r * 0.45, -r * 0.05, r * 0.2, 0, 2 * M_PI);
  SetColor(cr, {0.2, 0.5, 0.7}, 1);
  cairo_fill(cr);
  Glow(cr, -r * 0.9, 0, r * 0.35, {1, 0.6, 0.2}, 0.8);
  cairo_restore(cr);
  Glow(cr, x + r * 0.3, y - r * 0.55, r * 0.3, {1, 0.2, 0.2}, 1);
}

void Treasure(const Canvas& c, double x, double y, double r) {
  Rng rng(7);
  Rock(c.cr, rng, x, y, r, Hex(0x6a5a48));
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_width(cr, std::max(0.8, r * 0.07));
  SetColor(cr, {1, 0.78, 0.3}, 0.9);
  cairo_move_to(cr, x - r * 0.6, y - r * 0.1);
  cairo_line_to(cr, x + r * 0.6, y - r * 0.1);
  cairo_move_to(cr, x - r * 0.1, y - r * 0.6);
  cairo_line_to(cr, x - r * 0.1, y + r * 0.5);
  cairo_stroke(cr);
  Glow(cr, x - r * 0.1, y - r * 0.1, r * 0.6, {1, 0.8, 0.3}, 0.6);
  cairo_restore(cr);
}

void Ghost(const Canvas& c, double x, double y, double w, double h) {
  cairo_t* cr = c.cr;
  // a grey hull tinted a sickly green, only where the hull is
  cairo_push_group(cr);
  ShipSide(c, "galaxy", 5, x, y, w, h);
  cairo_pattern_t* hull = cairo_pop_group(cr);
  cairo_set_source(cr, hull);
  cairo_paint_with_alpha(cr, 0.9);
  SetColor(cr, {0.2, 0.5, 0.35}, 0.35);
  cairo_mask(cr, hull);
  cairo_pattern_destroy(hull);
  Rng rng(3);
  for (int i = 0; i < 4; ++i) {  // hull breaches and the failing reactor
    const double bx = x + w * rng.Range(0.2, 0.8), by = y + h * rng.Range(0.35, 0.65);
    SetColor(cr, {0.02, 0.02, 0.02}, 1);
    cairo_arc(cr, bx, by, std::max(1.0, h * 0.05), 0, 2 * M_PI);
    cairo_fill(cr);
    Glow(cr, bx, by, h * 0.12, {1, 0.5, 0.2}, 0.7);
  }
  Glow(cr, x + w * 0.35, y + h * 0.5, h * 0.3, {0.4, 1, 0.6}, 0.5);
}

void Artifact(const Canvas& c, double x, double y, double r) {
  cairo_t* cr = c.cr;
  const Rgb col{0.75, 0.4, 1};
  Glow(cr, x, y, r * 1.2, col, 0.5);
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x + r * 0.35, y);
  cairo_line_to(cr, x, y + r);
  cairo_line_to(cr, x - r * 0.35, y);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x - r * 0.35, y - r, x + r * 0.35, y + r);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.85, 1);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.55, 0.2, 0.9);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.02, 0.3);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, std::max(0.6, r * 0.05));
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, x, y + (i ? r * 0.35 : -r * 0.3));
    cairo_scale(cr, r * (0.75 - i * 0.1), r * 0.18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, {0.6, 1, 0.9}, 0.85);
    cairo_stroke(cr);
  }
}

void Data(const Canvas& c, double x, double y, double r) {
  cairo_t* cr = c.cr;
  const Rgb col{0.3, 1, 0.7};
  cairo_set_line_width(cr, std::max(0.7, r * 0.06));
  for (int i = 1; i <= 3; ++i) {  // the transmission's waves
    SetColor(cr, col, 0.9 - i * 0.22);
    cairo_arc(cr, x, y, r * (0.45 + i * 0.2), -0.7, 0.7);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r * (0.45 + i * 0.2), M_PI - 0.7, M_PI + 0.7);
    cairo_stroke(cr);
  }
  const double s = r * 0.38;
  SetColor(cr, col, 0.25);
  cairo_rectangle(cr, x - s, y - s, 2 * s, 2 * s);
  cairo_fill_preserve(cr);
  SetColor(cr, col, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, x - s, y - s);
  cairo_line_to(cr, x - s * 0.5, y - s * 1.5);
  cairo_line_to(cr, x + s * 1.5, y - s * 1.5);
  cairo_line_to(cr, x + s, y - s);
  cairo_move_to(cr, x + s * 1.5, y - s * 1.5);
  cairo_line_to(cr, x + s * 1.5, y + s * 0.5);
  cairo_line_to(cr, x + s, y + s);
  cairo_stroke(cr);
  Label(cr, "01", x - s * 0.8, y + s * 0.3, s * 0.9, col, true);
}

}  // namespace

bool MatchSpaceObject(const Name& n) { return ParseObj(n.low).kind != Obj::None; }

void DrawSpaceObject(const Canvas& c, const Name& n, const std::string&) {
  const ObjName o = ParseObj(n.low);
  const double x = c.w / 2, y = c.h / 2;
  double r = c.Min() * 0.38;
  if (o.large) {
    SpaceBackdrop(c, Hash(n.low), 0.5);
    r = c.Min() * 0.3;
  }
  switch (o.kind) {
    case Obj::Lifepod: Lifepod(c, x, y, r); break;
    case Obj::Treasure: Treasure(c, x, y, r); break;
    case Obj::Ghost: Ghost(c, c.w * 0.05, c.h * 0.15, c.w * 0.9, c.h * 0.7); break;
    case Obj::Artifact: Artifact(c, x, y, r * 1.1); break;
    case Obj::Data: Data(c, x, y, r); break;
    case Obj::None: break;
  }
}

}  // namespace qm::art
