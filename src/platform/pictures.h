#pragma once
// Pictures by bare file name. A file is looked up in the data folders (--data,
// the working directory, the installed data folder, in that order); a missing,
// unreadable or corrupt file is drawn by the art kit instead, so a screen is
// always complete. Textures are cached by name, pixel size and caption.
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "art/art_kit.h"

namespace qm::platform {

// The folders searched for pictures, music and sounds, first match wins.
void SetDataFolders(const std::vector<std::string>& folders);
const std::vector<std::string>& DataFolders();
// The full path of a data file, or "" when no folder holds it.
std::string FindDataFile(const std::string& name);

// Decodes a .jpg (libjpeg) or .bmp (SDL) file; nothing when it is missing or
// cannot be decoded.
std::optional<art::Image> LoadPictureFile(const std::string& path);

// Draws picture `name` into the canvas rectangle; `caption` is handed to the art
// kit when it draws the picture.
void DrawPicture(const std::string& name, const Rect& r, const std::string& caption = "");
// Forgets every texture (after a change of the window's scale).
void ClearPictureCache();
// The cache holds at most about PictureBudget() bytes of pixels (more only while
// one frame draws more): the pictures drawn longest ago are dropped first. The
// default budget grows with the square of the window's scale; 0 restores it.
size_t PictureBudget();
void SetPictureBudget(size_t bytes);
// Marks the start of a frame: pictures drawn from now on belong to it.
void NewPictureFrame();
// Drops what was not drawn lately, down to half the budget (a screen closed).
void TrimPictureCache();
size_t CachedPictureCount();
size_t CachedPictureBytes();

}  // namespace qm::platform
