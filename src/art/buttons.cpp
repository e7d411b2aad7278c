// Screen items named screen prefix + two-digit number, with their variants:
// "StartScreen_06" / "StartScreen_06_Highlighted", toggles "GameSettings_02" /
// "GameSettingsMouseOver_02" / "GameSettingsON_02" / "GameSettingsON+_02",
// list entries "Mission-Screen_25" / "Mission-ScreenH_25", and the boarding
// screen's areas. Small items are buttons with their caption; large ones are
// the screen's backdrop or panel. Every other name ends here too.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Look { Normal, Hover, On, OnHover };

struct Item {
  std::string identity;  // prefix and number without the variant: the same look for every state
  std::string prefix;    // lower case, variant removed
  int number = -1;
  Look look = Look::Normal;
};

bool IsUpper(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char ch) { return !std::islower(static_cast<unsigned char>(ch)); });
}

Item ParseItem(const Name& n) {
  Item it;
  std::string stem = n.stem;
  std::string low = n.low;
  auto cut = [&](size_t count) {
    stem.resize(stem.size() - count);
    low.resize(low.size() - count);
  };
  bool hover = false, on = false;
  // variant words after the number
  struct Tail {
    std::string_view text;
    bool hover, on;
  };
  static constexpr Tail kTails[] = {{"_highlighted", true, false}, {"_mouseover", true, false}, {"_over", true, false},
                                    {"_selected", false, true},    {"_normal", false, false},   {"_h", true, false},
                                    {"_on", false, true},          {"_off", false, false}};
  for (const Tail& t : kTails) {
    if (EndsWith(low, t.text)) {
      cut(t.text.size());
      hover = t.hover;
      on = t.on;
      break;
    }
  }
  // the number
  size_t digits = low.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(low[digits - 1]))) --digits;
  if (digits < low.size() && digits > 0 && low[digits - 1] == '_') {
    it.number = TrailingNumber(low, 0);
    cut(low.size() - digits + 1);
  }
  // variant words glued to the prefix, written in capitals or camel case
  struct Glued {
    std::string_view text;
    bool hover, on;
    bool needsUpper;
  };
  static constexpr Glued kGlued[] = {{"on+", true, true, true},     {"mouseover", true, false, false},
                                     {"highlight", true, false, false}, {"on", false, true, true},
                                     {"h", true, false, true}};
  for (const Glued& g : kGlued) {
    if (!EndsWith(low, g.text) || low.size() == g.text.size()) continue;
    const std::string_view orig = std::string_view(stem).substr(stem.size() - g.text.size());
    if (g.needsUpper && !IsUpper(orig)) continue;
    cut(g.text.size());
    hover = hover || g.hover;
    on = on || g.on;
    break;
  }
  it.prefix = low;
  it.identity = low + "#" + std::to_string(it.number);
  it.look = on ? (hover ? Look::OnHover : Look::On) : (hover ? Look::Hover : Look::Normal);
  return it;
}

constexpr double kIconButton = 64;  // canvas width up to which a caption-less button is an icon

