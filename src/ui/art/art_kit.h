#pragma once
// The built-in art kit: draws any picture of the game from its file name, so
// every screen is complete without picture files. It uses Cairo only (no
// window system), draws at the real pixel size it is asked for, and is safe to
// call with any name: an unknown name still gives a tasteful picture.
#include <cstdint>
#include <string>
#include <vector>

namespace qm::art {

struct Request {
  std::string name;     // bare picture file name, e.g. "Earth.jpg", "StartScreen_06_Highlighted.jpg"
  int width = 0;        // pixel size to draw at (the canvas size times the window's scale)
  int height = 0;
  std::string caption;  // text a button or panel picture carries, if any (drawn by the kit)
};

// Premultiplied ARGB, one uint32_t per pixel, row-major, no padding (Cairo's ARGB32 layout).
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Draws the picture; width or height below 1 (or above 16384) give an empty image.
// The same request always gives the same pixels.
Image Draw(const Request& request);

// The family a name is drawn by ("planet", "ship", "button", ... or "fallback").
std::string FamilyOf(const std::string& name);

// A sensible size for a picture whose screen gives no size of its own
// (e.g. a location picture 40 x 40, a ship scene 300 x 200).
struct Size {
  int width = 0;
  int height = 0;
};
Size NaturalSize(const std::string& name);

// Writes an image as PNG (for screenshots and contact sheets); false on failure.
bool WritePng(const Image& image, const std::string& path);

}  // namespace qm::art
