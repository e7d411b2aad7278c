// Draws the laid-out pages into a PDF: text with the toy font API (DejaVu),
// the art kit's pictures at print resolution, links from the contents, the
// bookmarks, running heads and page numbers.
#include "manual/typeset.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "art/art_kit.h"
#include "manual/pages.h"

namespace qm::manual {
namespace {

// Pixels per point of the pictures: 2.5 gives 180 dpi, sharp on paper and on screen.
constexpr double kPixelsPerPoint = 2.5;
constexpr int kMaxPictureSide = 2000;

void Paint(cairo_t* cr, const art::Rgb& c, double alpha = 1) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

std::string Link(int page, double y) {
  return "page=" + std::to_string(page) + " pos=[" + std::to_string(static_cast<int>(kLeft)) + " " +
         std::to_string(static_cast<int>(std::max(0.0, y - 8))) + "]";
}

class Renderer {
 public:
  Renderer(cairo_t* cr, const Measure& m, const Layout& layout) : cr_(cr), m_(m), layout_(layout) {}
  ~Renderer() {
    for (auto& [key, surface] : pictures_) cairo_surface_destroy(surface);
  }
  void Page(const manual::Page& page, int number);

 private:
  void DrawText(const Item& i);
  void DrawImage(const Item& i);
  cairo_surface_t* PictureSurface(const Picture& p, int pw, int ph);

  cairo_t* cr_;
  const Measure& m_;
  const Layout& layout_;
  // One surface per picture and size, so a picture used twice is embedded once.
  std::map<std::string, cairo_surface_t*> pictures_;
};

void Renderer::DrawText(const Item& i) {
  const std::string text = i.pageNumberOfLink ? std::to_string(layout_.headings[static_cast<size_t>(i.link)].page)
                                              : i.text;
  if (text.empty()) return;
  m_.Select(i.style);
  double x = i.x;
  if (i.rightAligned) x -= m_.Width(i.style, text);
  const bool linked = i.link >= 0;
  if (linked) {
    const size_t h = static_cast<size_t>(i.link);
    cairo_tag_begin(cr_, CAIRO_TAG_LINK, Link(layout_.headings[h].page, layout_.headingTop[h]).c_str());
  }
  Paint(cr_, i.color, i.alpha);
  cairo_move_to(cr_, x, i.y);
  cairo_show_text(cr_, text.c_str());
  if (linked) cairo_tag_end(cr_, CAIRO_TAG_LINK);
}

cairo_surface_t* Renderer::PictureSurface(const Picture& p, int pw, int ph) {
  const std::string key = p.name + "|" + p.label + "|" + std::to_string(pw) + "x" + std::to_string(ph);
  if (auto it = pictures_.find(key); it != pictures_.end()) return it->second;
  const art::Image image = art::Draw({p.name, pw, ph, p.label, kPixelsPerPoint});
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pw, ph);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < image.height && data; ++y)
    std::copy_n(image.pixels.data() + static_cast<size_t>(y) * image.width, image.width,
                reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride));
  cairo_surface_mark_dirty(s);
  pictures_[key] = s;
  return s;
}

