#include "platform/platform.h"

#include <algorithm>
#include <cmath>

namespace qm::platform {
namespace {

struct State {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  double scale = 1.0;
  SDL_Rect canvas{0, 0, kCanvasWidth, kCanvasHeight};
  double pointToPixel = 1.0;  // window points -> renderer pixels (high-DPI screens)
  bool virtualClock = false;
  uint64_t virtualNow = 0;
  bool fullscreen = false;
};

State s;

}  // namespace

bool Open(const StartOptions& options, std::string& error) {
  if (s.window) return true;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_HIGHDPI_DISABLED, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    error = std::string("the window system cannot be started: ") + SDL_GetError();
    return false;
  }
  Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (options.hidden) flags |= SDL_WINDOW_HIDDEN;
  s.window = SDL_CreateWindow("Quellmark", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kCanvasWidth,
                              kCanvasHeight, flags);
  if (!s.window) {
    error = std::string("the window cannot be opened: ") + SDL_GetError();
    SDL_Quit();
    return false;
  }
  SDL_SetWindowMinimumSize(s.window, kCanvasWidth / 2, kCanvasHeight / 2);
  s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
  if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
  if (!s.renderer) {
    error = std::string("no renderer: ") + SDL_GetError();
    SDL_DestroyWindow(s.window);
    s.window = nullptr;
    SDL_Quit();
    return false;
  }
  SDL_SetRenderDrawBlendMode(s.renderer, SDL_BLENDMODE_BLEND);
  UpdateMapping();
  return true;
}

void Close() {
  if (s.renderer) SDL_DestroyRenderer(s.renderer);
  if (s.window) SDL_DestroyWindow(s.window);
  s.renderer = nullptr;
  s.window = nullptr;
  SDL_Quit();
}

bool IsOpen() { return s.window != nullptr; }
SDL_Renderer* Renderer() { return s.renderer; }
double Scale() { return s.scale; }
SDL_Rect CanvasPixels() { return s.canvas; }

bool UpdateMapping() {
  int pw = kCanvasWidth, ph = kCanvasHeight, ww = kCanvasWidth, wh = kCanvasHeight;
  if (s.renderer) SDL_GetRendererOutputSize(s.renderer, &pw, &ph);
  if (s.window) SDL_GetWindowSize(s.window, &ww, &wh);
  pw = std::max(pw, 1);
  ph = std::max(ph, 1);
  s.pointToPixel = ww > 0 ? static_cast<double>(pw) / ww : 1.0;
  const double scale = std::min(static_cast<double>(pw) / kCanvasWidth, static_cast<double>(ph) / kCanvasHeight);
  const int cw = static_cast<int>(std::lround(kCanvasWidth * scale));
  const int ch = static_cast<int>(std::lround(kCanvasHeight * scale));
  s.canvas = SDL_Rect{(pw - cw) / 2, (ph - ch) / 2, cw, ch};
  const bool changed = std::abs(scale - s.scale) > 1e-9;
  s.scale = scale;
  return changed;
}

SDL_Rect ToPixels(const Rect& r) {
  // Edges are mapped separately so neighbouring rectangles meet without gaps.
  const auto px = [](int x) { return static_cast<int>(std::lround(x * s.scale)); };
  const int x0 = px(r.x), y0 = px(r.y), x1 = px(r.x + r.w), y1 = px(r.y + r.h);
  return SDL_Rect{s.canvas.x + x0, s.canvas.y + y0, x1 - x0, y1 - y0};
}

void ToCanvas(int wx, int wy, int& cx, int& cy) {
  const double px = wx * s.pointToPixel, py = wy * s.pointToPixel;
  cx = static_cast<int>(std::floor((px - s.canvas.x) / s.scale));
  cy = static_cast<int>(std::floor((py - s.canvas.y) / s.scale));
}

void ToggleFullscreen() {
  if (!s.window) return;
  s.fullscreen = !s.fullscreen;
  SDL_SetWindowFullscreen(s.window, s.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void BeginFrame() {
  SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
  SDL_RenderClear(s.renderer);
}

void EndFrame() { SDL_RenderPresent(s.renderer); }

art::Image ReadCanvas() {
  art::Image image;
  if (!s.renderer) return image;
  image.width = s.canvas.w;
  image.height = s.canvas.h;
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  if (SDL_RenderReadPixels(s.renderer, &s.canvas, SDL_PIXELFORMAT_ARGB8888, image.pixels.data(),
                           image.width * 4) != 0)
    return art::Image{};
  for (auto& p : image.pixels) p |= 0xFF000000u;  // the canvas is opaque
  return image;
}

uint64_t Now() { return s.virtualClock ? s.virtualNow : SDL_GetTicks64(); }
void UseVirtualClock() { s.virtualClock = true; }
bool VirtualClock() { return s.virtualClock; }
void Advance(uint64_t ms) { s.virtualNow += ms; }

}  // namespace qm::platform
