#pragma once
// The typesetter's inner interface: the layout places everything on pages as
// positioned items (layout.cpp); the renderer draws them (typeset.cpp). Page
// numbers of the contents are filled in at drawing time, when all are known.
#include <cairo.h>

#include <string>
#include <vector>

#include "art/paint.h"
#include "manual/document.h"
#include "manual/typeset.h"

namespace qm::manual {

// A4 in points, and the type area.
constexpr double kPageW = 595.28, kPageH = 841.89;
constexpr double kLeft = 58, kRight = kPageW - 58, kTop = 66, kBottom = kPageH - 66;

struct Style {
  bool sans = false;
  bool bold = false;
  double size = 9.8;
};

struct Item {
  enum Kind { Text, Box, Rule, Image } kind = Text;
  double x = 0, y = 0, w = 0, h = 0;  // Text: x and the baseline y
  std::string text;
  Style style;
  art::Rgb color;
  double alpha = 1;
  bool rightAligned = false;  // Text: x is the right edge
  Picture picture;            // Image
  int link = -1;              // the heading this item links to (contents lines)
  bool pageNumberOfLink = false;  // Text: shows the linked heading's page instead of `text`
  bool dotted = false;            // Rule: a dotted leader
};

struct Page {
  std::vector<Item> items;
  std::string runningHead;  // the chapter, shown at the top; "" for none
  bool numbered = true;
};

struct Layout {
  std::vector<Page> pages;
  std::vector<TypesetHeading> headings;
  std::vector<double> headingTop;  // where each heading stands on its page
  std::vector<std::string> problems;  // blocks that could not be placed properly
};

// Text widths in a style, as the PDF will draw them.
class Measure {
 public:
  explicit Measure(cairo_t* cr) : cr_(cr) {}
  void Select(const Style& s) const;
  double Width(const Style& s, const std::string& text) const;

 private:
  cairo_t* cr_;
};

Layout LayOut(const Document& doc, const Measure& measure);

}  // namespace qm::manual
