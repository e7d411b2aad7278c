// Icons: the ability buttons ("Skill_Cloak_on", "_off"), the effect icons
// ("Skill_EMP_ActiveMod"), the equipment items ("Equipment_Laser") and the
// equipment category buttons ("equipment_gun_selected"). The glyph follows
// keywords of the name; learned/usable icons glow, the others are dimmed.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Glyph { Gun, Missile, Ecm, Beam, Lock, Calm, Speed, Taunt, Flee, Tractor, Cloak, Emp, Recharge, Shield,
                   Evade, Fleet, Coin, Cargo, Law, Star, Mask, Gear, Engine, Cross, Shuttle };

struct Keyword {
  std::string_view word;
  Glyph glyph;
};

// First match wins, so the more specific words come first.
constexpr Keyword kKeywords[] = {
    {"missile", Glyph::Missile},    {"missle", Glyph::Missile},    {"zeus", Glyph::Missile},          {"mine", Glyph::Missile},
    {"destroyer", Glyph::Missile},  {"tractor", Glyph::Tractor},       {"focus_beam", Glyph::Beam},
    {"focusedshield", Glyph::Shield}, {"shieldboost", Glyph::Shield},  {"shieldunit", Glyph::Shield},
    {"reflect", Glyph::Shield},     {"deflect", Glyph::Shield},        {"sacrifice", Glyph::Shield},
    {"shield", Glyph::Shield},      {"ecm", Glyph::Ecm},               {"radio", Glyph::Ecm},
    {"defender", Glyph::Ecm},       {"supersafe", Glyph::Ecm},         {"gun", Glyph::Gun},
    {"ambush", Glyph::Gun},         {"mutilate", Glyph::Gun},          {"laser", Glyph::Gun},
    {"fusion", Glyph::Gun},         {"particle", Glyph::Gun},          {"quantum", Glyph::Gun},
    {"leech", Glyph::Gun},          {"disruptor", Glyph::Gun},         {"gatling", Glyph::Gun},
    {"lock", Glyph::Lock},          {"mark", Glyph::Lock},             {"tracking", Glyph::Lock},
    {"bounty", Glyph::Lock},        {"takedown", Glyph::Lock},         {"discipline", Glyph::Calm},
    {"calm", Glyph::Calm},          {"rush", Glyph::Speed},            {"rage", Glyph::Speed},
    {"taunt", Glyph::Taunt},        {"flee", Glyph::Flee},             {"cloak", Glyph::Cloak},
    {"disguise", Glyph::Cloak},     {"spy", Glyph::Cloak},             {"emp", Glyph::Emp},
    {"disturb", Glyph::Emp},        {"recharge", Glyph::Recharge},     {"evading", Glyph::Evade},
    {"reinforcement", Glyph::Fleet}, {"sos", Glyph::Fleet},            {"patrol", Glyph::Fleet},
    {"trader", Glyph::Coin},        {"cargo", Glyph::Cargo},           {"criminal", Glyph::Law},
    {"hospital", Glyph::Cross},
};

constexpr Keyword kMoreKeywords[] = {
    {"connections", Glyph::Coin}, {"tycoon", Glyph::Coin},    {"rewards", Glyph::Coin},
    {"cleanrecord", Glyph::Law},  {"amnesty", Glyph::Law},    {"streetwise", Glyph::Law},
    {"rumors", Glyph::Star},      {"legendary", Glyph::Star}, {"syndicate", Glyph::Mask},
    {"traitor", Glyph::Mask},     {"hacker", Glyph::Mask},    {"shipspecial", Glyph::Gear},
    {"traveller", Glyph::Engine}, {"raiding", Glyph::Shuttle},  {"misc", Glyph::Gear},
};

Glyph GlyphOf(std::string_view s, uint32_t seed) {
  for (const Keyword& k : kKeywords)
    if (Contains(s, k.word)) return k.glyph;
  for (const Keyword& k : kMoreKeywords)
    if (Contains(s, k.word)) return k.glyph;
  if (Contains(s, "hellfire") || Contains(s, "tachyon") || Contains(s, "engine")) return Glyph::Engine;
  if (Contains(s, "quicklock") || Contains(s, "targeting")) return Glyph::Lock;
  return static_cast<Glyph>(seed % 25);
}

