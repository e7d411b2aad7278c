#include "ui/event_loop.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "cli/console.h"
#include "cli/state_paths.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "ui/input_script.h"
#include "ui/screens.h"
#include "ui/window.h"

namespace qm::ui {
namespace {

std::vector<Window*> stack;
bool dirty = true;
bool quitting = false;
std::string pendingShot;
bool announceShot = false;  // the pending screenshot was asked for with F12: say where it went
std::string toast;          // a short notice over the canvas that fades away
uint64_t toastUntil = 0;
constexpr uint64_t kToastMs = 3000, kToastFadeMs = 700;
std::string shotFolder = ".";
double lastFrameMs = 0;
double totalFrameMs = 0;
long framesDrawn = 0;
std::vector<float> frameTimes;  // the first few thousand, for the timing report
std::vector<std::string> frameScreens;  // the top window of each of them

using Command = ScriptCommand;
std::vector<Command> script;
size_t scriptNext = 0;
bool scriptLoaded = false;
uint64_t waitUntil = 0;
std::string scriptErrors;
std::function<void()> frameHook;
std::function<std::string()> scriptSource;  // more lines once the script is used up (the monkey test)


// Lays the canvas out for the window's present size; pictures and texts drawn
// at the old scale are dropped.
void Relayout() {
  if (platform::UpdateMapping()) {
    platform::ClearPictureCache();
    platform::ClearTextCache();
  }
  Invalidate();
}

bool Eligible(const Timer& t) {
  return t.alive && !t.running && t.owner && t.owner->IsOpen() && (t.covered || t.owner == Top());
}

// Milliseconds until the next timer that may fire; -1 when none.
int64_t NextDue(uint64_t now) {
  int64_t best = -1;
  if (!toast.empty()) best = toastUntil > now ? std::min<int64_t>(40, static_cast<int64_t>(toastUntil - now)) : 0;
  for (const auto& t : Timers()) {
    if (!Eligible(t)) continue;
    const int64_t wait = t.due > now ? static_cast<int64_t>(t.due - now) : 0;
    if (best < 0 || wait < best) best = wait;
  }
  return best;
}

int firingDepth = 0;  // timer callbacks on the stack; dead timers are kept until it is 0

void Sweep() {
  if (firingDepth > 0) return;  // an outer FireDueTimers still holds pointers into the list
  for (auto it = Timers().begin(); it != Timers().end();)
    it = !it->alive && !it->running ? Timers().erase(it) : std::next(it);
}

// Fires each due timer once, oldest first; a callback may open nested screens.
void FireDueTimers() {
  std::vector<Timer*> due;
  const uint64_t now = platform::Now();
  if (!toast.empty()) {  // the notice fades frame by frame, then goes
    if (now >= toastUntil) toast.clear();
    Invalidate();
  }
  for (auto& t : Timers())
    if (Eligible(t) && t.due <= now) due.push_back(&t);
  std::stable_sort(due.begin(), due.end(), [](const Timer* a, const Timer* b) { return a->due < b->due; });
  for (Timer* t : due) {
    if (!Eligible(*t) || quitting) continue;
    t->due = platform::Now() + static_cast<uint64_t>(t->interval);
    t->running = true;
    ++firingDepth;
    t->fn();
    --firingDepth;
    t->running = false;
    if (t->redraws) Invalidate();
  }
  Sweep();
}

void UpdateTextInput() {
  Window* top = Top();
  const bool want = top && top->Focused() && top->Focused()->visible;
  if (want && !SDL_IsTextInputActive()) SDL_StartTextInput();
  if (!want && SDL_IsTextInputActive()) SDL_StopTextInput();
}

void ToTop(int cx, int cy, int& x, int& y) {
  const Rect b = Top()->Bounds();
  x = cx - b.x;
  y = cy - b.y;
}

void MouseMoveCanvas(int cx, int cy) {
  if (!Top()) return;
  int x, y;
  ToTop(cx, cy, x, y);
  Top()->MouseMove(x, y);
}

void MouseDownCanvas(int cx, int cy, int button, int clicks) {
  if (!Top()) return;
  int x, y;
  ToTop(cx, cy, x, y);
  Window* w = Top();
  w->MouseMove(x, y);
  w->MouseDown(x, y, button, clicks);
  UpdateTextInput();
}

void MouseUpCanvas(int cx, int cy, int button) {
  if (!Top()) return;
  int x, y;
  ToTop(cx, cy, x, y);
  Top()->MouseUp(x, y, button);
}

std::string TimeStamp() {
  const std::time_t t = std::time(nullptr);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", std::localtime(&t));
  return buf;
}

void KeyDown(SDL_Keycode key) {
  if (key == SDLK_F11) {
    platform::ToggleFullscreen();
    SDL_PumpEvents();
    Relayout();  // in and out of full screen the canvas is laid out afresh, events or not
    return;
  }
  if (key == SDLK_F12) {
    RequestScreenshot(shotFolder + "/Quellmark-" + TimeStamp() + ".png");
    announceShot = true;
    return;
  }
  if (Top()) Top()->KeyDown(key);
  UpdateTextInput();
}

// Events of the window itself, handled in every mode.
bool HandleWindowEvent(const SDL_Event& e) {
  if (e.type == SDL_QUIT) {
    RequestCloseTop();
    return true;
  }
  if (e.type != SDL_WINDOWEVENT) return false;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_LEAVE:
      if (Top() && !ScriptLoaded()) Top()->ClearHover();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      RequestCloseTop();
      break;
    default:
      // A size change, a restore, a return from full screen or an exposure:
      // the window may have a new size even without saying so.
      Relayout();
  }
  return true;
}

void HandleEvent(const SDL_Event& e) {
  if (HandleWindowEvent(e) || ScriptLoaded()) return;
  int cx, cy;
  switch (e.type) {
    case SDL_MOUSEMOTION:
      platform::ToCanvas(e.motion.x, e.motion.y, cx, cy);
      MouseMoveCanvas(cx, cy);
      break;
    case SDL_MOUSEBUTTONDOWN:
      platform::ToCanvas(e.button.x, e.button.y, cx, cy);
      MouseDownCanvas(cx, cy, e.button.button, e.button.clicks);
      break;
    case SDL_MOUSEBUTTONUP:
      platform::ToCanvas(e.button.x, e.button.y, cx, cy);
      MouseUpCanvas(cx, cy, e.button.button);
      break;
    case SDL_KEYDOWN:
      // A held key repeats only while editing: a held Enter must not answer a row of dialogs.
      if (e.key.repeat && e.key.keysym.sym != SDLK_BACKSPACE) break;
      KeyDown(e.key.keysym.sym);
      break;
    case SDL_TEXTINPUT:
      if (Top()) Top()->TextInput(e.text.text);
      break;
    default:
      break;
  }
}

void Note(const Command& c, const std::string& what) {
  scriptErrors += "line " + std::to_string(c.line) + ": " + what + "\n";
}

// "set PATH VALUE": arranges the state the way a test needs it (the console's paths).
void SetStateValue(const Command& c) {
  const size_t blank = c.arg.find(' ');
  std::string error;
  const StateRef ref = ResolvePath(c.arg.substr(0, blank), error);
  if (!ref) return Note(c, error);
  const std::string value = c.arg.substr(blank + 1);
  if (ref.text) {
    *ref.text = value;
    return;
  }
  try {
    const long long n = std::stoll(value);
    if (ref.number) *ref.number = static_cast<int32_t>(n);
    if (ref.boolean) *ref.boolean = n != 0;
  } catch (...) {
    Note(c, "set needs a number for " + c.arg.substr(0, blank));
  }
}

// "console LINE": runs one command of the headless console against the running
// game, with the window answering (a `duel` opens the real combat screen and
// the script goes on inside it). Its text output is dropped; an error is noted.
void RunConsoleLine(const Command& c) {
  static std::ostringstream out, err;
  static Console* console = [] {
    Frontend& window = UI();
    auto* made = new Console(out, err);  // lives as long as the program; installs its own frontend ...
    SetFrontend(&window);                // ... which the window's replaces again
    return made;
  }();
  Frontend& window = UI();
  err.str("");
  const bool ok = console->Execute(c.arg);
  SetFrontend(&window);
  out.str("");
  if (!ok) Note(c, "console: " + err.str());
}

void Execute(const Command& c) {
  if (c.verb == "move") {
    MouseMoveCanvas(c.x, c.y);
  } else if (c.verb == "click" || c.verb == "rclick") {
    const int button = c.verb == "click" ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
    MouseDownCanvas(c.x, c.y, button, 1);
    MouseUpCanvas(c.x, c.y, button);
  } else if (c.verb == "press") {  // a mouse button held down until "release"
    MouseDownCanvas(c.x, c.y, SDL_BUTTON_LEFT, 1);
  } else if (c.verb == "release") {
    MouseUpCanvas(c.x, c.y, SDL_BUTTON_LEFT);
  } else if (c.verb == "dclick") {
    MouseDownCanvas(c.x, c.y, SDL_BUTTON_LEFT, 1);
    MouseUpCanvas(c.x, c.y, SDL_BUTTON_LEFT);
    MouseDownCanvas(c.x, c.y, SDL_BUTTON_LEFT, 2);
    MouseUpCanvas(c.x, c.y, SDL_BUTTON_LEFT);
  } else if (c.verb == "drag") {
    MouseDownCanvas(c.x, c.y, SDL_BUTTON_LEFT, 1);
    MouseMoveCanvas(c.x2, c.y2);
    MouseUpCanvas(c.x2, c.y2, SDL_BUTTON_LEFT);
  } else if (c.verb == "set") {
    SetStateValue(c);
  } else if (c.verb == "console") {
    RunConsoleLine(c);
  } else if (c.verb == "screen") {
    if (!ScreenRegistered(c.arg)) Note(c, "no screen " + c.arg);
    else ShowScreen(c.arg);  // modal: the script goes on inside it
  } else if (c.verb == "key") {
    KeyDown(SDL_GetKeyFromName(c.arg.c_str()));
  } else if (c.verb == "type") {
    if (Top()) Top()->TextInput(c.arg);
  } else if (c.verb == "wait") {
    waitUntil = platform::Now() + static_cast<uint64_t>(c.x);
  } else if (c.verb == "shot") {
    RequestScreenshot(c.arg);
    Render();
    if (!pendingShot.empty()) Note(c, "the screenshot " + c.arg + " could not be written");
    pendingShot.clear();
  } else if (c.verb == "dump") {
    if (c.arg.empty() || c.arg == "-") {
      std::fputs(DumpScreens().c_str(), stdout);
      std::fflush(stdout);
    } else {
      std::ofstream out(c.arg, std::ios::app);
      out << DumpScreens() << "--\n";
      if (!out) Note(c, "cannot write " + c.arg);
    }
  } else if (c.verb == "size") {
    platform::ResizeWindow(c.x, c.y);
    SDL_PumpEvents();
    Relayout();
  } else if (c.verb == "play") {
    scriptLoaded = false;  // the player takes over from here, on the real clock
    platform::UseRealClock();
  } else if (c.verb == "close") {
    RequestCloseTop();
  } else if (c.verb == "quit") {
    RequestQuit();
  } else if (c.verb == "loop") {
    scriptNext = 0;  // round again from the first line, until the program is stopped
  }
}

// One step of the script: window events, then either game time moving on toward
// the end of a wait (firing the timers due on the way) or the next command.
void StepScript() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) HandleEvent(e);
  if (quitting) return;
  const uint64_t now = platform::Now();
  if (waitUntil > now) {
    const int64_t next = NextDue(now);
    const uint64_t to = next >= 0 && now + static_cast<uint64_t>(next) <= waitUntil ? now + next : waitUntil;
    platform::Advance(to - now);
    FireDueTimers();
    return;
  }
  if (scriptNext >= script.size()) {
    std::string more, error;
    std::vector<Command> next;
    if (scriptSource) more = scriptSource();
    if (more.empty() || !ParseInputScript(more, "script source", next, error)) {
      if (!error.empty()) scriptErrors += error + "\n";
      RequestQuit();
      return;
    }
    script = std::move(next);
    scriptNext = 0;
    if (script.empty()) return;
  }
  // A copy: a screen the command opens runs the rest of the script inside, and
  // may take more lines from the script source, which replaces the list.
  const Command c = script[scriptNext++];
  Execute(c);
  FireDueTimers();
}

}  // namespace

