#include "art/paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qm::art {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }

Rgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

Rgb Hsv(double h, double s, double v) {
  h = h - std::floor(h);
  const double f = h * 6.0;
  const int i = static_cast<int>(f) % 6;
  const double p = v * (1 - s), q = v * (1 - s * (f - std::floor(f))), t = v * (1 - s * (1 - (f - std::floor(f))));
  switch (i) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

uint32_t Hash(std::string_view text) {
  uint32_t h = 2166136261u;
  for (unsigned char ch : text) {
    h ^= ch;
    h *= 16777619u;
  }
  return h;
}

uint32_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

double Rng::Unit() { return Next() / 4294967296.0; }
double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
int Rng::Int(int n) { return n < 1 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }

const Livery& LiveryOf(int faction) {
  static const std::array<Livery, 6> kLiveries = {{
      // pirates: gunmetal with blood-red marks
      {Hex(0x5a5650), Hex(0x1c1a19), Hex(0xc0281e), Hex(0xd8b060), Hex(0xff5a2a)},
      // Federation: white hull, blue bands
      {Hex(0xd6dde6), Hex(0x566272), Hex(0x2f6fd8), Hex(0xf2c53d), Hex(0x6ad2ff)},
      // Outer Rim: desert olive with orange
      {Hex(0x9a9468), Hex(0x3b3a28), Hex(0xe6761e), Hex(0x2c2c22), Hex(0xffb050)},
      // Coalition: bronze and teal
      {Hex(0xc49a52), Hex(0x5a4020), Hex(0x1fa89a), Hex(0xf4e0a0), Hex(0x7affe0)},
      // Syndicate: charcoal violet with crimson
      {Hex(0x4a4458), Hex(0x17141f), Hex(0xd0204a), Hex(0xa080ff), Hex(0xff4fa0)},
      // neutral
      {Hex(0xa0a8b0), Hex(0x3a4048), Hex(0x6090c0), Hex(0xe0e0e0), Hex(0x80c8ff)},
  }};
  return kLiveries[faction >= 0 && faction <= 4 ? faction : 5];
}

Rgb FactionColor(int faction) {
  static const std::array<Rgb, 6> kColors = {Hex(0xc83028), Hex(0x3a7ae8), Hex(0xe8862a),
                                             Hex(0x2ab8a0), Hex(0xb03ad0), Hex(0x8898a8)};
  return kColors[faction >= 0 && faction <= 4 ? faction : 5];
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  auto clamp = [](double v) { return std::clamp(v, 0.0, 1.0); };
  cairo_set_source_rgba(cr, clamp(c.r), clamp(c.g), clamp(c.b), clamp(alpha));
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::max(0.0, std::min({r, w / 2, h / 2}));
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, Rgb c, double alpha) {
  if (radius <= 0) return;
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.35, c.r, c.g, c.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

namespace {

// A fixed permutation and value table, built once from a fixed generator, so
// noise is cheap table lookups; the seed shifts the sampling position.
struct NoiseTable {
  uint8_t perm[512];
  float value[256];
  NoiseTable() {
    uint32_t state = 0x2545F491u;
    auto next = [&] {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      return state;
    };
    for (int i = 0; i < 256; ++i) {
      perm[i] = static_cast<uint8_t>(i);
      value[i] = static_cast<float>((next() & 0xffff) / 65535.0);
    }
    for (int i = 255; i > 0; --i) std::swap(perm[i], perm[next() % static_cast<uint32_t>(i + 1)]);
    for (int i = 0; i < 256; ++i) perm[256 + i] = perm[i];
  }
};

const NoiseTable& Table() {
  static const NoiseTable table;
  return table;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double Noise2(double x, double y, uint32_t seed) { return Noise3(x, y, 0.5, seed); }

double Noise3(double x, double y, double z, uint32_t seed) {
  const NoiseTable& t = Table();
  x += (seed & 1023) * 0.731;
  y += ((seed >> 10) & 1023) * 0.593;
  z += ((seed >> 20) & 1023) * 0.417;
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int ix = static_cast<int>(static_cast<long long>(fx) & 255), iy = static_cast<int>(static_cast<long long>(fy) & 255),
            iz = static_cast<int>(static_cast<long long>(fz) & 255);
  const double tx = Smooth(x - fx), ty = Smooth(y - fy), tz = Smooth(z - fz);
  auto v = [&](int dx, int dy, int dz) {
    return static_cast<double>(t.value[t.perm[t.perm[t.perm[ix + dx] + iy + dy] + iz + dz]]);
  };
  auto lerp = [](double a, double b, double k) { return a + (b - a) * k; };
  const double x00 = lerp(v(0, 0, 0), v(1, 0, 0), tx), x10 = lerp(v(0, 1, 0), v(1, 1, 0), tx);
  const double x01 = lerp(v(0, 0, 1), v(1, 0, 1), tx), x11 = lerp(v(0, 1, 1), v(1, 1, 1), tx);
  return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
}

double Fbm3(double x, double y, double z, uint32_t seed, int octaves) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise3(x, y, z, seed + static_cast<uint32_t>(i) * 1013u);
    norm += amp;
    amp *= 0.5;
    x *= 2.03;
    y *= 2.03;
    z *= 2.03;
  }
  return sum / norm;
}

namespace {

constexpr int kNebulaW = 72;

// The cloud texture: premultiplied colour and alpha, kNebulaW wide.
std::vector<float> NebulaTexture(int rows, uint32_t seed, Rgb a, Rgb b, double strength) {
  std::vector<float> tex(static_cast<size_t>(kNebulaW) * rows * 4);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < kNebulaW; ++x) {
      const double u = x / 18.0, v = y / 18.0;
      const double d = Fbm3(u, v, 0.3, seed, 4);
      const double mixv = Noise3(u * 0.5, v * 0.5, 2.7, seed ^ 0x5555u);
      const double alpha = std::clamp((d - 0.42) * 2.4, 0.0, 1.0) * std::clamp(strength, 0.0, 1.0);
      const Rgb col = Mix(a, b, mixv);
      float* t = &tex[(static_cast<size_t>(y) * kNebulaW + x) * 4];
      t[0] = static_cast<float>(col.r * alpha);
      t[1] = static_cast<float>(col.g * alpha);
      t[2] = static_cast<float>(col.b * alpha);
      t[3] = static_cast<float>(alpha);
    }
  }
  return tex;
}

int NebulaRows(const Canvas& c) {
  return std::clamp(static_cast<int>(kNebulaW * c.h / std::max(1.0, c.w)), 8, 256);
}

// The canvas's own pixels when it is a plain image surface drawn without a
// transformation, so whole-picture fills can be written directly (fast).
uint32_t* DirectPixels(const Canvas& c, int& stride) {
  cairo_surface_t* t = cairo_get_group_target(c.cr);
  if (cairo_surface_get_type(t) != CAIRO_SURFACE_TYPE_IMAGE ||
      cairo_image_surface_get_format(t) != CAIRO_FORMAT_ARGB32 ||
      cairo_image_surface_get_width(t) != static_cast<int>(c.w) ||
      cairo_image_surface_get_height(t) != static_cast<int>(c.h))
    return nullptr;
  cairo_matrix_t m;
  cairo_get_matrix(c.cr, &m);
  if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || m.x0 != 0 || m.y0 != 0) return nullptr;
  double x0, y0, x1, y1;
  cairo_clip_extents(c.cr, &x0, &y0, &x1, &y1);
  if (x0 > 0 || y0 > 0 || x1 < c.w || y1 < c.h) return nullptr;
  cairo_surface_flush(t);
  stride = cairo_image_surface_get_stride(t) / 4;
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(t));
}

}  // namespace