// A clickable item: glassy plate, state-coloured edge, caption or ornament.
void Button(const Canvas& c, const Item& it, const std::string& caption) {
  cairo_t* cr = c.cr;
  const bool hover = it.look == Look::Hover || it.look == Look::OnHover;
  const bool on = it.look == Look::On || it.look == Look::OnHover;
  const Rgb accent = on ? ui::kAmber : ui::kCyan;
  const double m = std::max(1.0, c.Min() * 0.08), r = c.Min() * 0.28;
  // the margin around the plate stays clear, so a button sits on its screen
  // without a dark box behind it
  if (hover) {
    cairo_save(cr);
    RoundedRect(cr, m * 0.4, m * 0.4, c.w - m * 0.8, c.h - m * 0.8, r);
    cairo_set_line_width(cr, m * 1.2);
    SetColor(cr, accent, 0.35);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  const Rgb face = hover ? Mix(ui::kSteel, accent, 0.28) : on ? Mix(ui::kSteel, accent, 0.16) : ui::kSteel;
  const Rgb edge = hover ? Mix(accent, {1, 1, 1}, 0.35) : on ? accent : Mix(ui::kSteel, ui::kCyan, 0.45);
  Panel(cr, m, m, c.w - 2 * m, c.h - 2 * m, face, edge, r);
  // small tech notches at both ends of a wide button
  if (c.w > c.h * 2.5) {
    const double nh = c.h * 0.34, nw = std::max(1.0, c.h * 0.06);
    SetColor(cr, edge, hover ? 0.95 : 0.6);
    cairo_rectangle(cr, m * 1.9, (c.h - nh) / 2, nw, nh);
    cairo_rectangle(cr, c.w - m * 1.9 - nw, (c.h - nh) / 2, nw, nh);
    cairo_fill(cr);
  }
  // an indicator lamp on the left for switches; a notch ornament otherwise
  const double lampR = std::min(c.h * 0.16, c.w * 0.06);
  double textX = m * 2, textW = c.w - m * 4;
  if (on || it.look == Look::Normal || hover) {
    const bool toggle = on || Contains(it.prefix, "settings") || Contains(it.prefix, "cheat");
    if (toggle && c.w > c.h * 2) {
      const double lx = m + lampR * 2.2, ly = c.h / 2;
      cairo_arc(cr, lx, ly, lampR, 0, 2 * M_PI);
      SetColor(cr, on ? ui::kAmber : Rgb{0.15, 0.17, 0.2}, 1);
      cairo_fill(cr);
      if (on) Glow(cr, lx, ly, lampR * 2.5, ui::kAmber, 0.6);
      textX = lx + lampR * 2;
      textW = c.w - textX - m * 2;
    }
  }
  if (!caption.empty()) {
    const Rgb ink = hover ? Rgb{1, 1, 1} : on ? Mix(ui::kInk, ui::kAmber, 0.35) : ui::kInk;
    Caption(cr, caption, textX, m, textW, c.h - 2 * m, ink, std::max(6.0, c.h * 0.5));
  } else if (c.w / c.scale <= kIconButton) {
    // no caption on a small item: a chevron mark, so it still reads as clickable
    // (a wide one has its caption written over it by the screen)
    const double s = c.Min() * 0.18;
    cairo_set_line_width(cr, std::max(1.0, s * 0.35));
    SetColor(cr, edge, hover ? 1 : 0.7);
    cairo_move_to(cr, c.w / 2 - s * 0.4, c.h / 2 - s);
    cairo_line_to(cr, c.w / 2 + s * 0.5, c.h / 2);
    cairo_line_to(cr, c.w / 2 - s * 0.4, c.h / 2 + s);
    cairo_stroke(cr);
  }
}

// A screen's backdrop or a large panel: deep space behind a framed console.
void Backdrop(const Canvas& c, const Item& it, const std::string& caption) {
  cairo_t* cr = c.cr;
  const uint32_t seed = Hash(it.identity);
  const bool dialog = StartsWith(it.prefix, "message") || Contains(it.prefix, "klein");
  SpaceBackdrop(c, seed, dialog ? 0.35 : 0.75);
  Rng rng(seed ^ 0xBAC4u);
  // the title screens show a world in the distance; working screens keep a quiet sky
  static constexpr std::string_view kTitleScreens[] = {"start", "credit", "highscore", "retire", "intro", "title"};
  bool title = false;
  for (std::string_view t : kTitleScreens) title = title || Contains(it.prefix, t);
  // (a banner across a title screen keeps its sky clear for the words over it)
  if (title && c.w / c.scale >= 300 && c.h / c.scale >= 200) {
    static constexpr std::array<std::string_view, 8> kWorlds = {"earth5", "jupiter", "red6",  "ice1",
                                                                "toxic2", "ocean1",  "dark5", "desert3"};
    const double r = c.Min() * rng.Range(0.22, 0.38);
    PlanetDisc(c, kWorlds[static_cast<size_t>(rng.Int(8))], c.w * (rng.Chance(0.5) ? 0.85 : 0.15),
               c.h * rng.Range(0.7, 0.95), r);
  }
  // the console frame
  const double m = std::max(2.0, c.Min() * 0.02), r = c.Min() * 0.04;
  cairo_set_line_width(cr, std::max(1.0, c.Min() * 0.006));
  RoundedRect(cr, m, m, c.w - 2 * m, c.h - 2 * m, r);
  SetColor(cr, Mix(ui::kCyan, ui::kSteel, 0.4), 0.8);
  cairo_stroke(cr);
  if (dialog) {
    RoundedRect(cr, m * 2, m * 2, c.w - 4 * m, c.h - 4 * m, r);
    SetColor(cr, {0.03, 0.05, 0.1}, 0.55);
    cairo_fill(cr);
  }
  // corner brackets, on the frame itself: the screen's content starts just
  // inside the frame and must never run into them
  const double len = c.Min() * 0.06;
  cairo_set_line_width(cr, std::max(1.5, c.Min() * 0.006));
  SetColor(cr, ui::kCyan, 0.9);
  for (int k = 0; k < 4; ++k) {
    const double x = k % 2 ? c.w - m : m, y = k / 2 ? c.h - m : m;
    cairo_move_to(cr, x + (k % 2 ? -len : len), y);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x, y + (k / 2 ? -len : len));
  }
  cairo_stroke(cr);
  if (caption.empty()) return;
  // a title strip
  const double th = std::min(28.0 * c.Min() / 300, c.h * 0.08);
  cairo_pattern_t* g = cairo_pattern_create_linear(m * 3, 0, c.w * 0.7, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, ui::kCyan.r, ui::kCyan.g, ui::kCyan.b, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 1, ui::kCyan.r, ui::kCyan.g, ui::kCyan.b, 0);
  cairo_rectangle(cr, m * 3, m * 3, c.w * 0.7, th);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  Caption(cr, caption, m * 3, m * 3, c.w * 0.7, th, ui::kInk, th * 0.8);
}