std::list<Timer>& Timers() {
  static auto* timers = new std::list<Timer>;  // outlives every window, whatever the exit order
  return *timers;
}

void EventLoop::Run(Window& w) {
  stack.push_back(&w);
  Invalidate();
  UpdateTextInput();
  w.OnActivate();
  while (!w.closing_ && !quitting) {
    if (dirty) Render();
    if (scriptLoaded) {
      StepScript();
      continue;
    }
    SDL_Event e;
    const int64_t timeout = NextDue(platform::Now());
    const int got = timeout < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, static_cast<int>(timeout));
    if (got) {
      HandleEvent(e);
      while (!w.closing_ && SDL_PollEvent(&e)) HandleEvent(e);
    }
    FireDueTimers();
  }
  for (auto& t : Timers())
    if (t.owner == &w && !t.covered) t.due = 0;  // a reshown window's timers start afresh
  stack.erase(std::remove(stack.begin(), stack.end(), &w), stack.end());
  // The closed screen's pictures go first when the cache needs room; what
  // the cache and the screen freed goes back to the system.
  platform::TrimPictureCache();
  platform::ReleaseFreeMemory();
  if (Top()) {
    Top()->ClearHover();
    if (!quitting) Top()->OnUncovered();
  }
  Invalidate();
  UpdateTextInput();
}

