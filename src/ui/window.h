#pragma once
// The screen framework: every screen of the game is a `ui::Window`.
//
// How to add a screen (one source pair per screen, named after its unit, e.g.
// src/ui/Screen_Bank.{h,cpp}):
//
//   class Screen_Bank : public ui::Window {
//    public:
//     Screen_Bank() : Window("Screen_Bank", 798, 368) {   // unit name, fixed client size
//       background = "Bank_Background.jpg";                // drawn by the art kit when no file exists
//       AddLabel({20, 16, 300, 24}, "Bank", ui::Title());
//       balance_ = &AddLabel({20, 60, 300, 20}, "", ui::Body());
//       auto& close = AddButton(4, {680, 320, 100, 32}, "Bank", "Close", [this] { Close(); });
//       SetCancel(&close);                                  // Escape; SetDefault(): Enter/Space
//     }
//     void OnShow() override { balance_->Set(FormatMoney(...)); }  // refresh from the state
//    private:
//     ui::Label* balance_;
//   };
//
//   Register it with one line in RegisterAllScreens() (ui/screens.cpp):
//     RegisterWindow<Screen_Bank>("Screen_Bank");
//   and show it with ui::ShowScreen("Screen_Bank") (or Instance<Screen_Bank>().Show()).
//   Show() is modal: it returns when the screen calls Close(). Screens the rules
//   open through UI().ShowScreen(Screen::...) are mapped to units in window_frontend.cpp.
//   Questions and notices go through the rules' Frontend: UI().Message(3, topic, text),
//   AskYesNo(topic, text) (message dialogs, ui/Screen_Message.h).
//
// - Coordinates of controls are local to the window; windows are centred on the
//   800 x 600 canvas and drawn over the windows below them.
// - Show() runs a nested event loop; screens may show other screens (a battle
//   inside a travel day inside the main screen). After a nested Show() returns,
//   check `ui::Quitting()` and the game's own flags (Run.GameEnded,
//   Run.FlightAborted, Run.QuitToMenu) before going on.
// - Buttons are picture controls with item numbers; their pictures follow the
//   naming rules (ItemPicture): push buttons "Prefix_NN.jpg" / "Prefix_NN_Highlighted.jpg",
//   toggles "Prefix_NN.jpg" / "PrefixMouseOver_NN.jpg" / "PrefixON_NN.jpg" / "PrefixON+_NN.jpg",
//   list entries "Prefix_NN.jpg" / "PrefixH_NN.jpg". A label given the same
//   item number shares the button's hover and click.
// - The hover rule is built in: moving over item k highlights it (restoring the
//   previous one), moving over the background clears it; a click plays
//   "button.wav", clears the hover, then runs the action.
// - Timers: StartTimer(id, ms, fn) repeats every `ms` on the main thread while
//   the window is the top one (or always, with `covered` = true); a timer never
//   fires again while its own callback is still running (a nested screen).
// - Panels group controls, can be hidden, moved (MoveTo) and dragged by the
//   player (Panel::draggable); a whole window too (Window::movable). Tutorial
//   panels are panels on any window; children may lie outside the window.
// - Every change to what a window shows must call Invalidate() (the controls'
//   setters do): the window is redrawn only when something changed, so an idle
//   screen costs no CPU.
// - DumpScreens() lists the visible windows, their controls and states as text
//   (used by the UI tests through the input script's `dump` command).
#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"

namespace qm::ui {

using platform::Align;
using platform::Color;
using platform::Font;
using platform::Rect;
using platform::TextStyle;

// The house text styles.
TextStyle Title(int size = 16);                 // bright bold heading
TextStyle Body(int size = 12);                  // running text
TextStyle Caption(int size = 13);               // button captions, centred
TextStyle Small(int size = 10);
// Variations of a style.
TextStyle OneLine(TextStyle s);            // no wrapping
TextStyle OneLine(TextStyle s, Align a);   // no wrapping, aligned
TextStyle Aligned(TextStyle s, Align a);
TextStyle Tinted(TextStyle s, Color c);
TextStyle Shadowed(TextStyle s);           // a dark drop shadow under the text
TextStyle Bold(TextStyle s);               // the bold face of the style
// `text` shortened by whole characters with "..." until it fits `width` on one line.
std::string Fit(const std::string& text, int width, const TextStyle& style);
constexpr Color kGold{236, 200, 120, 255};
constexpr Color kText{214, 224, 238, 255};
constexpr Color kDim{150, 166, 190, 255};
constexpr Color kHighlight{255, 236, 170, 255};
// The dark glass behind a screen's groups of controls, its edge and its rules.
constexpr Color kGlassFill{6, 10, 22, 206};
constexpr Color kGlassBorder{70, 96, 136, 255};
constexpr Color kGlassRule{96, 120, 160, 140};

enum class PictureKind { Push, Toggle, ListEntry };
// The picture of item `k` built from `prefix` ("StartScreen", "GameSettings", "Mission-Screen").
std::string ItemPicture(const std::string& prefix, int k, PictureKind kind, bool hover, bool on = false);

class Window;
class Panel;

class Control {
 public:
  virtual ~Control() = default;
  Rect rect;             // relative to the parent panel
  bool visible = true;
  int item = 0;          // hover item number (0: takes no part in the hover rule)
  std::string name;      // shown in dumps; optional
  std::function<void()> onClick, onDoubleClick, onRightClick;

