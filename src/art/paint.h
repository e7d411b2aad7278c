#pragma once
// Shared drawing helpers of the art kit: colours, a seeded generator, the
// deep-space backdrop, glows, panels and captions. Every size is given in
// pixels of the picture being drawn, so callers work relative to its width
// and height and every picture stays sharp at any size.
#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace qm::art {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb c, double k);
Rgb Hex(uint32_t rgb);
Rgb Hsv(double h, double s, double v);  // h in turns (0..1)

// FNV-1a: stable across builds and platforms, so pictures never change by accident.
uint32_t Hash(std::string_view text);

// A small deterministic generator (SplitMix64).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint32_t Next();
  double Unit();                          // [0, 1)
  double Range(double lo, double hi);     // [lo, hi)
  int Int(int n);                         // 0..n-1, 0 for n < 1
  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t state_;
};

// The picture being drawn.
struct Canvas {
  cairo_t* cr = nullptr;
  double w = 0;
  double h = 0;
  double scale = 1.0;  // pixels per canvas unit
  double Min() const { return w < h ? w : h; }
};

// Faction colours: index 0 pirates, 1..4 the factions, anything else neutral.
struct Livery {
  Rgb hull, hullDark, accent, trim, engine;
};
const Livery& LiveryOf(int faction);
Rgb FactionColor(int faction);  // the faction's signature colour (logos, blips, ribbons)

// The interface colours every screen shares.
namespace ui {
inline constexpr Rgb kInk{0.86, 0.92, 1.0};        // text
inline constexpr Rgb kCyan{0.267, 0.588, 0.969};   // highlight (the map's highlight colour)
inline constexpr Rgb kAmber{1.0, 0.72, 0.25};      // switched on
inline constexpr Rgb kSteel{0.12, 0.16, 0.24};     // panel face
inline constexpr Rgb kDeep{0.02, 0.03, 0.07};      // darkest background
}  // namespace ui

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft round light: full colour at the centre fading to nothing at `radius`.
void Glow(cairo_t* cr, double x, double y, double radius, Rgb c, double alpha);

// Deep space: gradient, nebula clouds and stars. `nebula` 0..1 scales the clouds.
void SpaceBackdrop(const Canvas& c, uint32_t seed, double nebula);
void StarField(const Canvas& c, Rng& rng, double density);
// Smooth clouds (value noise rendered small and scaled up) in two colours.
void Nebula(const Canvas& c, uint32_t seed, Rgb a, Rgb b, double strength);

// A bevelled interface panel filling the rectangle.
void Panel(cairo_t* cr, double x, double y, double w, double h, Rgb face, Rgb edge, double radius);
// Text centred in a box, shrunk to fit; invalid UTF-8 is repaired first.
void Caption(cairo_t* cr, std::string_view text, double x, double y, double w, double h, Rgb color,
             double maxSize, bool bold = true);
// Single line at a baseline position, left aligned.
void Label(cairo_t* cr, std::string_view text, double x, double y, double size, Rgb color, bool bold = false);

// Valid UTF-8 (invalid bytes read as Latin-1), at most `maxBytes` long.
std::string CleanText(std::string_view text, size_t maxBytes = 256);

// 2D/3D value noise in 0..1 (smooth, deterministic) and a few octaves of it.
double Noise2(double x, double y, uint32_t seed);
double Noise3(double x, double y, double z, uint32_t seed);
double Fbm3(double x, double y, double z, uint32_t seed, int octaves);

// Five-pointed (or n-pointed) star path centred at (x, y).
void StarPath(cairo_t* cr, double x, double y, double outer, double inner, int points, double turn = 0);

}  // namespace qm::art
