#include "icons/icon.h"

#include <cairo-svg.h>

#include <cmath>
#include <filesystem>

#include "art/families.h"
#include "art/paint.h"

namespace qm::icons {
namespace {

using art::Rgb;

// The rounded square of deep space every size starts from.
void Backdrop(cairo_t* cr, double s) {
  const double inset = s * 0.04, r = s * 0.2;
  art::RoundedRect(cr, inset, inset, s - 2 * inset, s - 2 * inset, r);
  cairo_pattern_t* g = cairo_pattern_create_radial(s * 0.62, s * 0.3, s * 0.05, s * 0.5, s * 0.5, s * 0.72);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.13, 0.30);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.03, 0.05, 0.13);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.01, 0.015, 0.04);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  art::SetColor(cr, art::ui::kCyan, 0.85);
  cairo_set_line_width(cr, std::max(1.0, s * 0.025));
  cairo_stroke(cr);
}

// A few fixed stars (the same every build); left out where they would be noise.
void Stars(cairo_t* cr, double s) {
  if (s < 32) return;
  static constexpr double kStars[][3] = {{0.22, 0.2, 1.0}, {0.36, 0.14, 0.6}, {0.8, 0.22, 0.8}, {0.7, 0.12, 0.5},
                                         {0.16, 0.42, 0.5}, {0.86, 0.5, 0.6}, {0.55, 0.22, 0.4}, {0.3, 0.3, 0.4}};
  for (const auto& st : kStars) {
    const double r = s * 0.008 * st[2] + 0.4;
    art::Glow(cr, s * st[0], s * st[1], r * 3, {0.85, 0.9, 1.0}, 0.9);
  }
}

}  // namespace

void DrawIcon(cairo_t* cr, double s) {
  cairo_save(cr);
  Backdrop(cr, s);
  // Everything else stays inside the square.
  const double inset = s * 0.04;
  art::RoundedRect(cr, inset, inset, s - 2 * inset, s - 2 * inset, s * 0.2);
  cairo_clip(cr);
  Stars(cr, s);
  const art::Canvas canvas{cr, s, s, 1.0};
  // The planet, low on the left, its rim catching the light.
  const double px = s * 0.38, py = s * 0.7, pr = s * 0.34;
  art::Glow(cr, px, py, pr * 1.25, {0.3, 0.6, 1.0}, 0.45);
  art::PlanetDisc(canvas, "earth4", px, py, pr);
  // The fighter crossing it, nose up and to the right.
  cairo_save(cr);
  cairo_translate(cr, s * 0.56, s * 0.44);
  cairo_rotate(cr, -0.42);
  const double w = s * (s < 32 ? 0.86 : 0.74), h = w * 0.42;
  art::ShipSide(canvas, "avenger", 1, -w / 2, -h / 2, w, h);
  cairo_restore(cr);
  cairo_restore(cr);
}

bool WriteIcons(const std::string& out, const std::string& id, const std::vector<int>& sizes, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (int size : sizes) {
    const fs::path dir = fs::path(out) / (std::to_string(size) + "x" + std::to_string(size));
    fs::create_directories(dir, ec);
    const std::string file = (dir / (id + ".png")).string();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, size);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) return error = "cannot write " + file, false;
  }
  const fs::path dir = fs::path(out) / "scalable";
  fs::create_directories(dir, ec);
  const std::string file = (dir / (id + ".svg")).string();
  // Drawn on a 512-unit square: the planet's shading is as fine as the largest PNG.
  // SVG 1.2 keeps the ship's additive engine glow as vectors; restricted to 1.1,
  // Cairo would fall back to one big picture of the whole icon.
  cairo_surface_t* svg = cairo_svg_surface_create(file.c_str(), 512, 512);
  cairo_svg_surface_restrict_to_version(svg, CAIRO_SVG_VERSION_1_2);
  cairo_t* cr = cairo_create(svg);
  DrawIcon(cr, 512);
  cairo_destroy(cr);
  cairo_surface_finish(svg);
  const bool ok = cairo_surface_status(svg) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(svg);
  if (!ok) return error = "cannot write " + file, false;
  return true;
}

}  // namespace qm::icons
