#pragma once
// The game's desktop icon: a planet and a fighter on a rounded square of deep
// space, drawn with the art kit's pieces so it matches the game's pictures.
#include <cairo.h>

#include <string>
#include <vector>

namespace qm::icons {

// Draws the icon into the square (0, 0, size, size) of `cr`; small sizes get
// fewer, bolder details so they stay readable.
void DrawIcon(cairo_t* cr, double size);

// Writes OUT/NxN/ID.png for every size and OUT/scalable/ID.svg; false with a
// reason when a file cannot be written.
bool WriteIcons(const std::string& out, const std::string& id, const std::vector<int>& sizes, std::string& error);

}  // namespace qm::icons
