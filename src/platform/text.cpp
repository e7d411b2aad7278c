#include "platform/text.h"

#include <SDL_ttf.h>

#include <cmath>
#include <map>
#include <tuple>

namespace qm::platform {
namespace {

const char* const kFontFolder = "/usr/share/fonts/truetype/dejavu/";

const char* FontFile(Font f) {
  switch (f) {
    case Font::Sans: return "DejaVuSans.ttf";
    case Font::SansBold: return "DejaVuSans-Bold.ttf";
    case Font::Serif: return "DejaVuSerif.ttf";
    case Font::SerifBold: return "DejaVuSerif-Bold.ttf";
    case Font::Condensed: return "DejaVuSansCondensed.ttf";
    case Font::CondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    case Font::Mono: return "DejaVuSansMono.ttf";
  }
  return "DejaVuSans.ttf";
}

std::map<std::pair<Font, int>, TTF_Font*>& Fonts() {
  static std::map<std::pair<Font, int>, TTF_Font*> fonts;
  return fonts;
}

// Text is rendered white and tinted when drawn, so one texture serves every colour.
struct Rendered {
  SDL_Texture* texture = nullptr;
  int w = 0, h = 0;  // pixels
};
using Key = std::tuple<std::string, Font, int, int, Align>;
std::map<Key, Rendered>& Cache() {
  static std::map<Key, Rendered> cache;
  return cache;
}
constexpr size_t kMaxTexts = 800;
// The texts' pixels at the window's scale 1; the cache starts afresh past it.
constexpr size_t kMaxTextBytes = 6u << 20;
size_t textBytes = 0;

int PixelSize(int size) { return std::max(4, static_cast<int>(std::lround(size * Scale()))); }

TTF_Font* FontAt(Font f, int px) {
  auto [it, fresh] = Fonts().try_emplace({f, px}, nullptr);
  if (fresh) {
    it->second = TTF_OpenFont((std::string(kFontFolder) + FontFile(f)).c_str(), px);
    if (!it->second) it->second = TTF_OpenFont((std::string(kFontFolder) + FontFile(Font::Sans)).c_str(), px);
  }
  return it->second;
}

const Rendered* Render(const std::string& text, int width, const TextStyle& style) {
  if (text.empty() || !Renderer()) return nullptr;
  const int px = PixelSize(style.size);
  const int wrapPx = style.wrap ? std::max(1, static_cast<int>(std::lround(width * Scale()))) : 0;
  const Key key{text, style.font, px, wrapPx, style.align};
  auto found = Cache().find(key);
  if (found != Cache().end()) return &found->second;
  if (Cache().size() >= kMaxTexts || textBytes > kMaxTextBytes * Scale() * Scale()) ClearTextCache();
  TTF_Font* font = FontAt(style.font, px);
  if (!font) return nullptr;
  TTF_SetFontWrappedAlign(font, style.align == Align::Centre  ? TTF_WRAPPED_ALIGN_CENTER
                                : style.align == Align::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                              : TTF_WRAPPED_ALIGN_LEFT);
  const SDL_Color white{255, 255, 255, 255};
  SDL_Surface* surface = style.wrap ? TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), white, wrapPx)
                                    : TTF_RenderUTF8_Blended(font, text.c_str(), white);
  Rendered r;
  if (surface) {
    r.texture = SDL_CreateTextureFromSurface(Renderer(), surface);
    r.w = surface->w;
    r.h = surface->h;
    textBytes += static_cast<size_t>(r.w) * r.h * 4;
    SDL_FreeSurface(surface);
  }
  return &Cache().emplace(key, r).first->second;
}

}  // namespace

bool OpenFonts(std::string& error) {
  if (!TTF_WasInit() && TTF_Init() != 0) {
    error = std::string("the font library cannot be started: ") + TTF_GetError();
    return false;
  }
  if (!FontAt(Font::Sans, 12)) {
    error = std::string("the DejaVu fonts are missing (") + kFontFolder + "): " + TTF_GetError();
    return false;
  }
  return true;
}

void CloseFonts() {
  ClearTextCache();
  for (auto& [k, f] : Fonts())
    if (f) TTF_CloseFont(f);
  Fonts().clear();
  if (TTF_WasInit()) TTF_Quit();
}

void ClearTextCache() {
  for (auto& [k, r] : Cache())
    if (r.texture) SDL_DestroyTexture(r.texture);
  Cache().clear();
  textBytes = 0;
}

void MeasureText(const std::string& text, int width, const TextStyle& style, int& w, int& h) {
  w = h = 0;
  const Rendered* r = Render(text, width, style);
  if (!r) return;
  w = static_cast<int>(std::ceil(r->w / Scale()));
  h = static_cast<int>(std::ceil(r->h / Scale()));
}

int DrawText(const std::string& text, const Rect& rect, const TextStyle& style) {
  const Rendered* r = Render(text, rect.w, style);
  if (!r || !r->texture) return 0;
  const SDL_Rect box = ToPixels(rect);
  SDL_Rect dst{box.x, box.y, r->w, r->h};
  if (style.align == Align::Centre) dst.x = box.x + (box.w - r->w) / 2;
  if (style.align == Align::Right) dst.x = box.x + box.w - r->w;
  if (style.middle) dst.y = box.y + (box.h - r->h) / 2;
  // Wrapped text that runs more than a line past its rectangle shows the whole
  // lines that fit, from the top, instead of spilling over its neighbours.
  SDL_Rect src{0, 0, r->w, r->h};
  if (style.wrap && r->h > box.h) {
    TTF_Font* font = FontAt(style.font, PixelSize(style.size));
    const int line = font ? std::max(1, TTF_FontLineSkip(font)) : r->h;
    if (r->h - box.h > line) {
      src.h = dst.h = std::max(line, box.h / line * line);
      dst.y = box.y;
    }
  }
  if (style.shadow) {
    const int off = std::max(1, static_cast<int>(std::lround(Scale())));
    SDL_Rect sh{dst.x + off, dst.y + off, dst.w, dst.h};
    SDL_SetTextureColorMod(r->texture, 0, 0, 0);
    SDL_SetTextureAlphaMod(r->texture, static_cast<Uint8>(style.color.a * 3 / 4));
    SDL_RenderCopy(Renderer(), r->texture, &src, &sh);
  }
  SDL_SetTextureColorMod(r->texture, style.color.r, style.color.g, style.color.b);
  SDL_SetTextureAlphaMod(r->texture, style.color.a);
  SDL_RenderCopy(Renderer(), r->texture, &src, &dst);
  return static_cast<int>(std::ceil(dst.h / Scale()));
}

}  // namespace qm::platform