// The glyph in a box of half-size r around (x, y).
void DrawGlyph(cairo_t* cr, Glyph g, double x, double y, double r, Rgb col) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, r, r);
  cairo_set_line_width(cr, 0.13);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, col, 1);
  auto fill = [&] { cairo_fill(cr); };
  auto stroke = [&] { cairo_stroke(cr); };
  switch (g) {
    case Glyph::Gun:
      cairo_rectangle(cr, -0.8, -0.2, 0.9, 0.4);
      cairo_rectangle(cr, -0.6, 0.15, 0.3, 0.45);
      fill();
      for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, 0.3, i * 0.3);
        cairo_line_to(cr, 0.85, i * 0.45);
      }
      stroke();
      break;
    case Glyph::Missile:
      cairo_move_to(cr, -0.75, -0.18);
      cairo_line_to(cr, 0.45, -0.18);
      cairo_line_to(cr, 0.85, 0);
      cairo_line_to(cr, 0.45, 0.18);
      cairo_line_to(cr, -0.75, 0.18);
      cairo_close_path(cr);
      cairo_move_to(cr, -0.75, -0.18);
      cairo_line_to(cr, -0.95, -0.5);
      cairo_line_to(cr, -0.45, -0.18);
      cairo_move_to(cr, -0.75, 0.18);
      cairo_line_to(cr, -0.95, 0.5);
      cairo_line_to(cr, -0.45, 0.18);
      fill();
      break;
    case Glyph::Ecm:
      cairo_arc(cr, -0.5, 0.3, 0.15, 0, 2 * M_PI);
      fill();
      for (int i = 1; i <= 3; ++i) {
        cairo_arc(cr, -0.5, 0.3, 0.3 * i, -1.3, 0.2);
        stroke();
      }
      break;
    case Glyph::Beam:
      for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, -0.85, i * 0.3);
        cairo_line_to(cr, 0.5, 0);
      }
      stroke();
      cairo_arc(cr, 0.6, 0, 0.22, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Lock:
      cairo_arc(cr, 0, 0, 0.6, 0, 2 * M_PI);
      stroke();
      cairo_move_to(cr, -0.95, 0);
      cairo_line_to(cr, -0.3, 0);
      cairo_move_to(cr, 0.3, 0);
      cairo_line_to(cr, 0.95, 0);
      cairo_move_to(cr, 0, -0.95);
      cairo_line_to(cr, 0, -0.3);
      cairo_move_to(cr, 0, 0.3);
      cairo_line_to(cr, 0, 0.95);
      stroke();
      break;
    case Glyph::Calm:
      cairo_arc(cr, 0, 0, 0.75, 0, 2 * M_PI);
      stroke();
      cairo_arc(cr, 0, 0, 0.22, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Speed:
    case Glyph::Emp:
      if (g == Glyph::Emp) {
        cairo_arc(cr, 0, 0, 0.85, 0, 2 * M_PI);
        stroke();
      }
      cairo_move_to(cr, 0.15, -0.9);
      cairo_line_to(cr, -0.4, 0.1);
      cairo_line_to(cr, 0.0, 0.1);
      cairo_line_to(cr, -0.15, 0.9);
      cairo_line_to(cr, 0.45, -0.15);
      cairo_line_to(cr, 0.05, -0.15);
      cairo_close_path(cr);
      fill();
      break;
    case Glyph::Taunt:
      RoundedRect(cr, -0.85, -0.7, 1.7, 1.1, 0.3);
      stroke();
      cairo_move_to(cr, -0.3, 0.4);
      cairo_line_to(cr, -0.5, 0.85);
      cairo_line_to(cr, 0.05, 0.4);
      stroke();
      cairo_rectangle(cr, -0.07, -0.5, 0.14, 0.45);
      cairo_arc(cr, 0, 0.12, 0.08, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Flee:
      cairo_move_to(cr, -0.8, 0.6);
      cairo_curve_to(cr, -0.2, 0.6, 0.1, -0.2, 0.55, -0.45);
      stroke();
      cairo_move_to(cr, 0.85, -0.65);
      cairo_line_to(cr, 0.3, -0.75);
      cairo_line_to(cr, 0.6, -0.2);
      cairo_close_path(cr);
      fill();
      break;
    case Glyph::Tractor:
      cairo_move_to(cr, -0.8, -0.15);
      cairo_line_to(cr, 0.8, -0.7);
      cairo_line_to(cr, 0.8, 0.7);
      cairo_line_to(cr, -0.8, 0.15);
      cairo_close_path(cr);
      SetColor(cr, col, 0.35);
      fill();
      SetColor(cr, col, 1);
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, -0.2 + i * 0.35, 0, 0.18 + i * 0.12, -0.9, 0.9);
        stroke();
      }
      break;
    case Glyph::Cloak:
      cairo_move_to(cr, -0.9, 0);
      cairo_curve_to(cr, -0.4, -0.6, 0.4, -0.6, 0.9, 0);
      cairo_curve_to(cr, 0.4, 0.6, -0.4, 0.6, -0.9, 0);
      stroke();
      cairo_arc(cr, 0, 0, 0.2, 0, 2 * M_PI);
      fill();
      cairo_move_to(cr, -0.7, 0.7);
      cairo_line_to(cr, 0.7, -0.7);
      stroke();
      break;
    case Glyph::Recharge:
      cairo_arc(cr, 0, 0, 0.65, 0.3, 2 * M_PI - 0.6);
      stroke();
      cairo_move_to(cr, 0.75, -0.65);
      cairo_line_to(cr, 0.75, -0.1);
      cairo_line_to(cr, 0.25, -0.3);
      cairo_close_path(cr);
      fill();
      break;
    case Glyph::Shield:
      cairo_move_to(cr, 0, -0.9);
      cairo_curve_to(cr, 0.35, -0.7, 0.6, -0.7, 0.75, -0.7);
      cairo_curve_to(cr, 0.75, 0.1, 0.5, 0.6, 0, 0.92);
      cairo_curve_to(cr, -0.5, 0.6, -0.75, 0.1, -0.75, -0.7);
      cairo_curve_to(cr, -0.6, -0.7, -0.35, -0.7, 0, -0.9);
      cairo_close_path(cr);
      SetColor(cr, col, 0.35);
      cairo_fill_preserve(cr);
      SetColor(cr, col, 1);
      stroke();
      break;
    case Glyph::Evade:
      cairo_move_to(cr, -0.8, 0.7);
      cairo_curve_to(cr, -0.8, -0.2, 0.8, 0.2, 0.6, -0.6);
      stroke();
      cairo_arc(cr, -0.3, -0.5, 0.15, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Fleet:
      for (int i = 0; i < 3; ++i) {
        const double ox = i == 1 ? 0.3 : -0.3, oy = (i - 1) * 0.55;
        cairo_move_to(cr, ox + 0.5, oy);
        cairo_line_to(cr, ox - 0.4, oy - 0.25);
        cairo_line_to(cr, ox - 0.25, oy);
        cairo_line_to(cr, ox - 0.4, oy + 0.25);
        cairo_close_path(cr);
      }
      fill();
      break;
    case Glyph::Coin:
      cairo_arc(cr, 0, 0, 0.8, 0, 2 * M_PI);
      stroke();
      cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
      cairo_set_font_size(cr, 1.1);
      cairo_move_to(cr, -0.33, 0.4);
      cairo_show_text(cr, "$");
      break;
    case Glyph::Cargo:
      cairo_rectangle(cr, -0.75, -0.55, 1.5, 1.2);
      stroke();
      cairo_move_to(cr, -0.75, -0.55);
      cairo_line_to(cr, 0.75, 0.65);
      cairo_move_to(cr, 0.75, -0.55);
      cairo_line_to(cr, -0.75, 0.65);
      stroke();
      break;
    case Glyph::Law:
      cairo_move_to(cr, 0, -0.8);
      cairo_line_to(cr, 0, 0.75);
      cairo_move_to(cr, -0.6, 0.75);
      cairo_line_to(cr, 0.6, 0.75);
      cairo_move_to(cr, -0.75, -0.5);
      cairo_line_to(cr, 0.75, -0.5);
      stroke();
      cairo_arc(cr, -0.6, 0, 0.28, 0, M_PI);
      cairo_arc(cr, 0.6, 0, 0.28, 0, M_PI);
      fill();
      break;
    case Glyph::Star:
      StarPath(cr, 0, 0.05, 0.9, 0.38, 5);
      fill();
      break;
    case Glyph::Mask:
      cairo_move_to(cr, -0.9, -0.3);
      cairo_curve_to(cr, -0.5, -0.5, 0.5, -0.5, 0.9, -0.3);
      cairo_curve_to(cr, 0.8, 0.4, 0.2, 0.3, 0, 0.1);
      cairo_curve_to(cr, -0.2, 0.3, -0.8, 0.4, -0.9, -0.3);
      fill();
      SetColor(cr, {0, 0, 0}, 0.8);
      cairo_arc(cr, -0.4, -0.12, 0.14, 0, 2 * M_PI);
      cairo_arc(cr, 0.4, -0.12, 0.14, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Gear:
      StarPath(cr, 0, 0, 0.85, 0.6, 8);
      fill();
      SetColor(cr, {0, 0, 0}, 0.7);
      cairo_arc(cr, 0, 0, 0.28, 0, 2 * M_PI);
      fill();
      break;
    case Glyph::Engine:
      cairo_move_to(cr, -0.2, -0.5);
      cairo_line_to(cr, 0.8, -0.35);
      cairo_line_to(cr, 0.8, 0.35);
      cairo_line_to(cr, -0.2, 0.5);
      cairo_close_path(cr);
      fill();
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -0.35 - i * 0.2, -0.3 + i * 0.3);
        cairo_line_to(cr, -0.9, -0.3 + i * 0.3);
      }
      stroke();
      break;
    case Glyph::Cross:
      cairo_rectangle(cr, -0.22, -0.75, 0.44, 1.5);
      cairo_rectangle(cr, -0.75, -0.22, 1.5, 0.44);
      fill();
      break;
    case Glyph::Shuttle:
      cairo_move_to(cr, 0.85, 0.1);
      cairo_line_to(cr, 0.2, -0.45);
      cairo_line_to(cr, -0.8, -0.35);
      cairo_line_to(cr, -0.8, 0.45);
      cairo_line_to(cr, 0.5, 0.45);
      cairo_close_path(cr);
      fill();
      break;
  }
  cairo_restore(cr);
}

