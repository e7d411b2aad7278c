#pragma once
// Text with SDL_ttf and the DejaVu fonts, rendered at the window's real pixel
// size and cached by text, style and size.
#include <string>

#include "platform/platform.h"

namespace qm::platform {

enum class Font { Sans, SansBold, Serif, SerifBold, Condensed, CondensedBold, Mono };
enum class Align { Left, Centre, Right };

struct TextStyle {
  Font font = Font::Sans;
  int size = 12;  // in canvas units
  Color color{220, 228, 240, 255};
  Align align = Align::Left;
  bool wrap = true;      // wrap at the rectangle's width
  bool middle = false;   // centre vertically in the rectangle
  bool shadow = false;   // a dark drop shadow under the text
};

// Opens the fonts; false (and `error`) when no DejaVu font can be found.
bool OpenFonts(std::string& error);
void CloseFonts();

// Draws `text` (UTF-8) into the canvas rectangle; returns the height used in canvas units.
int DrawText(const std::string& text, const Rect& r, const TextStyle& style);
// The size the text takes when drawn into a rectangle `width` wide.
void MeasureText(const std::string& text, int width, const TextStyle& style, int& w, int& h);
void ClearTextCache();

}  // namespace qm::platform