void Nebula(const Canvas& c, uint32_t seed, Rgb a, Rgb b, double strength) {
  if (strength <= 0) return;
  // Drawn small and scaled up with a smooth filter: soft clouds at any size, cheaply.
  const int rows = NebulaRows(c);
  const std::vector<float> tex = NebulaTexture(rows, seed, a, b, strength);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kNebulaW, rows);
  const int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  cairo_surface_flush(s);
  for (int y = 0; y < rows && data; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kNebulaW; ++x) {
      const float* t = &tex[(static_cast<size_t>(y) * kNebulaW + x) * 4];
      auto ch = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255 + 0.5f); };
      row[x] = (ch(t[3]) << 24) | (ch(t[0]) << 16) | (ch(t[1]) << 8) | ch(t[2]);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(c.cr);
  cairo_scale(c.cr, c.w / kNebulaW, c.h / rows);
  cairo_set_source_surface(c.cr, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(c.cr), CAIRO_FILTER_BILINEAR);
  cairo_pattern_set_extend(cairo_get_source(c.cr), CAIRO_EXTEND_PAD);
  cairo_set_operator(c.cr, CAIRO_OPERATOR_ADD);
  cairo_paint(c.cr);
  cairo_restore(c.cr);
  cairo_surface_destroy(s);
}

