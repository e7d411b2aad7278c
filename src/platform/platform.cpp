#include "platform/platform.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <cmath>

#include "platform/pictures.h"

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

// True for an OpenGL renderer whose driver draws on the processor (no graphics card).
bool RasterisedOnTheCpu(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::string(info.name).rfind("opengl", 0) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString || !SDL_GL_GetCurrentContext()) return false;
  const unsigned char* name = getString(0x1F01);  // GL_RENDERER
  const std::string gl = name ? reinterpret_cast<const char*>(name) : "";
  return gl.find("llvmpipe") != std::string::npos || gl.find("softpipe") != std::string::npos ||
         gl.find("Software Rasterizer") != std::string::npos;
}

}  // namespace

bool Open(const StartOptions& options, std::string& error) {
  if (s.window) return true;
#if defined(__GLIBC__)
  // Pictures of a canvas' size are megabytes each: a fixed threshold keeps them
  // in blocks of their own that go back to the system when freed, instead of
  // letting the threshold climb and the heap keep the holes.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_HIGHDPI_DISABLED, "0");
  // A signal ends the program as usual; only the window's own close box asks the screens.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
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
  // SDL's own software renderer draws the 800 x 600 canvas quickly enough and
  // keeps the process small: an OpenGL driver maps 50 MB and more (its shader
  // compiler, threads) before the first frame. SDL_RENDER_DRIVER=opengl in the
  // environment still picks another one.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  s.renderer = SDL_CreateRenderer(s.window, -1, 0);
  if (s.renderer && RasterisedOnTheCpu(s.renderer)) {
    // OpenGL emulated on the processor is slower than SDL's own software renderer.
    SDL_DestroyRenderer(s.renderer);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    s.renderer = nullptr;
  }
  if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
  if (!s.renderer) {
    error = std::string("no renderer: ") + SDL_GetError();
    SDL_DestroyWindow(s.window);
    s.window = nullptr;
    SDL_Quit();
    return false;
  }
  SDL_SetRenderDrawBlendMode(s.renderer, SDL_BLENDMODE_BLEND);
  if (const char* timing = SDL_getenv("QM_TIMING"); timing && *timing == '1') {
    SDL_RendererInfo info;
    SDL_GetRendererInfo(s.renderer, &info);
    SDL_Log("video driver %s, renderer %s", SDL_GetCurrentVideoDriver(), info.name);
  }
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

void ResizeWindow(int width, int height) {
  if (s.window && width > 0 && height > 0) SDL_SetWindowSize(s.window, width, height);
}

void BeginFrame() {
  NewPictureFrame();
  SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
  SDL_RenderClear(s.renderer);
}

void ReleaseFreeMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
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
void UseRealClock() { s.virtualClock = false; }
bool VirtualClock() { return s.virtualClock; }
void Advance(uint64_t ms) { s.virtualNow += ms; }

}  // namespace qm::platform
