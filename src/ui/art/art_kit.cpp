#include "ui/art/art_kit.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace qm::art {
namespace {

cairo_surface_t* Wrap(Image& image) {
  return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(image.pixels.data()),
                                             CAIRO_FORMAT_ARGB32, image.width, image.height, image.width * 4);
}

}  // namespace

// A plain panel: a dark gradient tinted by the name, the caption centred.
Image Draw(const Request& r) {
  Image image;
  if (r.width < 1 || r.height < 1) return image;
  image.width = r.width;
  image.height = r.height;
  image.pixels.assign(static_cast<size_t>(r.width) * r.height, 0);
  cairo_surface_t* surface = Wrap(image);
  cairo_t* cr = cairo_create(surface);
  const size_t h = std::hash<std::string>{}(r.name);
  const double tint = static_cast<double>(h % 97) / 97.0;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, r.height);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10 + 0.1 * tint, 0.12, 0.20);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.02, 0.03, 0.06 + 0.05 * tint);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  if (!r.caption.empty()) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, std::max(8.0, std::min(r.height * 0.45, 18.0)));
    cairo_text_extents_t ext;
    cairo_text_extents(cr, r.caption.c_str(), &ext);
    cairo_move_to(cr, (r.width - ext.width) / 2 - ext.x_bearing, (r.height - ext.height) / 2 - ext.y_bearing);
    cairo_set_source_rgb(cr, 0.85, 0.9, 1.0);
    cairo_show_text(cr, r.caption.c_str());
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  return image;
}

bool WritePng(const Image& image, const std::string& path) {
  if (image.width < 1 || image.height < 1) return false;
  Image copy = image;
  cairo_surface_t* surface = Wrap(copy);
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace qm::art