void StarField(const Canvas& c, Rng& rng, double density) {
  const double area = c.w * c.h;
  // small pictures get stars by area; from about 800 x 600 on the count follows the
  // shape only, so the same picture drawn at twice the size looks the same, only sharper
  const double byShape = 600.0 * area / std::max(1.0, c.Min() * c.Min());
  const int count = static_cast<int>(std::min({2500.0, area / 900.0, byShape}) * density);
  const double unit = std::max(0.6, c.Min() / 600.0);
  // Faint stars in three brightness buckets, one fill each (fast).
  for (int bucket = 0; bucket < 3; ++bucket) {
    for (int i = 0; i < count / 3; ++i) {
      const double x = rng.Range(0, c.w), y = rng.Range(0, c.h);
      const double r = (0.35 + 0.25 * bucket) * unit;
      cairo_rectangle(c.cr, x - r, y - r, 2 * r, 2 * r);
    }
    const double v = 0.35 + 0.22 * bucket;
    cairo_set_source_rgba(c.cr, v * 0.9, v * 0.95, v, 1);
    cairo_fill(c.cr);
  }
  // A few bright stars with a soft halo and a faint cross.
  const int bright = std::max(1, count / 60);
  for (int i = 0; i < bright; ++i) {
    const double x = rng.Range(0, c.w), y = rng.Range(0, c.h);
    const double r = rng.Range(1.2, 2.6) * unit;
    const Rgb tint = Mix(Hex(0xbfd8ff), rng.Chance(0.3) ? Hex(0xffe0b0) : Hex(0xffffff), rng.Unit());
    Glow(c.cr, x, y, r * 3.5, tint, 0.5);
    SetColor(c.cr, tint, 0.35);
    cairo_set_line_width(c.cr, 0.6 * unit);
    cairo_move_to(c.cr, x - r * 4, y);
    cairo_line_to(c.cr, x + r * 4, y);
    cairo_move_to(c.cr, x, y - r * 4);
    cairo_line_to(c.cr, x, y + r * 4);
    cairo_stroke(c.cr);
    SetColor(c.cr, {1, 1, 1}, 1);
    cairo_arc(c.cr, x, y, r * 0.55, 0, 2 * M_PI);
    cairo_fill(c.cr);
  }
}

