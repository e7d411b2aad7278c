#pragma once
// The modal event loop behind Window::Show, the timers, and the replay of an
// input script (`quellmark --ui-script FILE`).
#include <cstdint>
#include <functional>
#include <list>
#include <string>

namespace qm::ui {

class Window;

struct Timer {
  Window* owner = nullptr;
  int id = 0;
  int interval = 0;
  uint64_t due = 0;
  std::function<void()> fn;
  bool covered = false;  // fires even when other windows lie over its owner
  bool alive = true;
  bool running = false;  // its callback is on the stack (e.g. it opened a screen)
  bool redraws = true;   // false: its callback changes nothing on screen (audio upkeep)
};

std::list<Timer>& Timers();

class EventLoop {
 public:
  // Runs until `w` closes or the program quits.
  static void Run(Window& w);
};

// Reads an input script; false with `error` naming the bad line. While a script
// is loaded the event clock is game time moved by its `wait` lines, real mouse
// and keyboard input is ignored, and the end of the script quits the program.
bool LoadInputScript(const std::string& path, std::string& error);
// The same from text; `path` names it in errors.
bool SetInputScript(const std::string& text, const std::string& path, std::string& error);
bool ScriptLoaded();
// Clears the loop's state before a (new) run of the game: no windows, no
// timers, no script, not quitting.
void ResetEventLoop();
// Called after every frame drawn (timing measurements).
void SetFrameHook(std::function<void()> hook);
// Asked for more script lines each time a loaded script runs out; an empty
// answer ends the script (and the program) as before. Lets a test react to what
// is on screen (the monkey test).
void SetScriptSource(std::function<std::string()> source);
// Problems met while replaying (a screenshot that could not be written ...).
const std::string& ScriptErrors();

}  // namespace qm::ui
