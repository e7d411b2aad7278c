#pragma once
// The side view's coordinate frame: u runs from the tail (0) to the nose (1),
// v from the top (-0.5) to the bottom (0.5) of the ship's box.
#include <cairo.h>

#include "art/paint.h"
#include "art/ship_shape.h"

namespace qm::art {

struct SideFrame {
  double x0 = 0, y0 = 0, L = 1, H = 1;
  double X(double u) const { return x0 + u * L; }
  double Y(double v) const { return y0 + (v + 0.5) * H; }
  void Move(cairo_t* cr, double u, double v) const { cairo_move_to(cr, X(u), Y(v)); }
  void Line(cairo_t* cr, double u, double v) const { cairo_line_to(cr, X(u), Y(v)); }
  void Curve(cairo_t* cr, double u1, double v1, double u2, double v2, double u3, double v3) const {
    cairo_curve_to(cr, X(u1), Y(v1), X(u2), Y(v2), X(u3), Y(v3));
  }
  void Rect(cairo_t* cr, double u, double v, double du, double dv) const {
    cairo_rectangle(cr, X(u), Y(v), du * L, dv * H);
  }
};

// The largest frame of the ship's proportions inside the box, centred.
SideFrame FitSide(const ShipShape& s, double x, double y, double w, double h);
void SideHullPath(cairo_t* cr, const ShipShape& s, const SideFrame& f);
void DeckPath(cairo_t* cr, const ShipShape& s, const SideFrame& f);
void ShipSideShape(const Canvas& c, const ShipShape& s, int faction, double x, double y, double w, double h);

}  // namespace qm::art