void SpaceBackdrop(const Canvas& c, uint32_t seed, double nebula) {
  Rng rng(seed);
  const double hue = rng.Unit();
  const Rgb na = Hsv(hue, 0.7, 0.7), nb = Hsv(hue + 0.18 + rng.Range(0, 0.2), 0.65, 0.6);
  int stride = 0;
  uint32_t* px = DirectPixels(c, stride);
  if (!px) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, c.w * 0.3, c.h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.012, 0.02, 0.055);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.015, 0.06);
    cairo_set_source(c.cr, g);
    cairo_paint(c.cr);
    cairo_pattern_destroy(g);
    Nebula(c, seed, na, nb, nebula);
  } else {
    // gradient and clouds written straight into the picture's pixels
    const int w = static_cast<int>(c.w), h = static_cast<int>(c.h);
    const int rows = NebulaRows(c);
    const std::vector<float> tex =
        nebula > 0 ? NebulaTexture(rows, seed, na, nb, nebula) : std::vector<float>();
    const double sx = static_cast<double>(kNebulaW) / w, sy = static_cast<double>(rows) / h;
    // the gradient runs along (0.3 w, h): linear in x and y
    const double len = c.w * 0.3 * c.w * 0.3 + c.h * c.h;
    const float gx = static_cast<float>(c.w * 0.3 / len), gy = static_cast<float>(c.h / len);
    struct Column {
      int x0, x1;
      float fx, g;
    };
    std::vector<Column> cols(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
      const double tx = std::clamp((x + 0.5) * sx - 0.5, 0.0, kNebulaW - 1.0);
      const int x0 = static_cast<int>(tx);
      cols[static_cast<size_t>(x)] = {x0 * 4, std::min(kNebulaW - 1, x0 + 1) * 4, static_cast<float>(tx - x0),
                                      (x + 0.5f) * gx};
    }
    auto ch = [](float v) { return static_cast<uint32_t>(std::min(std::max(v, 0.0f), 1.0f) * 255.0f + 0.5f); };
    std::vector<float> line(static_cast<size_t>(kNebulaW) * 4, 0.0f);
    for (int y = 0; y < h; ++y) {
      uint32_t* row = px + static_cast<size_t>(y) * stride;
      const float rowG = (y + 0.5f) * gy;
      if (!tex.empty()) {  // the texture row blended vertically once per picture row
        const double ty = std::clamp((y + 0.5) * sy - 0.5, 0.0, rows - 1.0);
        const int y0 = static_cast<int>(ty), y1 = std::min(rows - 1, y0 + 1);
        const float fy = static_cast<float>(ty - y0);
        const float* a0 = &tex[static_cast<size_t>(y0) * kNebulaW * 4];
        const float* a1 = &tex[static_cast<size_t>(y1) * kNebulaW * 4];
        for (size_t k = 0; k < line.size(); ++k) line[k] = a0[k] + (a1[k] - a0[k]) * fy;
      }
      for (int x = 0; x < w; ++x) {
        const Column& col = cols[static_cast<size_t>(x)];
        const float g = std::min(1.0f, col.g + rowG);
        const float* p0 = &line[static_cast<size_t>(col.x0)];
        const float* p1 = &line[static_cast<size_t>(col.x1)];
        const float r = 0.012f + 0.018f * g + p0[0] + (p1[0] - p0[0]) * col.fx;
        const float gr = 0.02f - 0.005f * g + p0[1] + (p1[1] - p0[1]) * col.fx;
        const float b = 0.055f + 0.005f * g + p0[2] + (p1[2] - p0[2]) * col.fx;
        row[x] = 0xff000000u | (ch(r) << 16) | (ch(gr) << 8) | ch(b);
      }
    }
    cairo_surface_mark_dirty(cairo_get_group_target(c.cr));
  }
  StarField(c, rng, 1.0);
}

