// The art kit's entry point: takes the picture name apart, asks the families
// in order which one draws it, and hands back the pixels.
#include "art/art_kit.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>

#include "art/families.h"

namespace qm::art {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}
bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

int TrailingNumber(std::string_view s, int fallback) {
  size_t i = s.size();
  while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1]))) --i;
  if (i == s.size()) return fallback;
  long long v = 0;
  for (size_t k = i; k < s.size(); ++k) v = std::min<long long>(INT_MAX, v * 10 + (s[k] - '0'));
  return static_cast<int>(v);
}

int FactionOfWord(std::string_view stem) {
  struct Word {
    std::string_view word;
    int faction;
  };
  static constexpr Word kWords[] = {{"pirate", 0},
                                                   {"federation", 1},
                                                   {"fed", 1},
                                                   {"outerrim", 2},
                                                   {"outer", 2},
                                                   {"or", 2},
                                                   {"coalition", 3},
                                                   {"coal", 3},
                                                   {"syndicate", 4},
                                                   {"synd", 4}};
  std::string low;
  for (char ch : stem.substr(0, 16)) low += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  for (const Word& w : kWords) {
    if (!StartsWith(low, w.word)) continue;
    // A short word counts only when it ends there ("Fed_Rank3", "ORAwardBackgr"), not in "Orion".
    const char next = stem.size() > w.word.size() ? stem[w.word.size()] : '\0';
    if (next == '\0' || next == '_' || next == '-' || std::isupper(static_cast<unsigned char>(next)) ||
        w.word.size() > 3)
      return w.faction;
  }
  return -1;
}

Name ParseName(std::string_view file) {
  // Only the base name counts; any folder part is ignored.
  const size_t slash = file.find_last_of("/\\");
  if (slash != std::string_view::npos) file = file.substr(slash + 1);
  Name n;
  const size_t dot = file.find_last_of('.');
  std::string_view ext;
  if (dot != std::string_view::npos) {
    ext = file.substr(dot + 1);
    file = file.substr(0, dot);
  }
  n.stem = std::string(file.substr(0, 200));
  n.low.reserve(n.stem.size());
  for (char ch : n.stem) n.low += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  n.bmp = ext.size() == 3 && std::tolower(static_cast<unsigned char>(ext[0])) == 'b' &&
          std::tolower(static_cast<unsigned char>(ext[1])) == 'm' &&
          std::tolower(static_cast<unsigned char>(ext[2])) == 'p';
  return n;
}

namespace {

struct Family {
  const char* label;
  MatchFn match;
  DrawFn draw;
  Size natural;
};

// Asked in this order; the first family that knows the name draws it.
const std::array<Family, 13> kFamilies = {{
    {"gauge", MatchGauge, DrawGauge, {120, 16}},
    {"fleet", MatchFleetSymbol, DrawFleetSymbol, {48, 32}},
    {"missile", MatchMissile, DrawMissile, {80, 24}},
    {"icon", MatchIcon, DrawIcon, {48, 48}},
    {"ship", MatchShip, DrawShip, {300, 200}},
    // Mission badges end in "Logo" like the faction logos, so they come first.
    {"emblem", MatchEmblem, DrawEmblem, {62, 62}},
    {"insignia", MatchInsignia, DrawInsignia, {64, 64}},
    {"portrait", MatchPortrait, DrawPortrait, {100, 120}},
    {"object", MatchSpaceObject, DrawSpaceObject, {40, 40}},
    {"planet", MatchPlanet, DrawPlanet, {40, 40}},
    {"scene", MatchScene, DrawScene, {300, 200}},
    // The boarding areas are screen items too, so they report as buttons.
    {"button", MatchCrewCombat, DrawCrewCombat, {236, 100}},
    {"button", MatchButton, DrawButton, {160, 30}},
}};

const Family* FamilyFor(const Name& n) {
  for (const Family& f : kFamilies)
    if (f.match(n)) return &f;
  return nullptr;
}

cairo_surface_t* Wrap(Image& image) {
  return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(image.pixels.data()),
                                             CAIRO_FORMAT_ARGB32, image.width, image.height, image.width * 4);
}

constexpr int kMaxSide = 16384;
constexpr long long kMaxPixels = 64ll * 1024 * 1024;

}  // namespace

Image Draw(const Request& r) {
  Image image;
  if (r.width < 1 || r.height < 1 || r.width > kMaxSide || r.height > kMaxSide ||
      static_cast<long long>(r.width) * r.height > kMaxPixels)
    return image;
  image.width = r.width;
  image.height = r.height;
  image.pixels.assign(static_cast<size_t>(r.width) * r.height, 0);
  cairo_surface_t* surface = Wrap(image);
  cairo_t* cr = cairo_create(surface);
  const Canvas canvas{cr, static_cast<double>(r.width), static_cast<double>(r.height), r.scale > 0 ? r.scale : 1.0};
  const Name name = ParseName(r.name);
  const Family* family = FamilyFor(name);
  cairo_save(cr);
  if (family)
    family->draw(canvas, name, r.caption);
  else
    DrawFallback(canvas, name, r.caption);
  cairo_restore(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  return image;
}

std::string FamilyOf(const std::string& name) {
  const Family* f = FamilyFor(ParseName(name));
  return f ? f->label : "fallback";
}

Size NaturalSize(const std::string& name) {
  const Name n = ParseName(name);
  const Family* f = FamilyFor(n);
  if (!f) return {160, 120};
  const std::string_view label = f->label;
  // A few families hold pictures of very different sizes; the name tells which.
  if (label == "ship") {
    if (EndsWith(n.low, "_scene_sm")) return {150, 100};
    if (EndsWith(n.low, "_topwire")) return {120, 90};
    if (EndsWith(n.low, "_sidewire")) return {300, 120};
    if (Contains(n.low, "_l_") || Contains(n.low, "_r_")) return {260, 150};
  }
  if ((label == "planet" || label == "object") && (EndsWith(n.low, "r") || EndsWith(n.low, "rg")))
    return {200, 200};
  if (label == "gauge" && (StartsWith(n.low, "combo_") || StartsWith(n.low, "ap8x"))) return {120, 20};
  if (label == "gauge" && StartsWith(n.low, "shield_")) return {20, 120};
  if (label == "gauge" && Contains(n.low, "reinforcements")) return {64, 64};
  return f->natural;
}

bool WritePng(const Image& image, const std::string& path) {
  if (image.width < 1 || image.height < 1 ||
      image.pixels.size() != static_cast<size_t>(image.width) * image.height)
    return false;
  Image copy = image;
  cairo_surface_t* surface = Wrap(copy);
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace qm::art