enum class State { On, Off, Active, Hover, Selected };

// A hue for each glyph family so the ability bar reads at a glance.
Rgb GlyphColor(Glyph g) {
  switch (g) {
    case Glyph::Gun: case Glyph::Beam: case Glyph::Speed: return Hex(0xff7050);
    case Glyph::Missile: return Hex(0xffa040);
    case Glyph::Shield: case Glyph::Recharge: case Glyph::Calm: return Hex(0x50d0ff);
    case Glyph::Ecm: case Glyph::Lock: case Glyph::Tractor: return Hex(0x70ff90);
    case Glyph::Cloak: case Glyph::Emp: case Glyph::Mask: case Glyph::Taunt: return Hex(0xc080ff);
    case Glyph::Coin: case Glyph::Star: case Glyph::Cargo: return Hex(0xffd860);
    default: return Hex(0x9ad0ff);
  }
}

void IconTile(const Canvas& c, Glyph g, State st, bool advanced, int level, const std::string& caption) {
  cairo_t* cr = c.cr;
  const Rgb col = GlyphColor(g);
  const double m = std::max(0.5, c.Min() * 0.05);
  const bool lit = st != State::Off;
  if (st == State::Active) {  // the effect icon: a round badge
    const double r = c.Min() / 2 - m;
    Glow(cr, c.w / 2, c.h / 2, r * 1.1, col, 0.5);
    cairo_arc(cr, c.w / 2, c.h / 2, r * 0.85, 0, 2 * M_PI);
    SetColor(cr, Mix(ui::kDeep, col, 0.25), 1);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(1.0, r * 0.12));
    SetColor(cr, col, 1);
    cairo_stroke(cr);
    DrawGlyph(cr, g, c.w / 2, c.h / 2, r * 0.5, Mix(col, {1, 1, 1}, 0.4));
    return;
  }
  const Rgb face = lit ? Mix(ui::kSteel, col, 0.22) : Rgb{0.08, 0.085, 0.1};
  // hover glows in the interface's highlight colour, a selected item in amber
  const Rgb edge = st == State::Hover      ? Mix(ui::kCyan, {1, 1, 1}, 0.5)
                   : st == State::Selected ? ui::kAmber
                   : lit                   ? col
                                           : Rgb{0.25, 0.27, 0.3};
  Panel(cr, m, m, c.w - 2 * m, c.h - 2 * m, face, edge, c.Min() * 0.16);
  if (st == State::Hover) Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.55, ui::kCyan, 0.35);
  if (st == State::Selected) Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.55, ui::kAmber, 0.3);
  const double gy = caption.empty() ? c.h / 2 : c.h * 0.4;
  const double gr = caption.empty() ? c.Min() * 0.3 : c.Min() * 0.24;
  if (lit) Glow(cr, c.w / 2, gy, gr * 1.4, col, 0.3);
  DrawGlyph(cr, g, c.w / 2, gy, gr, lit ? Mix(col, {1, 1, 1}, 0.25) : Rgb{0.3, 0.32, 0.36});
  if (advanced) {  // a gold corner mark for the advanced abilities
    const double s = c.Min() * 0.22;
    cairo_move_to(cr, c.w - m, m);
    cairo_line_to(cr, c.w - m - s, m);
    cairo_line_to(cr, c.w - m, m + s);
    cairo_close_path(cr);
    SetColor(cr, lit ? Rgb{0.95, 0.76, 0.28} : Rgb{0.4, 0.36, 0.25}, 1);
    cairo_fill(cr);
  }
  if (level >= 2) Caption(cr, level == 2 ? "II" : "III", c.w * 0.05, c.h * 0.66, c.w * 0.4, c.h * 0.3,
                          lit ? ui::kInk : Rgb{0.4, 0.42, 0.45}, c.h * 0.3);
  if (!caption.empty())
    Caption(cr, caption, m, c.h * 0.68, c.w - 2 * m, c.h * 0.28, lit ? ui::kInk : Rgb{0.5, 0.52, 0.55}, c.h * 0.2);
}

}  // namespace