bool LoadInputScript(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) return error = "cannot read the input script " + path, false;
  std::stringstream all;
  all << in.rdbuf();
  return SetInputScript(all.str(), path, error);
}

bool SetInputScript(const std::string& text, const std::string& path, std::string& error) {
  std::vector<Command> parsed;
  if (!ParseInputScript(text, path, parsed, error)) return false;
  script = std::move(parsed);
  scriptNext = 0;
  scriptLoaded = true;
  scriptErrors.clear();
  platform::UseVirtualClock();
  return true;
}

void ResetEventLoop() {
  stack.clear();
  Timers().clear();
  script.clear();
  scriptNext = 0;
  scriptLoaded = false;
  scriptErrors.clear();
  waitUntil = 0;
  quitting = false;
  pendingShot.clear();
  announceShot = false;
  toast.clear();
  framesDrawn = 0;
  totalFrameMs = 0;
  frameTimes.clear();
  frameScreens.clear();
  dirty = true;
}

void SetFrameHook(std::function<void()> hook) { frameHook = std::move(hook); }
void SetScriptSource(std::function<std::string()> source) { scriptSource = std::move(source); }

bool ScriptLoaded() { return scriptLoaded; }
const std::string& Notice() { return toast; }
const std::string& ScriptErrors() { return scriptErrors; }