void Renderer::DrawImage(const Item& i) {
  const double k = std::min(kPixelsPerPoint, kMaxPictureSide / std::max(i.w, i.h));
  const int pw = std::max(1, static_cast<int>(std::lround(i.w * k)));
  const int ph = std::max(1, static_cast<int>(std::lround(i.h * k)));
  cairo_surface_t* s = PictureSurface(i.picture, pw, ph);
  cairo_save(cr_);
  cairo_translate(cr_, i.x, i.y);
  cairo_scale(cr_, i.w / pw, i.h / ph);
  cairo_set_source_surface(cr_, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Renderer::Page(const manual::Page& page, int number) {
  for (const Item& i : page.items) {
    switch (i.kind) {
      case Item::Text: DrawText(i); break;
      case Item::Image: DrawImage(i); break;
      case Item::Box:
        Paint(cr_, i.color, i.alpha);
        cairo_rectangle(cr_, i.x, i.y, i.w, i.h);
        cairo_fill(cr_);
        break;
      case Item::Rule: {
        if (i.w <= 0) break;
        Paint(cr_, i.color, i.alpha);
        cairo_set_line_width(cr_, i.h);
        const double dots[] = {0.8, 3.2};
        cairo_set_dash(cr_, dots, i.dotted ? 2 : 0, 0);
        cairo_set_line_cap(cr_, i.dotted ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
        cairo_move_to(cr_, i.x, i.y);
        cairo_line_to(cr_, i.x + i.w, i.y);
        cairo_stroke(cr_);
        cairo_set_dash(cr_, nullptr, 0, 0);
        break;
      }
    }
  }
  const art::Rgb grey{0.45, 0.48, 0.53};
  if (!page.runningHead.empty()) {
    const Style head{true, false, 7.8};
    Item t;
    t.text = page.runningHead, t.style = head, t.color = grey, t.x = kRight, t.y = kTop - 22, t.rightAligned = true;
    DrawText(t);
    t.text = "Quellmark \u2014 Player\u2019s Manual", t.x = kLeft, t.rightAligned = false;
    DrawText(t);
    Paint(cr_, {0.75, 0.78, 0.83});
    cairo_set_line_width(cr_, 0.5);
    cairo_move_to(cr_, kLeft, kTop - 16);
    cairo_line_to(cr_, kRight, kTop - 16);
    cairo_stroke(cr_);
  }
  if (page.numbered) {
    Item t;
    t.text = std::to_string(number), t.style = Style{true, false, 8.5}, t.color = grey;
    t.x = kPageW / 2 + m_.Width(t.style, t.text) / 2, t.y = kPageH - 40, t.rightAligned = true;
    DrawText(t);
  }
}

cairo_status_t Discard(void*, const unsigned char*, unsigned int) { return CAIRO_STATUS_SUCCESS; }

void SetFontOptions(cairo_t* cr) {
  // Unhinted metrics: what the layout measures is what the PDF shows.
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

}  // namespace

bool WritePdf(const Document& doc, const PdfInfo& info, const std::string& path, TypesetResult& result,
              std::string& error) {
  // Lay out first (measuring on a PDF surface that writes nothing), then draw.
  cairo_surface_t* scratch = cairo_pdf_surface_create_for_stream(Discard, nullptr, kPageW, kPageH);
  cairo_t* measureCr = cairo_create(scratch);
  SetFontOptions(measureCr);
  const Measure measure(measureCr);
  const Layout layout = LayOut(doc, measure);
  if (!layout.problems.empty()) {
    error = "the manual does not fit its pages: " + layout.problems.front();
    cairo_destroy(measureCr);
    cairo_surface_destroy(scratch);
    return false;
  }

  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), kPageW, kPageH);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, info.title.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_SUBJECT, info.subject.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, info.author.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "quellmark-manual");
  // A fixed date keeps the file the same from build to build.
  const std::string date = info.date + "T00:00:00Z";
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, date.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_MOD_DATE, date.c_str());
  cairo_t* cr = cairo_create(surface);
  SetFontOptions(cr);
  {
    const Measure drawMeasure(cr);
    Renderer renderer(cr, drawMeasure, layout);
    for (size_t p = 0; p < layout.pages.size(); ++p) {
      renderer.Page(layout.pages[p], static_cast<int>(p) + 1);
      cairo_show_page(cr);
    }
  }
  int chapter = CAIRO_PDF_OUTLINE_ROOT;
  for (size_t h = 0; h < layout.headings.size(); ++h) {
    const TypesetHeading& head = layout.headings[h];
    const std::string target = Link(head.page, layout.headingTop[h]);
    const int id = cairo_pdf_surface_add_outline(surface, head.level == 1 ? CAIRO_PDF_OUTLINE_ROOT : chapter,
                                                 head.title.c_str(), target.c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
    if (head.level == 1) chapter = id;
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  cairo_destroy(measureCr);
  cairo_surface_destroy(scratch);
  if (status != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + path + ": " + cairo_status_to_string(status);
    return false;
  }
  result.pages = static_cast<int>(layout.pages.size());
  result.headings = layout.headings;
  return true;
}

}  // namespace qm::manual