// "Misc" is the picture of the equipment items without one of their own.
bool MatchIcon(const Name& n) {
  return StartsWith(n.low, "skill_") || StartsWith(n.low, "equipment_") || n.low == "misc";
}

void DrawIcon(const Canvas& c, const Name& n, const std::string& caption) {
  std::string_view s = n.low;
  State st = State::On;
  struct Suffix {
    std::string_view text;
    State state;
  };
  static constexpr std::array<Suffix, 6> kStates = {{{"_on", State::On},
                                                     {"_off", State::Off},
                                                     {"_activemod", State::Active},
                                                     {"_normal", State::On},
                                                     {"_selected", State::Selected},
                                                     {"_mouseover", State::Hover}}};
  for (const Suffix& x : kStates) {
    if (EndsWith(s, x.text)) {
      st = x.state;
      s.remove_suffix(x.text.size());
      break;
    }
  }
  const Glyph g = GlyphOf(s, Hash(s));
  const bool advanced = EndsWith(s, "adv");
  const int level = std::clamp(TrailingNumber(s, 1), 1, 3);
  const bool item = (StartsWith(n.low, "equipment_") && st == State::On && !EndsWith(n.low, "_normal")) || n.low == "misc";
  if (item) {
    // an equipment item: the part on a dark display
    SetColor(c.cr, ui::kDeep, 1);
    cairo_paint(c.cr);
    Glow(c.cr, c.w / 2, c.h / 2, c.Min() * 0.6, GlyphColor(g), 0.25);
    DrawGlyph(c.cr, g, c.w / 2, c.h / 2, c.Min() * 0.38, Mix(GlyphColor(g), {1, 1, 1}, 0.3));
    return;
  }
  IconTile(c, g, st, advanced, level, caption);
}

}  // namespace qm::art
