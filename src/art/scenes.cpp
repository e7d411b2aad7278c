// The pictures of the message dialogs: news, explosions, victory, a battle
// fleet, the mission briefing and the combat simulator.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Scene { News, Explosion, Victory, Fleet, Mission, Simulator, None };

Scene SceneOf(std::string_view s) {
  if (s == "news") return Scene::News;
  if (s == "explosion") return Scene::Explosion;
  if (s == "victory" || s == "victoryg") return Scene::Victory;
  if (s == "battlefleet") return Scene::Fleet;
  if (s == "generalmissionpic") return Scene::Mission;
  if (s == "ruvevid") return Scene::Simulator;
  return Scene::None;
}

void Explosion(const Canvas& c, uint32_t seed) {
  SpaceBackdrop(c, seed, 0.35);
  cairo_t* cr = c.cr;
  Rng rng(seed);
  const double x = c.w / 2, y = c.h / 2, R = c.Min() * 0.42;
  for (int i = 0; i < 14; ++i) {  // billows of burning gas
    const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0.1, 0.6) * R;
    Glow(cr, x + d * std::cos(a), y + d * std::sin(a), R * rng.Range(0.25, 0.45),
         Mix(Hex(0x801800), Hex(0xff8a20), rng.Unit()), 0.9);
  }
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_width(cr, std::max(1.0, R * 0.03));
  SetColor(cr, {0.6, 0.8, 1}, 0.5);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1, 0.3);
  cairo_arc(cr, 0, 0, R * 1.1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_stroke(cr);
  Glow(cr, x, y, R * 0.5, {1, 0.95, 0.8}, 1);
  cairo_set_line_width(cr, std::max(0.8, R * 0.015));
  for (int i = 0; i < 24; ++i) {  // debris streaks
    const double a = rng.Range(0, 2 * M_PI), d0 = R * rng.Range(0.3, 0.6), d1 = R * rng.Range(0.8, 1.4);
    SetColor(cr, {1, 0.7, 0.3}, 0.7);
    cairo_move_to(cr, x + d0 * std::cos(a), y + d0 * std::sin(a));
    cairo_line_to(cr, x + d1 * std::cos(a), y + d1 * std::sin(a));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Ships flying in a wedge: the leader ahead, wingmen behind it, the far ones smaller.
void Formation(const Canvas& c, int faction, uint32_t seed, int ships) {
  static constexpr std::array<std::string_view, 6> kStems = {"marauder", "neptun", "patton", "corsair", "shark", "paladin"};
  Rng rng(seed);
  for (int i = ships - 1; i >= 0; --i) {
    const int rank = (i + 1) / 2, side = i % 2 ? -1 : 1;
    const double s = 0.36 - 0.045 * rank;
    const double x = c.w * (0.6 - 0.14 * rank + rng.Range(-0.02, 0.02)) - c.w * s / 2;
    const double y = c.h * (0.45 + side * 0.13 * rank + rng.Range(-0.02, 0.02)) - c.h * s * 0.3;
    ShipSide(c, kStems[static_cast<size_t>(i == 0 ? 0 : 1 + rng.Int(5))], faction, x, y, c.w * s, c.h * s * 0.6);
  }
}

void Mission(const Canvas& c) {
  cairo_t* cr = c.cr;
  SetColor(cr, {0.02, 0.05, 0.07}, 1);
  cairo_paint(cr);
  const Rgb line{0.3, 0.95, 0.7};
  const double step = std::max(4.0, c.Min() / 8);
  cairo_set_line_width(cr, std::max(0.5, c.Min() / 250));
  SetColor(cr, line, 0.12);
  for (double x = 0; x < c.w; x += step) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, c.h);
  }
  for (double y = 0; y < c.h; y += step) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);
  cairo_set_line_width(cr, std::max(0.8, c.Min() / 120));
  SetColor(cr, line, 0.8);
  cairo_arc(cr, c.w * 0.3, c.h * 0.6, c.Min() * 0.2, 0, 2 * M_PI);
  cairo_stroke(cr);
  const double dash[] = {std::max(2.0, c.Min() / 30), std::max(1.0, c.Min() / 60)};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, c.w * 0.3, c.h * 0.6);
  cairo_curve_to(cr, c.w * 0.45, c.h * 0.2, c.w * 0.6, c.h * 0.25, c.w * 0.72, c.h * 0.35);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  const double tx = c.w * 0.72, ty = c.h * 0.35, tr = c.Min() * 0.1;
  SetColor(cr, ui::kAmber, 1);
  cairo_arc(cr, tx, ty, tr, 0, 2 * M_PI);
  cairo_move_to(cr, tx - tr * 1.6, ty);
  cairo_line_to(cr, tx + tr * 1.6, ty);
  cairo_move_to(cr, tx, ty - tr * 1.6);
  cairo_line_to(cr, tx, ty + tr * 1.6);
  cairo_stroke(cr);
  Glow(cr, tx, ty, tr * 0.6, ui::kAmber, 0.9);
  SetColor(cr, line, 0.6);
  for (int i = 0; i < 4; ++i) cairo_rectangle(cr, c.w * 0.6, c.h * (0.62 + i * 0.08), c.w * (0.3 - i * 0.05), c.h * 0.03);
  cairo_fill(cr);
}

