// A ship seen from the side in its faction's livery, nose to the right:
// hull, decks, wings, turrets, engines and the livery's markings.
#include <algorithm>
#include <cmath>

#include "art/families.h"
#include "art/ship_shape.h"
#include "art/ship_side.h"

namespace qm::art {

SideFrame FitSide(const ShipShape& s, double x, double y, double w, double h) {
  SideFrame f;
  f.L = std::min(w, h * s.aspect);
  f.H = f.L / s.aspect;
  f.x0 = x + (w - f.L) / 2;
  f.y0 = y + (h - f.H) / 2;
  return f;
}

namespace {

// A closed outline through the points with softly rounded corners.
void RoundedOutline(cairo_t* cr, const std::vector<HullPoint>& pts, const SideFrame& f, double round) {
  const size_t n = pts.size();
  if (n < 3) return;
  auto mid = [&](size_t a, size_t b, double t) {
    return HullPoint{pts[a].u + (pts[b].u - pts[a].u) * t, pts[a].v + (pts[b].v - pts[a].v) * t};
  };
  for (size_t i = 0; i < n; ++i) {
    const size_t prev = (i + n - 1) % n, next = (i + 1) % n;
    const HullPoint a = mid(i, prev, round), b = mid(i, next, round);
    if (i == 0)
      f.Move(cr, a.u, a.v);
    else
      f.Line(cr, a.u, a.v);
    cairo_curve_to(cr, f.X(pts[i].u), f.Y(pts[i].v), f.X(pts[i].u), f.Y(pts[i].v), f.X(b.u), f.Y(b.v));
  }
  cairo_close_path(cr);
}

}  // namespace

void SideHullPath(cairo_t* cr, const ShipShape& s, const SideFrame& f) {
  std::vector<HullPoint> pts = s.top;
  for (auto it = s.bottom.rbegin(); it != s.bottom.rend(); ++it) {
    if (it == s.bottom.rbegin() && !pts.empty() && std::fabs(it->u - pts.back().u) < 1e-6 &&
        std::fabs(it->v - pts.back().v) < 1e-6)
      continue;
    pts.push_back(*it);
  }
  RoundedOutline(cr, pts, f, 0.22);
}

void DeckPath(cairo_t* cr, const ShipShape& s, const SideFrame& f) {
  double lift = 0;
  for (const Deck& d : s.decks) {
    const double b0 = s.TopAt(d.from) + 0.01, b1 = s.TopAt(d.to) + 0.01;
    const double top = std::min(b0, b1) - d.height - lift * 0.5;
    f.Move(cr, d.from, b0);
    f.Line(cr, d.from + 0.03, top);
    f.Line(cr, d.to - 0.02, top);
    f.Line(cr, d.to + 0.04, b1);
    cairo_close_path(cr);
    lift += d.height;
  }
}

namespace {

void Markings(cairo_t* cr, const ShipShape& s, const SideFrame& f, int faction, const Livery& lv) {
  const double nb = 1 - s.noseLen;
  const double mid = (s.TopAt(0.45) + s.BottomAt(0.45)) / 2;
  switch (faction) {
    case 0: {  // pirates: a painted maw at the nose and red slashes
      const double nu = 0.9, nm = (s.TopAt(nu) + s.BottomAt(nu)) / 2 + 0.02;
      const double half = (s.BottomAt(nu) - s.TopAt(nu)) * 0.35;
      SetColor(cr, {0.95, 0.92, 0.85}, 0.95);
      f.Move(cr, nu - 0.12, nm);
      for (int i = 0; i < 5; ++i) {
        const double u = nu - 0.12 + i * 0.025;
        f.Line(cr, u + 0.0125, nm + (i % 2 ? -half : half));
        f.Line(cr, u + 0.025, nm);
      }
      cairo_close_path(cr);
      cairo_fill(cr);
      SetColor(cr, lv.accent, 0.85);
      for (int i = 0; i < 3; ++i) {
        const double u = 0.2 + i * 0.09;
        f.Move(cr, u, -0.5);
        f.Line(cr, u + 0.04, -0.5);
        f.Line(cr, u - 0.04, 0.5);
        f.Line(cr, u - 0.08, 0.5);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    }
    case 1:  // Federation: a blue band with a gold pinstripe
      SetColor(cr, lv.accent, 0.95);
      f.Rect(cr, 0, mid - 0.03, 1, 0.09);
      cairo_fill(cr);
      SetColor(cr, lv.trim, 0.9);
      f.Rect(cr, 0, mid + 0.08, nb, 0.02);
      cairo_fill(cr);
      break;
    case 2:  // Outer Rim: orange diagonal hazard slashes
      SetColor(cr, lv.accent, 0.9);
      for (int i = 0; i < 4; ++i) {
        const double u = 0.08 + i * 0.07;
        f.Move(cr, u, 0.5);
        f.Line(cr, u + 0.035, 0.5);
        f.Line(cr, u + 0.14, -0.5);
        f.Line(cr, u + 0.105, -0.5);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    case 3:  // Coalition: one wide teal band edged in cream
      SetColor(cr, lv.trim, 0.9);
      f.Rect(cr, 0, mid - 0.08, 1, 0.18);
      cairo_fill(cr);
      SetColor(cr, lv.accent, 0.95);
      f.Rect(cr, 0, mid - 0.06, 1, 0.14);
      cairo_fill(cr);
      break;
    case 4:  // Syndicate: crimson chevrons pointing forward
      SetColor(cr, lv.accent, 0.92);
      for (int i = 0; i < 3; ++i) {
        const double u = 0.62 - i * 0.1;
        f.Move(cr, u - 0.06, -0.5);
        f.Line(cr, u, -0.5);
        f.Line(cr, u + 0.08, mid);
        f.Line(cr, u, 0.5);
        f.Line(cr, u - 0.06, 0.5);
        f.Line(cr, u + 0.02, mid);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    default:
      SetColor(cr, lv.accent, 0.8);
      f.Rect(cr, 0, mid, nb, 0.05);
      cairo_fill(cr);
  }
}

void Station(const Canvas& c, int faction, double x, double y, double w, double h) {
  const Livery& lv = LiveryOf(faction);
  cairo_t* cr = c.cr;
  const double cx = x + w / 2, cy = y + h / 2, R = std::min(w / 2, h * 0.9);
  // the ring, edge on
  auto ring = [&](bool front) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, 0.22);
    cairo_rectangle(cr, -R, front ? 0 : -R * 5, 2 * R, R * 5);
    cairo_clip(cr);
    cairo_set_line_width(cr, R * 0.16);
    SetColor(cr, front ? lv.hull : Scale(lv.hull, 0.55), 1);
    cairo_arc(cr, 0, 0, R * 0.88, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_width(cr, R * 0.04);
    SetColor(cr, lv.accent, front ? 0.9 : 0.5);
    cairo_arc(cr, 0, 0, R * 0.88, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  ring(false);
  // spokes and hub
  cairo_set_line_width(cr, std::max(1.0, R * 0.05));
  SetColor(cr, Scale(lv.hull, 0.7), 1);
  cairo_move_to(cr, cx - R * 0.85, cy);
  cairo_line_to(cr, cx + R * 0.85, cy);
  cairo_stroke(cr);
  const double hw = R * 0.22, hh = h * 0.42;
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - hw, 0, cx + hw, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, lv.hull.r * 1.1, lv.hull.g * 1.1, lv.hull.b * 1.1);
  cairo_pattern_add_color_stop_rgb(g, 1, lv.hullDark.r, lv.hullDark.g, lv.hullDark.b);
  RoundedRect(cr, cx - hw, cy - hh, 2 * hw, 2 * hh, hw * 0.5);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // spire and lights
  SetColor(cr, lv.hullDark, 1);
  cairo_rectangle(cr, cx - hw * 0.15, cy - hh - h * 0.06, hw * 0.3, h * 0.06);
  cairo_fill(cr);
  SetColor(cr, {1, 0.9, 0.6}, 0.9);
  for (double yy = cy - hh * 0.8; yy < cy + hh * 0.8; yy += hh * 0.22) {
    cairo_rectangle(cr, cx - hw * 0.6, yy, hw * 1.2, std::max(0.6, hh * 0.05));
  }
  cairo_fill(cr);
  SetColor(cr, lv.accent, 1);
  cairo_rectangle(cr, cx - hw, cy - hh * 0.1, 2 * hw, hh * 0.2);
  cairo_fill(cr);
  ring(true);
  Glow(cr, cx, cy - hh - h * 0.06, R * 0.1, lv.engine, 0.9);
  Glow(cr, cx - R * 0.88, cy, R * 0.08, {1, 0.2, 0.2}, 0.9);
  Glow(cr, cx + R * 0.88, cy, R * 0.08, {0.2, 1, 0.3}, 0.9);
}

}  // namespace

void ShipSideShape(const Canvas& c, const ShipShape& s, int faction, double x, double y, double w, double h) {
  if (s.cls == 0) {
    Station(c, faction, x, y, w, h);
    return;
  }
  if (s.squad) {
    ShipShape one = ShapeOf("orion");
    ShipSideShape(c, one, faction, x, y, w * 0.55, h * 0.45);
    ShipSideShape(c, one, faction, x + w * 0.45, y + h * 0.2, w * 0.55, h * 0.45);
    ShipSideShape(c, one, faction, x + w * 0.12, y + h * 0.55, w * 0.55, h * 0.45);
    return;
  }
  const Livery& lv = LiveryOf(faction);
  cairo_t* cr = c.cr;
  const SideFrame f = FitSide(s, x, y, w, h);
  Rng rng(s.seed ^ 0x51DEu);
  const double tailTop = s.TopAt(0), tailBottom = s.BottomAt(0);
  const double mid = (tailTop + tailBottom) / 2, span = tailBottom - tailTop;
  auto engineV = [&](int i) { return mid + span * ((i + 0.5) / s.engines - 0.5) * 0.7; };

  // engine flames behind the tail
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (int i = 0; i < s.engines; ++i) {
    cairo_save(cr);
    cairo_translate(cr, f.x0, f.Y(engineV(i)));
    cairo_scale(cr, 3.0, 1.0);
    Glow(cr, 0, 0, f.H * span / s.engines * 0.55, lv.engine, 0.9);
    cairo_restore(cr);
  }
  cairo_restore(cr);

  // wings, behind the hull
  if (s.wings && !s.freighter) {
    const double b = s.BottomAt(s.wingAt + 0.1);
    SetColor(cr, Scale(lv.hullDark, 0.9), 1);
    f.Move(cr, s.wingAt, b - 0.06);
    f.Line(cr, s.wingAt + 0.34, b - 0.06);
    f.Line(cr, s.wingAt + 0.12, b + 0.14);
    f.Line(cr, s.wingAt - 0.04, b + 0.14);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  // tail fin
  if (s.hull != Hull::Brick) {
    const double sweep = rng.Range(0.06, 0.16);
    SetColor(cr, Mix(lv.hullDark, lv.hull, 0.5), 1);
    f.Move(cr, 0.03, tailTop + 0.02);
    f.Line(cr, 0.0, tailTop - 0.14);
    f.Line(cr, 0.07, tailTop - 0.14);
    f.Line(cr, 0.1 + sweep, s.TopAt(0.1 + sweep) + 0.01);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  // superstructure
  if (!s.decks.empty()) {
    DeckPath(cr, s, f);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, f.Y(-0.5), 0, f.Y(s.TopAt(s.decks[0].from)));
    cairo_pattern_add_color_stop_rgb(g, 0, lv.hull.r, lv.hull.g, lv.hull.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lv.hullDark.r * 1.3, lv.hullDark.g * 1.3, lv.hullDark.b * 1.3);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, std::max(0.5, f.H * 0.012));
    SetColor(cr, Scale(lv.hullDark, 0.5), 0.9);
    cairo_stroke(cr);
    SetColor(cr, {0.7, 0.9, 1.0}, 0.9);  // bridge windows along the highest deck
    const Deck& d = s.decks.back();
    double lift = 0;
    for (const Deck& k : s.decks) lift += k.height;
    const double wy = std::min(s.TopAt(d.from), s.TopAt(d.to)) - lift + (s.decks.size() > 1 ? 0.5 * d.height : 0.3 * d.height) + 0.01;
    for (double u = d.from + 0.05; u < d.to - 0.02; u += 0.03) f.Rect(cr, u, wy, 0.016, 0.035);
    cairo_fill(cr);
  }

  // the hull
  SideHullPath(cr, s, f);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, f.Y(-0.35), 0, f.Y(0.35));
  const Rgb hi = Mix(lv.hull, {1, 1, 1}, 0.25), lo = lv.hullDark;
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, lv.hull.r, lv.hull.g, lv.hull.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  Markings(cr, s, f, faction, lv);
  if (s.freighter) {  // cargo containers along the belly
    const Rgb cols[3] = {lv.accent, lv.trim, Scale(lv.hull, 0.8)};
    int i = 0;
    for (double u = 0.1; u < 0.7; u += 0.09, ++i) {
      SetColor(cr, Scale(cols[i % 3], 0.85), 1);
      f.Rect(cr, u, 0.0, 0.08, 0.3);
      cairo_fill(cr);
    }
  }
  // hull plating in slightly different shades
  for (int i = 0; i < 6 + s.cls * 2; ++i) {
    const double u = rng.Range(0.05, 0.85), v = rng.Range(-0.35, 0.25);
    SetColor(cr, rng.Chance(0.5) ? Rgb{1, 1, 1} : Rgb{0, 0, 0}, rng.Range(0.05, 0.12));
    f.Rect(cr, u, v, rng.Range(0.04, 0.14), rng.Range(0.05, 0.12));
    cairo_fill(cr);
  }
  // panel seams
  cairo_set_line_width(cr, std::max(0.5, f.H * 0.01));
  SetColor(cr, Scale(lv.hullDark, 0.6), 0.5);
  for (int i = 0; i < 5 + s.cls * 2; ++i) {
    const double u = rng.Range(0.05, 0.9);
    f.Move(cr, u, -0.5);
    f.Line(cr, u, 0.5);
  }
  f.Move(cr, 0, mid + 0.12);
  f.Line(cr, 1, mid + 0.12);
  cairo_stroke(cr);
  // portholes under the top line
  SetColor(cr, {1.0, 0.92, 0.7}, 0.85);
  for (int i = 0; i < s.windows; ++i) {
    const double u = 0.12 + 0.7 * i / std::max(1, s.windows);
    cairo_arc(cr, f.X(u), f.Y(s.TopAt(u) + 0.07), std::max(0.5, f.H * 0.014), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // a sheen along the top edge, where the light catches the hull
  cairo_set_line_width(cr, std::max(0.8, f.H * 0.035));
  SetColor(cr, {1, 1, 1}, 0.3);
  for (size_t i = 0; i < s.top.size(); ++i) {
    if (i == 0)
      f.Move(cr, s.top[i].u, s.top[i].v + 0.02);
    else
      f.Line(cr, s.top[i].u, s.top[i].v + 0.02);
  }
  cairo_stroke(cr);
  // shadow along the belly
  cairo_pattern_t* sh = cairo_pattern_create_linear(0, f.Y(0.05), 0, f.Y(0.4));
  cairo_pattern_add_color_stop_rgba(sh, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(sh, 1, 0, 0, 0, 0.45);
  cairo_set_source(cr, sh);
  cairo_paint(cr);
  cairo_pattern_destroy(sh);
  cairo_restore(cr);
  cairo_set_line_width(cr, std::max(0.6, f.H * 0.016));
  SetColor(cr, Scale(lv.hullDark, 0.5), 0.9);
  cairo_stroke(cr);

  // cockpit canopy of the small craft
  if (s.hull == Hull::Dart || s.hull == Hull::Brick) {
    const double u = s.hull == Hull::Brick ? 0.9 : 1 - s.noseLen + 0.02;
    const double v = s.TopAt(u) + (s.hull == Hull::Brick ? 0.08 : 0.02);
    cairo_save(cr);
    cairo_translate(cr, f.X(u), f.Y(v));
    cairo_scale(cr, f.L * 0.08, f.H * 0.09);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_pattern_t* cg = cairo_pattern_create_linear(f.X(u - 0.05), f.Y(v - 0.08), f.X(u + 0.05), f.Y(v));
    cairo_pattern_add_color_stop_rgb(cg, 0, 0.75, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(cg, 0.4, 0.15, 0.35, 0.6);
    cairo_pattern_add_color_stop_rgb(cg, 1, 0.03, 0.08, 0.18);
    cairo_set_source(cr, cg);
    cairo_fill(cr);
    cairo_pattern_destroy(cg);
  }
  // turrets on the spine, clear of the decks
  for (int i = 0; i < s.turrets; ++i) {
    double u = 0.16 + (0.7 * (i + 0.5)) / s.turrets;
    for (const Deck& d : s.decks)
      if (u > d.from - 0.05 && u < d.to + 0.06) u = d.to + 0.08;
    if (u > 0.92) continue;
    const double tx = f.X(u), ty = f.Y(s.TopAt(u));
    const double tr = std::max(1.0, f.H * 0.06);
    SetColor(cr, Scale(lv.hull, 0.75), 1);
    cairo_arc(cr, tx, ty, tr, M_PI, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_line_width(cr, std::max(0.6, tr * 0.35));
    SetColor(cr, lv.hullDark, 1);
    cairo_move_to(cr, tx, ty - tr * 0.5);
    cairo_line_to(cr, tx + tr * 2.4, ty - tr * 0.8);
    cairo_stroke(cr);
  }
  // engine nozzles
  for (int i = 0; i < s.engines; ++i) {
    const double nh = f.H * span / s.engines * 0.55;
    RoundedRect(cr, f.x0 - f.L * 0.025, f.Y(engineV(i)) - nh / 2, f.L * 0.05, nh, nh * 0.3);
    SetColor(cr, Scale(lv.hullDark, 0.7), 1);
    cairo_fill(cr);
    Glow(cr, f.x0 - f.L * 0.02, f.Y(engineV(i)), nh * 0.5, Mix(lv.engine, {1, 1, 1}, 0.5), 0.95);
  }
  // running lights
  Glow(cr, f.X(0.5), f.Y(s.BottomAt(0.5)), std::max(1.0, f.H * 0.04), {1, 0.25, 0.2}, 0.9);
  Glow(cr, f.X(0.02), f.Y(tailTop - 0.14), std::max(1.0, f.H * 0.04), {0.3, 1, 0.4}, 0.9);
}

void ShipSide(const Canvas& c, std::string_view base, int faction, double x, double y, double w, double h) {
  std::string low;
  for (char ch : base.substr(0, 64)) low += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  ShipSideShape(c, ShapeOf(low), faction, x, y, w, h);
}

}  // namespace qm::art
