#pragma once
// The window, the canvas and the event clock: the only place that talks to SDL's
// video, input and timing. The game draws on a logical 800 x 600 canvas; the
// platform maps it, centred and scaled, onto the window's real pixels, so pictures
// and text are drawn sharp at the real pixel size.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "art/art_kit.h"

namespace qm::platform {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

struct Color {
  uint8_t r = 255, g = 255, b = 255, a = 255;
};

struct StartOptions {
  bool hidden = false;  // no visible window (screenshots and scripts still work)
};

// Opens the window "Quellmark" with its renderer; false (and `error`) when SDL cannot.
bool Open(const StartOptions& options, std::string& error);
void Close();
bool IsOpen();

SDL_Renderer* Renderer();
// Pixels per canvas unit, and the canvas rectangle in window pixels.
double Scale();
SDL_Rect CanvasPixels();
// Canvas rectangle -> window pixel rectangle (rounded outwards consistently).
SDL_Rect ToPixels(const Rect& r);
// Window point (mouse event coordinates) -> canvas coordinates.
void ToCanvas(int wx, int wy, int& cx, int& cy);
// Recomputes the mapping after a size change; true when the scale changed.
bool UpdateMapping();
void ToggleFullscreen();
void ResizeWindow(int width, int height);

// Frame: Begin clears to black; End presents.
void BeginFrame();
void EndFrame();
// Hands memory the program freed back to the system (after a screen closed).
void ReleaseFreeMemory();
// Reads the canvas as drawn so far this frame (call before EndFrame).
art::Image ReadCanvas();

// The event clock in milliseconds. Normally the real time since start; a
// replayed input script switches it to game time that only `Advance` moves.
uint64_t Now();
void UseVirtualClock();
void UseRealClock();
bool VirtualClock();
void Advance(uint64_t ms);

}  // namespace qm::platform