void BoardingArea(const Canvas& c, const Name& n, const std::string& caption) {
  cairo_t* cr = c.cr;
  const Rgb tint = Contains(n.low, "_red_") ? Hex(0xd04030) : Contains(n.low, "_blue_") ? Hex(0x3a80e0) : Hex(0x707880);
  const bool hover = EndsWith(n.low, "_mouseover");
  Panel(cr, 0, 0, c.w, c.h, Mix({0.06, 0.07, 0.09}, tint, 0.25), hover ? Mix(tint, {1, 1, 1}, 0.5) : tint,
        c.Min() * 0.08);
  // deck plating
  cairo_set_line_width(cr, std::max(0.5, c.Min() * 0.01));
  SetColor(cr, tint, 0.25);
  const double step = std::max(4.0, c.Min() / 6);
  for (double x = step; x < c.w; x += step) {
    cairo_move_to(cr, x, c.h * 0.1);
    cairo_line_to(cr, x, c.h * 0.9);
  }
  cairo_stroke(cr);
  if (hover) Glow(cr, c.w / 2, c.h / 2, c.Min() * 0.6, tint, 0.3);
  if (!caption.empty()) Caption(cr, caption, 0, c.h * 0.35, c.w, c.h * 0.3, ui::kInk, c.h * 0.2);
}

bool LooksLikeButton(const Canvas& c, const std::string& caption) {
  // judged at the canvas size, so a button stays a button in a larger window
  const double w = c.w / c.scale, h = c.h / c.scale;
  return !caption.empty() ? h <= 90 : (h <= 64 && w <= 420);
}

}  // namespace

bool MatchButton(const Name& n) {
  if (StartsWith(n.low, "crewcombat_")) return true;
  return ParseItem(n).number >= 0;
}

void DrawButton(const Canvas& c, const Name& n, const std::string& caption) {
  if (StartsWith(n.low, "crewcombat_")) {
    BoardingArea(c, n, caption);
    return;
  }
  const Item it = ParseItem(n);
  if (LooksLikeButton(c, caption))
    Button(c, it, caption);
  else
    Backdrop(c, it, caption);
}

void DrawFallback(const Canvas& c, const Name& n, const std::string& caption) { DrawButton(c, n, caption); }

}  // namespace qm::art