void Panel(cairo_t* cr, double x, double y, double w, double h, Rgb face, Rgb edge, double radius) {
  RoundedRect(cr, x, y, w, h, radius);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, face.r * 1.35 + 0.03, face.g * 1.35 + 0.03, face.b * 1.35 + 0.04);
  cairo_pattern_add_color_stop_rgb(g, 0.5, face.r, face.g, face.b);
  cairo_pattern_add_color_stop_rgb(g, 1, face.r * 0.55, face.g * 0.55, face.b * 0.6);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  const double lw = std::max(1.0, std::min(w, h) / 22.0);
  cairo_set_line_width(cr, lw);
  SetColor(cr, edge, 0.9);
  cairo_stroke(cr);
  // top sheen
  RoundedRect(cr, x + lw, y + lw, w - 2 * lw, (h - 2 * lw) * 0.45, std::max(0.0, radius - lw));
  SetColor(cr, {1, 1, 1}, 0.06);
  cairo_fill(cr);
}

std::string CleanText(std::string_view text, size_t maxBytes) {
  std::string out;
  out.reserve(std::min(text.size(), maxBytes) + 8);
  size_t i = 0;
  auto latin1 = [&](unsigned char ch) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  };
  while (i < text.size() && out.size() < maxBytes) {
    const auto ch = static_cast<unsigned char>(text[i]);
    if (ch < 0x20 || ch == 0x7F) {
      out += ' ';
      ++i;
      continue;
    }
    if (ch < 0x80) {
      out += static_cast<char>(ch);
      ++i;
      continue;
    }
    size_t len = (ch >> 5) == 6 ? 2 : (ch >> 4) == 14 ? 3 : (ch >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + len <= text.size();
    for (size_t k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(text[i + k]) >> 6) == 2;
    if (ok && len == 2 && ch < 0xC2) ok = false;  // overlong
    if (ok) {
      out.append(text.substr(i, len));
      i += len;
    } else {
      latin1(ch);
      ++i;
    }
  }
  return out;
}

namespace {

// Unhinted text: glyphs keep their shapes and spacing at every size, so a
// caption drawn for a larger window is the same caption, only sharper.
void SetFont(cairo_t* cr, bool bold, double size) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
  cairo_set_font_size(cr, size);
}

}  // namespace

void Caption(cairo_t* cr, std::string_view text, double x, double y, double w, double h, Rgb color, double maxSize,
             bool bold) {
  const std::string clean = CleanText(text);
  if (clean.empty() || w < 2 || h < 2) return;
  cairo_save(cr);
  double size = std::max(1.0, std::min(maxSize, h * 0.62));
  SetFont(cr, bold, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, clean.c_str(), &ext);
  if (ext.x_advance > w * 0.92 && ext.x_advance > 0) {
    size = std::max(1.0, size * w * 0.92 / ext.x_advance);
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, clean.c_str(), &ext);
  }
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  const double tx = x + (w - ext.x_advance) / 2;
  const double ty = y + (h - (fe.ascent + fe.descent)) / 2 + fe.ascent;
  cairo_move_to(cr, tx + size * 0.06, ty + size * 0.08);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  cairo_show_text(cr, clean.c_str());
  cairo_move_to(cr, tx, ty);
  SetColor(cr, color, 1);
  cairo_show_text(cr, clean.c_str());
  cairo_restore(cr);
}

void Label(cairo_t* cr, std::string_view text, double x, double y, double size, Rgb color, bool bold) {
  const std::string clean = CleanText(text);
  if (clean.empty() || size < 1) return;
  cairo_save(cr);
  SetFont(cr, bold, size);
  cairo_move_to(cr, x, y);
  SetColor(cr, color, 1);
  cairo_show_text(cr, clean.c_str());
  cairo_restore(cr);
}

void StarPath(cairo_t* cr, double x, double y, double outer, double inner, int points, double turn) {
  points = std::max(3, points);
  for (int i = 0; i < points * 2; ++i) {
    const double a = -M_PI / 2 + turn + i * M_PI / points;
    const double r = (i % 2 == 0) ? outer : inner;
    if (i == 0)
      cairo_move_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    else
      cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
  }
  cairo_close_path(cr);
}

}  // namespace qm::art