  virtual void Draw(const Window& w, int ox, int oy) const = 0;
  virtual void Dump(const Window& w, std::string& out, int depth) const = 0;
  // The deepest visible control at local point (x, y) that reacts to the mouse.
  virtual Control* HitTest(int x, int y);
  bool Reacts() const { return item != 0 || onClick || onDoubleClick || onRightClick; }
  void Show(bool on);
  Panel* parent = nullptr;
};

// A picture; `picture` is a bare file name, drawn by the art kit when missing.
class Picture : public Control {
 public:
  std::string picture;
  std::string caption;  // handed to the art kit
  void Set(const std::string& p);
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

// A clickable picture with the hover (and, for toggles, "on") pictures.
class Button : public Control {
 public:
  std::string prefix;
  PictureKind kind = PictureKind::Push;
  bool on = false;            // toggles
  bool enabled = true;
  std::string caption;        // drawn over the picture
  TextStyle captionStyle;
  std::string CurrentPicture(const Window& w) const;
  void SetOn(bool v);
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

class Label : public Control {
 public:
  std::string text;
  TextStyle style;
  Color hoverColor = kHighlight;  // used when its item is highlighted
  void Set(const std::string& t);
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

// A filled rectangle with an optional border: separators, frames, bars.
class Box : public Control {
 public:
  Color fill{0, 0, 0, 0};
  Color border{0, 0, 0, 0};
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

// One line of text entry. `accept` decides which characters may be typed.
class TextField : public Control {
 public:
  std::string text;
  size_t maxChars = 30;
  bool replaceOnType = false;  // the first key replaces the prompt text
  std::function<bool(const std::string& utf8Char)> accept;
  TextStyle style;
  void Type(const std::string& utf8);
  void Backspace();
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

class Panel : public Control {
 public:
  std::string background;          // picture behind the children ("" = none)
  Color fill{0, 0, 0, 0};
  Color border{0, 0, 0, 0};
  bool draggable = false;          // the player may move it by its empty area
  std::vector<std::unique_ptr<Control>> children;

  template <class T>
  T& Add(std::unique_ptr<T> c) {
    c->parent = this;
    T& ref = *c;
    children.push_back(std::move(c));
    return ref;
  }
  Picture& AddPicture(Rect r, const std::string& picture, const std::string& caption = "");
  Button& AddButton(int k, Rect r, const std::string& prefix, const std::string& caption,
                    std::function<void()> action, PictureKind kind = PictureKind::Push);
  Label& AddLabel(Rect r, const std::string& text, const TextStyle& style, int item = 0);
  Box& AddBox(Rect r, Color fill, Color border = {0, 0, 0, 0});
  TextField& AddTextField(Rect r, const std::string& text, const TextStyle& style);
  Panel& AddPanel(Rect r);
  void MoveTo(int x, int y);

  Control* HitTest(int x, int y) override;
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

class Window {
 public:
  Window(std::string unit, int width, int height);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& Unit() const { return unit_; }
  int Width() const { return root_.rect.w; }
  int Height() const { return root_.rect.h; }
  // The window's place on the canvas (centred unless moved).
  Rect Bounds() const { return root_.rect; }
  void MoveTo(int x, int y);

  // Shows the window modally; returns when it closes. A window already open is not shown twice.
  void Show();
  void Close();
  bool IsOpen() const { return open_; }
  // Close() was called and the window leaves the screen when its event loop ends.
  bool IsClosing() const { return closing_; }

  // Building, in window coordinates.
  Picture& AddPicture(Rect r, const std::string& picture, const std::string& caption = "") {
    return root_.AddPicture(r, picture, caption);
  }
  Button& AddButton(int k, Rect r, const std::string& prefix, const std::string& caption,
                    std::function<void()> action, PictureKind kind = PictureKind::Push) {
    return root_.AddButton(k, r, prefix, caption, std::move(action), kind);
  }
  Label& AddLabel(Rect r, const std::string& text, const TextStyle& style, int item = 0) {
    return root_.AddLabel(r, text, style, item);
  }
  Box& AddBox(Rect r, Color fill, Color border = {0, 0, 0, 0}) { return root_.AddBox(r, fill, border); }
  TextField& AddTextField(Rect r, const std::string& text, const TextStyle& style) {
    return root_.AddTextField(r, text, style);
  }
  Panel& AddPanel(Rect r) { return root_.AddPanel(r); }
  Panel& Root() { return root_; }

