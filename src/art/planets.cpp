// Planets, suns, wormholes, asteroid fields and pirate hideouts. A location
// picture is named by its look plus a number ("earth4", "desert7", "Jupiter");
// the number and the whole name vary palette, sea level, clouds, craters and
// rings, so every planet of the galaxy looks its own. "r" after the name asks
// for the large view with its backdrop, "rg" for the same in grey.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

#include "art/families.h"

namespace qm::art {
namespace {

enum class Look { Earth, Jungle, Desert, Dark, Red, Toxic, Ice, Ocean, Moon, Mars, Gas, Ringed, Sun, Wormhole, Asteroids, Hideout };

struct Kind {
  std::string_view word;
  Look look;
};

constexpr Kind kKinds[] = {{"earth", Look::Earth},       {"jungle", Look::Jungle},
                                          {"desert", Look::Desert},     {"dark", Look::Dark},
                                          {"red", Look::Red},           {"toxic", Look::Toxic},
                                          {"ice", Look::Ice},           {"ocean", Look::Ocean},
                                          {"moon", Look::Moon},         {"mars", Look::Mars},
                                          {"jupiter", Look::Gas},       {"saturn", Look::Ringed},
                                          {"sun", Look::Sun},           {"wormhole", Look::Wormhole},
                                          {"asteroids", Look::Asteroids}, {"piratebase", Look::Hideout},
                                          {"planet", Look::Earth},      {"gasgiant", Look::Gas}};

struct Parsed {
  Look look = Look::Earth;
  std::string base;  // keyword + number, the identity of the planet
  bool large = false;
  bool grey = false;
};

bool Parse(std::string_view low, Parsed& out) {
  for (const Kind& k : kKinds) {
    if (!StartsWith(low, k.word)) continue;
    size_t i = k.word.size();
    while (i < low.size() && std::isdigit(static_cast<unsigned char>(low[i]))) ++i;
    const std::string_view rest = low.substr(i);
    if (!rest.empty() && rest != "r" && rest != "rg") continue;
    out.look = k.look;
    out.base = std::string(low.substr(0, i));
    out.large = !rest.empty();
    out.grey = rest == "rg";
    return true;
  }
  return false;
}

// Colour ramp of a surface: ocean deep, ocean shallow, land low, land high, peaks.
struct Style {
  std::array<uint32_t, 5> ramp;
  double sea;       // share of the height range under water
  double clouds;    // 0..1
  double ice;       // latitude where polar caps start (above 1 = none)
  uint32_t atmo;    // rim colour
  double atmoStrength;
  int craters;
  bool gas;
  bool lights;      // city lights on the night side
};

Style StyleOf(Look look) {
  switch (look) {
    case Look::Jungle: return {{0x0c3436, 0x1d6e60, 0x1c5a1c, 0x3c8e2c, 0x86a848}, 0.38, 0.55, 0.95, 0x8affc0, 0.5, 0, false, false};
    case Look::Desert: return {{0x6a3a1a, 0x8a5428, 0xb8763a, 0xdcaa62, 0xf4dca0}, 0.12, 0.12, 1.5, 0xffc080, 0.35, 2, false, false};
    case Look::Dark: return {{0x08080e, 0x161622, 0x2a2a38, 0x4a4458, 0x706880}, 0.35, 0.3, 1.5, 0x9080d0, 0.4, 0, false, true};
    case Look::Red: return {{0x3a0e08, 0x6a2010, 0xa03a20, 0xc86a3a, 0xe8a878}, 0.2, 0.06, 1.5, 0xff8060, 0.35, 4, false, false};
    case Look::Toxic: return {{0x283808, 0x5a6a12, 0x8a9a20, 0xc8c83a, 0xecf480}, 0.3, 0.75, 1.5, 0xc8ff50, 0.55, 0, false, false};
    case Look::Ice: return {{0x3a5a80, 0x6a9ac0, 0xa8cce4, 0xdcecf8, 0xffffff}, 0.3, 0.3, 0.7, 0xc0e8ff, 0.5, 1, false, false};
    case Look::Ocean: return {{0x04163e, 0x1a5aa0, 0xd8c88a, 0x4a8a40, 0x6a9a58}, 0.7, 0.5, 0.94, 0x70b8ff, 0.6, 0, false, false};
    case Look::Moon: return {{0x3a3a3e, 0x55555a, 0x77777c, 0x9a9aa0, 0xc4c4c8}, 0.0, 0.0, 1.5, 0x000000, 0.0, 14, false, false};
    case Look::Mars: return {{0x4a1808, 0x7a2a12, 0xb04a24, 0xd07a44, 0xecb080}, 0.0, 0.04, 0.93, 0xffa070, 0.3, 8, false, false};
    case Look::Gas: return {{0x8a5030, 0xc89a6a, 0xe8d0a8, 0xa86a40, 0xf4ecdc}, 0.0, 0.0, 1.5, 0xffd8a0, 0.3, 0, true, false};
    case Look::Ringed: return {{0xa08850, 0xd8c48a, 0xf0e4b8, 0xc0a468, 0xfaf2da}, 0.0, 0.0, 1.5, 0xfff0c0, 0.3, 0, true, false};
    default: return {{0x0a2458, 0x1f6fa8, 0x3f7a35, 0x8a8a4a, 0xc8b890}, 0.52, 0.6, 0.92, 0x6fb0ff, 0.6, 0, false, false};
  }
}

bool HasRings(Look look, uint32_t seed) { return look == Look::Ringed || (look == Look::Gas && (seed & 3) == 0); }

Rgb Ramp(const std::array<Rgb, 5>& r, double t) {
  t = std::clamp(t, 0.0, 1.0) * 4;
  const int i = std::min(3, static_cast<int>(t));
  return Mix(r[i], r[i + 1], t - i);
}

struct Vec {
  double x, y, z;
};
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Norm(Vec v) {
  const double l = std::sqrt(Dot(v, v));
  return l > 0 ? Vec{v.x / l, v.y / l, v.z / l} : v;
}

constexpr Vec kLight{-0.58, -0.42, 0.7};

void PutPixel(uint32_t* p, Rgb c, double alpha) {
  auto ch = [&](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * alpha * 255 + 0.5); };
  const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255 + 0.5);
  *p = (a << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

// Shades a disc of radius r at (x, y) texel by texel: `pixel(dx, dy, d, texel)` gets
// unit coordinates (d = distance from the centre, texel = one texel in units) and
// writes the colour and alpha. Large discs are shaded at a capped resolution and
// scaled up smoothly inside an exact circle, so a huge request stays fast.
template <class Pixel>
void ShadeDisc(const Canvas& c, double x, double y, double r, double cap, Pixel&& pixel) {
  const double tr = std::min(r, cap);
  const int size = static_cast<int>(std::ceil(2 * tr)) + 3;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return;
  }
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const double half = size / 2.0, texel = 1.0 / tr;
  for (int py = 0; py < size; ++py) {
    auto* row = reinterpret_cast<uint32_t*>(data + py * stride);
    for (int px = 0; px < size; ++px) {
      const double dx = (px + 0.5 - half) * texel, dy = (py + 0.5 - half) * texel;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d > 1 + texel) continue;
      Rgb col;
      double alpha = 0;
      pixel(dx, dy, d, texel, col, alpha);
      if (alpha > 0) PutPixel(&row[px], col, alpha);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(c.cr);
  if (tr < r) {
    cairo_arc(c.cr, x, y, r, 0, 2 * M_PI);
    cairo_clip(c.cr);
  }
  cairo_translate(c.cr, x, y);
  cairo_scale(c.cr, r / tr, r / tr);
  cairo_set_source_surface(c.cr, s, -half, -half);
  cairo_pattern_set_filter(cairo_get_source(c.cr), CAIRO_FILTER_BILINEAR);
  cairo_paint(c.cr);
  cairo_restore(c.cr);
  cairo_surface_destroy(s);
}

// One rim texel wide soft edge of a disc.
double Cover(double d, double texel) { return std::clamp((1 - d) / texel + 0.5, 0.0, 1.0); }

// Paints the rings of a ringed planet: the far half (front = false) or the near half.
void Rings(const Canvas& c, double x, double y, double r, uint32_t seed, Rgb tint, bool front) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1, 0.26);
  cairo_rectangle(cr, -3 * r, front ? 0 : -3 * r, 6 * r, 3 * r);
  cairo_clip(cr);
  Rng rng(seed);
  for (double k = 1.3; k < 2.15; k += 0.05) {
    const double a = 0.25 + 0.55 * Noise2(k * 9, 0.5, seed);
    cairo_set_line_width(cr, r * 0.055);
    SetColor(cr, Mix(tint, {1, 1, 1}, rng.Unit() * 0.3), a * (front ? 0.9 : 0.55));
    cairo_arc(cr, 0, 0, r * k, 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace

void PlanetDisc(const Canvas& c, std::string_view base, double x, double y, double r) {
  if (r < 0.5) return;
  Parsed p;
  if (!Parse(base, p)) p.base = std::string(base);
  const uint32_t seed = Hash(p.base);
  Rng rng(seed);
  Style st = StyleOf(p.look);
  if (p.look == Look::Earth) {
    // earth-like worlds come in several climates
    static constexpr std::array<uint32_t, 5> kClimates[] = {
        {0x0a2458, 0x1f6fa8, 0x3f7a35, 0x8a8a4a, 0xc8b890},   // temperate
        {0x0a3050, 0x2a7090, 0x8a6a3a, 0xb08850, 0xd8c090},   // arid
        {0x102848, 0x3a6a90, 0x6a7a6a, 0xa0a8a0, 0xe8eef0},   // tundra
        {0x063a4a, 0x1a8a8a, 0x2a6a2a, 0x4a9a3a, 0x9aa060}};  // tropical
    const int climate = rng.Int(4);
    st.ramp = kClimates[climate];
    if (climate == 2) st.ice = 0.8;
    st.sea = std::clamp(st.sea + rng.Range(-0.12, 0.12), 0.25, 0.75);
  }
  // Every planet its own: a shifted palette, sea level, clouds, craters.
  std::array<Rgb, 5> ramp;
  const Rgb tint{rng.Range(0.85, 1.15), rng.Range(0.85, 1.15), rng.Range(0.85, 1.15)};
  for (size_t i = 0; i < 5; ++i) {
    const Rgb col = Hex(st.ramp[i]);
    ramp[i] = {col.r * tint.r, col.g * tint.g, col.b * tint.b};
  }
  if (st.sea > 0.05) st.sea = std::clamp(st.sea + rng.Range(-0.08, 0.08), 0.1, 0.85);
  st.clouds = std::clamp(st.clouds + rng.Range(-0.15, 0.15), 0.0, 0.9);
  st.craters += rng.Int(st.craters + 1);
  const double freq = rng.Range(1.2, 3.0);
  const double bandFreq = rng.Range(7, 14);
  const double spin = rng.Range(0, 6.28);
  const Rgb atmo = Hex(st.atmo);
  const bool rings = HasRings(p.look, seed);

  struct Crater {
    Vec c;
    double cosr;
  };
  std::vector<Crater> craters;
  for (int i = 0; i < st.craters; ++i) {
    const Vec v = Norm({rng.Range(-1, 1), rng.Range(-1, 1), rng.Range(-0.2, 1)});
    const double rad = rng.Range(0.05, 0.28);
    craters.push_back({v, std::cos(rad)});
  }

  if (st.atmoStrength > 0) Glow(c.cr, x, y, r * 1.18, atmo, 0.35 * st.atmoStrength);
  if (rings) Rings(c, x, y, r, seed, ramp[2], false);

  const Vec light = Norm(kLight);
  const double cs = std::cos(spin), sn = std::sin(spin);
  const int octaves = r > 20 ? 4 : 3;
  ShadeDisc(c, x, y, r, 80, [&](double dx, double dy, double d, double texel, Rgb& out, double& alpha) {
      const double cover = Cover(d, texel);
      if (cover <= 0) return;
      const double d2 = d * d;
      const double nz = std::sqrt(std::max(0.0, 1 - std::min(1.0, d2)));
      const Vec n{dx, dy, nz};
      // the surface turns about the vertical axis
      const Vec q{dx * cs + nz * sn, dy, -dx * sn + nz * cs};
      Rgb col;
      bool water = false;
      if (st.gas) {
        const double turb = Fbm3(q.x * 2.5, q.y * 6, q.z * 2.5, seed, octaves) - 0.5;
        const double v = q.y * bandFreq + turb * 2.2;
        col = Ramp(ramp, 0.5 + 0.5 * std::sin(v + Noise2(v * 0.7, 1.3, seed) * 2));
        // one great storm
        const double sx = q.x - 0.35, sy = (q.y - 0.28) * 2.2;
        const double storm = std::exp(-(sx * sx + sy * sy) * 40) * (q.z > 0 ? 1 : 0);
        col = Mix(col, Mix(ramp[0], {0.8, 0.3, 0.2}, 0.4), storm * 0.8);
      } else {
        const double h = Fbm3(q.x * freq + 7, q.y * freq, q.z * freq, seed, octaves);
        const double hs = std::clamp((h - 0.28) / 0.44, 0.0, 1.0);  // stretch to 0..1
        if (hs < st.sea) {
          water = true;
          col = Mix(ramp[0], ramp[1], std::pow(hs / std::max(0.01, st.sea), 2.0));
        } else {
          col = Ramp({ramp[2], ramp[2], ramp[3], ramp[4], ramp[4]}, (hs - st.sea) / std::max(0.01, 1 - st.sea));
        }
        for (const Crater& k : craters) {
          const double cd = Dot(q, k.c);
          if (cd < k.cosr - 0.02) continue;
          const double t = (cd - k.cosr) / (1 - k.cosr);  // 0 at the rim, 1 at the centre
          const double rim = std::clamp(1 - std::fabs(t - 0.08) / 0.08, 0.0, 1.0);
          col = Mix(Scale(col, 0.72 + 0.28 * std::clamp(0.12 - t, 0.0, 0.12) / 0.12), {1, 1, 1}, rim * 0.12);
        }
        const double lat = std::fabs(dy * 0.98 - nz * 0.2);  // the north pole leans towards the viewer
        if (lat > st.ice - 0.08 * Noise3(q.x * 5, q.y * 5, q.z * 5, seed ^ 77u)) col = Mix(col, {0.95, 0.97, 1}, 0.9);
        if (st.clouds > 0) {
          const double cl = Fbm3(q.x * 3.1 + 19, q.y * 5.2, q.z * 3.1, seed ^ 0xC10Du, 3);
          const double a = std::clamp((cl - (0.62 - st.clouds * 0.2)) * 4, 0.0, 1.0) * st.clouds;
          col = Mix(col, p.look == Look::Toxic ? Rgb{0.9, 0.95, 0.55} : Rgb{0.97, 0.98, 1.0}, a);
          if (a > 0.3) water = false;
        }
      }
      const double lambert = std::max(0.0, Dot(n, light));
      double shade = 0.04 + 0.96 * std::pow(lambert, 0.85);
      Rgb lit = Scale(col, shade);
      if (water) {
        const Vec hv = Norm({light.x, light.y, light.z + 1});
        lit = Mix(lit, {1, 1, 1}, std::pow(std::max(0.0, Dot(n, hv)), 60) * 0.6);
      }
      if (st.lights && lambert < 0.12 && !water) {
        const double city = Noise3(q.x * 40, q.y * 40, q.z * 40, seed ^ 0xC17u);
        if (city > 0.72) lit = Mix(lit, {1.0, 0.75, 0.35}, (city - 0.72) * 3 * (1 - lambert * 8));
      }
      const double rim = std::pow(1 - nz, 2.5) * st.atmoStrength * (0.25 + lambert);
      lit = Mix(lit, atmo, std::min(1.0, rim));
      out = lit;
      alpha = cover;
  });
  if (rings) Rings(c, x, y, r, seed, ramp[2], true);
}

namespace {

void Sun(const Canvas& c, const std::string& base, double x, double y, double r) {
  const uint32_t seed = Hash(base);
  Rng rng(seed);
  static const std::array<uint32_t, 5> kHot = {0xffd24a, 0xffa030, 0xfff4d8, 0xff6a3a, 0xa8c8ff};
  const Rgb hot = Hex(kHot[rng.Int(base == "sun" ? 1 : 5)]);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  Glow(cr, x, y, r * 3.0, hot, 0.35);
  Glow(cr, x, y, r * 1.8, Mix(hot, {1, 1, 1}, 0.3), 0.5);
  // corona rays
  const int rays = 18 + rng.Int(10);
  for (int i = 0; i < rays; ++i) {
    const double a = rng.Range(0, 2 * M_PI), len = r * rng.Range(1.5, 2.9), wid = rng.Range(0.04, 0.12);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, r * 0.8, x, y, len);
    cairo_pattern_add_color_stop_rgba(g, 0, hot.r, hot.g, hot.b, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, hot.r, hot.g, hot.b, 0);
    cairo_set_source(cr, g);
    cairo_move_to(cr, x + r * std::cos(a - wid), y + r * std::sin(a - wid));
    cairo_line_to(cr, x + len * std::cos(a), y + len * std::sin(a));
    cairo_line_to(cr, x + r * std::cos(a + wid), y + r * std::sin(a + wid));
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
  // the disc: hot white core, limb darkening, granulation
  ShadeDisc(c, x, y, r, 64, [&](double dx, double dy, double d, double texel, Rgb& out, double& alpha) {
      const double cover = Cover(d, texel);
      if (cover <= 0) return;
      const double nz = std::sqrt(std::max(0.0, 1 - d * d));
      const double gran = Fbm3(dx * 6, dy * 6, nz * 6, seed, 3);
      Rgb col = Mix(hot, {1, 1, 0.96}, std::pow(nz, 1.5) * 0.85);
      col = Scale(col, 0.78 + 0.3 * gran);
      col = Mix(Scale(hot, 0.8), col, 0.45 + 0.55 * std::sqrt(nz));
      out = col;
      alpha = cover;
  });
}

void Wormhole(const Canvas& c, const std::string& base, double x, double y, double r) {
  const uint32_t seed = Hash(base);
  Rng rng(seed);
  const double hue = 0.55 + rng.Range(0, 0.3);
  const Rgb outer = Hsv(hue, 0.8, 1.0), inner = Hsv(hue - 0.12, 0.5, 1.0);
  const double arms = 3 + rng.Int(3), twist = rng.Range(3.5, 6.0);
  Glow(c.cr, x, y, r * 1.25, outer, 0.35);
  ShadeDisc(c, x, y, r, 80, [&](double dx, double dy, double d, double, Rgb& out, double& alpha) {
      if (d >= 1) return;
      const double ang = std::atan2(dy, dx);
      const double swirl = 0.5 + 0.5 * std::sin(arms * ang + twist * std::log(d + 0.05) +
                                                 3 * Noise2(d * 4, ang, seed));
      const double ring = std::exp(-std::pow((d - 0.52) / 0.3, 2));
      const double eye = std::exp(-std::pow(d / 0.16, 2));
      double a = std::clamp(ring * (0.35 + 0.65 * swirl) + eye, 0.0, 1.0) * std::clamp((1 - d) * 3, 0.0, 1.0);
      Rgb col = Mix(outer, inner, std::clamp(1 - d, 0.0, 1.0));
      col = Mix(col, {1, 1, 1}, eye * 0.9 + swirl * ring * 0.25);
      if (d < 0.3 && eye < 0.5) col = Scale(col, 0.4 + d * 2);
      out = col;
      alpha = a;
  });
}

}  // namespace

// One rock: an irregular rounded outline, lit from the upper left, with pits.
void Rock(cairo_t* cr, Rng& rng, double x, double y, double r, Rgb tone) {
  constexpr int kPts = 12;
  double px[kPts], py[kPts];
  const double squash = rng.Range(0.7, 1.0), turn = rng.Range(0, M_PI);
  for (int i = 0; i < kPts; ++i) {
    const double a = i * 2 * M_PI / kPts, rr = r * rng.Range(0.78, 1.05);
    const double ux = rr * std::cos(a), uy = rr * std::sin(a) * squash;
    px[i] = x + ux * std::cos(turn) - uy * std::sin(turn);
    py[i] = y + ux * std::sin(turn) + uy * std::cos(turn);
  }
  // curves through the midpoints, the points as control points: a lumpy but smooth outline
  cairo_move_to(cr, (px[0] + px[1]) / 2, (py[0] + py[1]) / 2);
  for (int i = 1; i <= kPts; ++i) {
    const int k = i % kPts, n = (i + 1) % kPts;
    const double mx = (px[k] + px[n]) / 2, my = (py[k] + py[n]) / 2;
    cairo_curve_to(cr, px[k], py[k], px[k], py[k], mx, my);
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.45, y - r * 0.45, r * 0.05, x - r * 0.1, y - r * 0.1, r * 1.25);
  const Rgb hi = Mix(tone, {1, 0.95, 0.85}, 0.3), lo = Scale(tone, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.55, tone.r * 0.7, tone.g * 0.7, tone.b * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  for (int i = 0; i < 6 && r > 3; ++i) {  // pits, shadowed towards the light
    const double cx = x + rng.Range(-0.6, 0.5) * r, cy = y + rng.Range(-0.6, 0.5) * r, cr2 = r * rng.Range(0.06, 0.18);
    SetColor(cr, {1, 0.95, 0.85}, 0.12);
    cairo_arc(cr, cx + cr2 * 0.25, cy + cr2 * 0.25, cr2, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, Scale(tone, 0.45), 0.5);
    cairo_arc(cr, cx, cy, cr2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_set_line_width(cr, std::max(0.5, r * 0.03));
  SetColor(cr, Scale(tone, 0.1), 0.7);
  cairo_stroke(cr);
}

namespace {

void AsteroidField(const Canvas& c, uint32_t seed, double x, double y, double r) {
  Rng rng(seed);
  const Rgb tone = Mix(Hex(0x8a7a68), Hex(0x6a707a), rng.Unit());
  for (int i = 0; i < 40; ++i) {  // dust
    SetColor(c.cr, tone, rng.Range(0.2, 0.6));
    cairo_arc(c.cr, x + rng.Range(-1, 1) * r, y + rng.Range(-0.7, 0.7) * r, std::max(0.4, r * 0.02), 0, 2 * M_PI);
    cairo_fill(c.cr);
  }
  // a drifting band of rocks: small ones far out, a few large ones near the middle
  const int rocks = 11 + rng.Int(4);
  for (int i = 0; i < rocks; ++i) {
    const double a = rng.Range(0, 2 * M_PI), d = std::sqrt(rng.Unit()) * 0.85 * r;
    const double size = r * (0.07 + 0.2 * (1 - d / r) * rng.Range(0.5, 1.0));
    Rock(c.cr, rng, x + d * std::cos(a), y + d * std::sin(a) * 0.6, size, Mix(tone, Hex(0x9a8060), rng.Unit() * 0.5));
  }
}

void Hideout(const Canvas& c, uint32_t seed, double x, double y, double r) {
  Rng rng(seed);
  cairo_t* cr = c.cr;
  const Livery& pir = LiveryOf(0);
  // a docking ring around the rock, its far half first
  auto ring = [&](bool front) {
    cairo_save(cr);
    cairo_translate(cr, x, y + r * 0.05);
    cairo_rotate(cr, -0.25);
    cairo_scale(cr, 1, 0.28);
    cairo_rectangle(cr, -r * 2, front ? 0 : -r * 4, r * 4, r * 4);
    cairo_clip(cr);
    cairo_set_line_width(cr, r * 0.16);
    SetColor(cr, front ? pir.hull : Scale(pir.hull, 0.5), 1);
    cairo_arc(cr, 0, 0, r * 0.95, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_width(cr, r * 0.04);
    SetColor(cr, pir.accent, front ? 0.9 : 0.5);
    cairo_arc(cr, 0, 0, r * 0.95, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  ring(false);
  Rock(cr, rng, x, y, r * 0.72, Hex(0x5e544a));
  // a lit hangar mouth cut into the rock
  RoundedRect(cr, x - r * 0.3, y - r * 0.05, r * 0.42, r * 0.22, r * 0.05);
  SetColor(cr, {0.05, 0.03, 0.02}, 1);
  cairo_fill(cr);
  Glow(cr, x - r * 0.09, y + r * 0.06, r * 0.22, {1, 0.6, 0.25}, 0.8);
  // a command tower with lit windows and a red beacon
  const double tx = x + r * 0.2, ty = y - r * 0.75;
  Panel(cr, tx - r * 0.09, ty, r * 0.18, r * 0.45, Scale(pir.hull, 0.8), pir.hullDark, r * 0.03);
  Panel(cr, tx - r * 0.2, ty - r * 0.08, r * 0.4, r * 0.12, Scale(pir.hull, 0.9), pir.hullDark, r * 0.03);
  SetColor(cr, {1.0, 0.8, 0.4}, 0.9);
  for (int i = 0; i < 4; ++i) cairo_rectangle(cr, tx - r * 0.15 + i * r * 0.08, ty - r * 0.05, r * 0.04, r * 0.04);
  cairo_fill(cr);
  cairo_set_line_width(cr, std::max(0.7, r * 0.025));
  SetColor(cr, pir.hullDark, 1);
  cairo_move_to(cr, tx, ty - r * 0.08);
  cairo_line_to(cr, tx, ty - r * 0.25);
  cairo_stroke(cr);
  Glow(cr, tx, ty - r * 0.25, r * 0.12, pir.accent, 1);
  // the black flag on the rock's face
  const double fx = x - r * 0.45, fy = y - r * 0.45;
  cairo_rectangle(cr, fx, fy, r * 0.3, r * 0.2);
  SetColor(cr, {0.05, 0.05, 0.05}, 1);
  cairo_fill(cr);
  SetColor(cr, {0.92, 0.9, 0.85}, 1);
  cairo_arc(cr, fx + r * 0.15, fy + r * 0.09, r * 0.055, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_set_line_width(cr, std::max(0.5, r * 0.02));
  cairo_move_to(cr, fx + r * 0.07, fy + r * 0.17);
  cairo_line_to(cr, fx + r * 0.23, fy + r * 0.12);
  cairo_move_to(cr, fx + r * 0.07, fy + r * 0.12);
  cairo_line_to(cr, fx + r * 0.23, fy + r * 0.17);
  cairo_stroke(cr);
  ring(true);
  for (int i = 0; i < 5; ++i) {  // running lights along the ring
    const double a = 0.3 + i * 0.55;
    const double lx = x + r * 0.95 * std::cos(a) * std::cos(-0.25) - r * 0.95 * std::sin(a) * 0.28 * std::sin(-0.25);
    const double ly = y + r * 0.05 + r * 0.95 * std::cos(a) * std::sin(-0.25) + r * 0.95 * std::sin(a) * 0.28 * std::cos(-0.25);
    Glow(cr, lx, ly, r * 0.07, i % 2 ? Rgb{1, 0.3, 0.2} : Rgb{1, 0.85, 0.5}, 1);
  }
}

}  // namespace

bool MatchPlanet(const Name& n) {
  Parsed p;
  return Parse(n.low, p);
}

void DrawPlanet(const Canvas& c, const Name& n, const std::string&) {
  Parsed p;
  Parse(n.low, p);
  const uint32_t seed = Hash(p.base);
  double x = c.w / 2, y = c.h / 2, r = c.Min() / 2 * 0.9;
  if (p.large) {
    SpaceBackdrop(c, seed ^ 0xB16u, 0.55);
    r = c.Min() / 2 * 0.72;
  }
  switch (p.look) {
    case Look::Sun: Sun(c, p.base, x, y, r * (p.large ? 0.55 : 0.42)); break;
    case Look::Wormhole: Wormhole(c, p.base, x, y, r); break;
    case Look::Asteroids: AsteroidField(c, seed, x, y, r); break;
    case Look::Hideout: Hideout(c, seed, x, y, r); break;
    default: {
      if (HasRings(p.look, seed)) r *= 0.5;
      PlanetDisc(c, p.base, x, y, r);
    }
  }
  if (p.grey) {
    cairo_set_operator(c.cr, CAIRO_OPERATOR_HSL_SATURATION);
    cairo_set_source_rgb(c.cr, 0.5, 0.5, 0.5);
    cairo_paint(c.cr);
    cairo_set_operator(c.cr, CAIRO_OPERATOR_OVER);
  }
}

}  // namespace qm::art