void Simulator(const Canvas& c) {
  cairo_t* cr = c.cr;
  SetColor(cr, {0.02, 0.04, 0.09}, 1);
  cairo_paint(cr);
  cairo_push_group(cr);
  ShipSide(c, "shadowcat", 1, c.w * 0.05, c.h * 0.3, c.w * 0.38, c.h * 0.4);
  cairo_save(cr);
  cairo_translate(cr, c.w, 0);
  cairo_scale(cr, -1, 1);
  ShipSide(c, "hellcat", 0, c.w * 0.05, c.h * 0.3, c.w * 0.38, c.h * 0.4);
  cairo_restore(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.8);
  // a hologram's scan lines
  cairo_set_line_width(cr, std::max(0.5, c.h / 150));
  SetColor(cr, ui::kCyan, 0.18);
  for (double y = 0; y < c.h; y += std::max(2.0, c.h / 60)) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);
  Caption(cr, "SIMULATION", 0, c.h * 0.04, c.w, c.h * 0.16, ui::kCyan, c.h * 0.12);
}

void News(const Canvas& c) {
  cairo_t* cr = c.cr;
  SpaceBackdrop(c, Hash("news"), 0.3);
  PlanetDisc(c, "earth1", c.w * 0.3, c.h * 0.55, c.Min() * 0.32);
  const double x = c.w * 0.58, w = c.w * 0.36;
  Panel(cr, x, c.h * 0.12, w, c.h * 0.76, {0.05, 0.08, 0.14}, ui::kCyan, c.Min() * 0.04);
  Caption(cr, "NEWS", x, c.h * 0.15, w, c.h * 0.16, {1, 0.85, 0.4}, c.h * 0.12);
  SetColor(cr, ui::kInk, 0.6);
  for (int i = 0; i < 5; ++i) cairo_rectangle(cr, x + w * 0.1, c.h * (0.38 + i * 0.09), w * (0.8 - (i % 2) * 0.2), c.h * 0.035);
  cairo_fill(cr);
}

}  // namespace

bool MatchScene(const Name& n) { return SceneOf(n.low) != Scene::None; }

void DrawScene(const Canvas& c, const Name& n, const std::string&) {
  const uint32_t seed = Hash(n.low);
  switch (SceneOf(n.low)) {
    case Scene::News: News(c); break;
    case Scene::Explosion: Explosion(c, seed); break;
    case Scene::Victory:
      SpaceBackdrop(c, seed, 0.6);
      PlanetDisc(c, "earth2", c.w * 0.75, c.h * 0.85, c.Min() * 0.5);
      Glow(c.cr, c.w * 0.2, c.h * 0.2, c.Min() * 0.5, {1, 0.85, 0.5}, 0.5);
      Formation(c, 1, seed, 5);
      if (EndsWith(n.low, "g")) {  // the war not won: the same picture in grey
        cairo_set_operator(c.cr, CAIRO_OPERATOR_HSL_SATURATION);
        SetColor(c.cr, {0.5, 0.5, 0.5}, 1);
        cairo_paint(c.cr);
      }
      break;
    case Scene::Fleet:
      SpaceBackdrop(c, seed, 0.5);
      Formation(c, 0, seed, 7);
      break;
    case Scene::Mission: Mission(c); break;
    case Scene::Simulator: Simulator(c); break;
    case Scene::None: break;
  }
}

}  // namespace qm::art