void Invalidate() { dirty = true; }
const std::vector<Window*>& Stack() { return stack; }
Window* Top() { return stack.empty() ? nullptr : stack.back(); }
void RequestQuit() { quitting = true; }
bool Quitting() { return quitting; }
void SetScreenshotFolder(const std::string& folder) { shotFolder = folder.empty() ? "." : folder; }
double LastFrameMs() { return lastFrameMs; }
long FramesDrawn() { return framesDrawn; }
double AverageFrameMs() { return framesDrawn ? totalFrameMs / framesDrawn : 0; }
std::string FrameTimesByScreen() {
  std::map<std::string, std::vector<float>> by;
  for (size_t i = 0; i < frameTimes.size(); ++i) by[frameScreens[i]].push_back(frameTimes[i]);
  std::string out;
  for (auto& [unit, times] : by) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    char line[160];
    std::snprintf(line, sizeof line, "  %-28s %5zu frames, median %.2f ms\n", unit.c_str(), times.size(),
                  times[times.size() / 2]);
    out += line;
  }
  return out;
}

double MedianFrameMs() {
  if (frameTimes.empty()) return 0;
  std::vector<float> sorted = frameTimes;
  std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
  return sorted[sorted.size() / 2];
}

void RequestScreenshot(const std::string& path) {
  pendingShot = path;
  dirty = true;
}