  // Enter/Space press the default button, Escape the cancel button (when visible).
  void SetDefault(Button* b) { default_ = b; }
  void SetCancel(Button* b) { cancel_ = b; }
  void Focus(TextField* f);
  TextField* Focused() const { return focus_; }

  // The hover state: the item showing its highlighted picture (0 = none).
  int Hover() const { return hover_; }
  void HoverItem(int k);
  void ClearHover();
  // Moves the hover to the next (delta 1) or previous (-1) item of `order`,
  // wrapping round; with nothing highlighted it starts at the first or last.
  void StepHover(const std::vector<int>& order, int delta);

  // Repeating timers on the event loop; `covered` lets a timer run under other windows.
  void StartTimer(int id, int intervalMs, std::function<void()> fn, bool covered = false);
  void StopTimer(int id);
  bool TimerRunning(int id) const;

  // Input, in window coordinates; the event loop and the input script call these.
  void MouseMove(int x, int y);
  void MouseDown(int x, int y, int button, int clicks);
  void MouseUp(int x, int y, int button);
  virtual bool KeyDown(SDL_Keycode key);
  void TextInput(const std::string& utf8);

  // Run after OnShow each time the window is shown (parts that refresh themselves).
  std::vector<std::function<void()>> onShown;

  std::string background;  // picture filling the window ("" = plain dark)
  bool frame = true;       // a thin border around the window
  bool movable = false;    // the player may drag the window by its empty area

 protected:
  // Refreshes the window from the game state each time it is shown.
  virtual void OnShow() {}
  virtual void OnClose() {}
  // Runs once each time the window has been put on screen, inside its own event
  // loop (the background window starts the program from here).
  virtual void OnActivate() {}
  // Runs when a window shown over this one has closed and this one is on top again.
  virtual void OnUncovered() {}
  // A mouse button went up over this window (the top one): ends what a held
  // button started, such as an auto-repeat.
  virtual void OnMouseUp(int /*x*/, int /*y*/, int /*button*/) {}
  // The window system asks to close (the window's close box, Alt+F4); refused unless overridden.
  virtual bool OnCloseRequest() { return false; }
  // Extra drawing over the background and under the controls; (ox, oy) is the
  // window's top left on the canvas. Use FillRect/FrameRect/DrawLine below.
  virtual void DrawContent(int /*ox*/, int /*oy*/) const {}

 private:
  friend class EventLoop;
  friend void Render();
  friend bool RequestCloseTop();
  void Click(Control* c, int button, int clicks);
  Control* HitLocal(int x, int y);
  // Draws the window; with `within` (canvas coordinates) plain controls wholly
  // outside that rectangle are left out (panels are always drawn).
  void DrawAll(const Rect* within = nullptr) const;

  std::string unit_;
  Panel root_;
  bool open_ = false;
  bool closing_ = false;
  int hover_ = 0;
  Button* default_ = nullptr;
  Button* cancel_ = nullptr;
  TextField* focus_ = nullptr;
  Panel* dragging_ = nullptr;
  bool draggingWindow_ = false;
  int dragX_ = 0, dragY_ = 0;
};

// A panel of dark glass with its edge, named for the dumps.
Panel& GlassPanel(Window& w, Rect r, const char* name, Color fill = kGlassFill, Color border = kGlassBorder);

// Offers the window system's close request to the top window; true when it closed.
bool RequestCloseTop();
// Drawing in canvas coordinates, for Window::DrawContent (map lanes, gauges, frames).
void FillRect(const Rect& r, Color c);
void FrameRect(const Rect& r, Color c);
// A straight line `width` canvas units thick, drawn at the window's real pixel size.
void DrawLine(int x1, int y1, int x2, int y2, Color c, double width = 1.0);

// Asks for a redraw of the canvas at the next chance.
void Invalidate();
// The open windows, bottom first.
const std::vector<Window*>& Stack();
Window* Top();
// Ends every open window (the program is closing); Show() calls return at once.
void RequestQuit();
bool Quitting();
// A text listing of the open windows and their visible controls.
std::string DumpScreens();
// Draws the open windows (and writes a pending screenshot).
void Render();
// Writes the canvas as drawn at the next render to `path` (PNG).
void RequestScreenshot(const std::string& path);
// The short notice fading over the canvas ("Screenshot saved: ..."); empty when none.
const std::string& Notice();
// Where F12 screenshots go.
void SetScreenshotFolder(const std::string& folder);
// Milliseconds the last frame took to draw.
double LastFrameMs();
double AverageFrameMs();
double MedianFrameMs();  // a typical frame, once its pictures are made
// One line per screen: frames drawn while it was the top window, and their median.
std::string FrameTimesByScreen();
long FramesDrawn();

}  // namespace qm::ui