bool RequestCloseTop() {
  Window* top = Top();
  if (!top || !top->OnCloseRequest()) return false;
  top->Close();
  return true;
}

namespace {
// The notice at the foot of the canvas, fading out over its last moments.
void DrawToast() {
  if (toast.empty()) return;
  const uint64_t now = platform::Now();
  if (now >= toastUntil) return;
  const double left = static_cast<double>(toastUntil - now);
  const double a = std::min(1.0, left / kToastFadeMs);
  TextStyle style = Small(11);
  style.wrap = false;
  style.color = {236, 240, 248, static_cast<Uint8>(255 * a)};
  int w = 0, h = 0;
  platform::MeasureText(toast, 10000, style, w, h);
  w = std::min(w, platform::kCanvasWidth - 40);
  const Rect box{(platform::kCanvasWidth - w) / 2 - 12, platform::kCanvasHeight - h - 30, w + 24, h + 12};
  FillRect(box, {6, 12, 28, static_cast<Uint8>(220 * a)});
  FrameRect(box, {236, 200, 120, static_cast<Uint8>(200 * a)});
  platform::DrawText(toast, {box.x + 12, box.y + 6, w, h}, style);
}
}  // namespace

void Render() {
  if (!platform::IsOpen()) return;
  const auto start = std::chrono::steady_clock::now();
  platform::BeginFrame();
  if (!stack.empty()) {
    // Every window paints its whole rectangle, so the windows below the top one
    // are drawn only where it leaves the canvas uncovered: a large battle or
    // status screen redraws its own pixels and thin strips around it.
    const Rect top = stack.back()->Bounds();
    const int right = top.x + top.w, bottom = top.y + top.h;
    const Rect strips[4] = {{0, 0, platform::kCanvasWidth, top.y},
                            {0, bottom, platform::kCanvasWidth, platform::kCanvasHeight - bottom},
                            {0, top.y, top.x, top.h},
                            {right, top.y, platform::kCanvasWidth - right, top.h}};
    // A window that fills the canvas hides every window below it.
    size_t first = 0;
    for (size_t i = 0; i + 1 < stack.size(); ++i) {
      const Rect b = stack[i]->Bounds();
      if (b.x <= 0 && b.y <= 0 && b.x + b.w >= platform::kCanvasWidth && b.y + b.h >= platform::kCanvasHeight) first = i;
    }
    for (const Rect& strip : strips) {
      if (strip.w <= 0 || strip.h <= 0 || stack.size() < 2) continue;
      const SDL_Rect clip = platform::ToPixels(strip);
      SDL_RenderSetClipRect(platform::Renderer(), &clip);
      for (size_t i = first; i + 1 < stack.size(); ++i) stack[i]->DrawAll(&strip);
    }
    SDL_RenderSetClipRect(platform::Renderer(), nullptr);
    const bool dialog = top.w < platform::kCanvasWidth || top.h < platform::kCanvasHeight;
    if (stack.size() > 1 && dialog) {
      // The windows below a dialog recede a little.
      const SDL_Rect all = platform::CanvasPixels();
      SDL_SetRenderDrawColor(platform::Renderer(), 0, 0, 0, 90);
      SDL_RenderFillRect(platform::Renderer(), &all);
    }
    stack.back()->DrawAll();
  }
  if (!pendingShot.empty()) {
    const art::Image canvas = platform::ReadCanvas();
    const bool written = art::WritePng(canvas, pendingShot);
    if (announceShot) {
      toast = written ? "Screenshot saved: " + pendingShot : "The screenshot could not be written to " + pendingShot;
      toastUntil = platform::Now() + kToastMs;
      announceShot = false;
      pendingShot.clear();
    }
    if (written) pendingShot.clear();
  }
  DrawToast();
  platform::EndFrame();
  dirty = false;
  if (frameHook) frameHook();
  lastFrameMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  totalFrameMs += lastFrameMs;
  ++framesDrawn;
  if (frameTimes.size() < 4096) {
    frameTimes.push_back(static_cast<float>(lastFrameMs));
    frameScreens.push_back(Top() ? Top()->Unit() : "");
  }
}

}  // namespace qm::ui
