#include "ui/window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/pictures.h"
#include "state/frontend.h"
#include "ui/event_loop.h"

namespace qm::ui {
namespace {

std::string Two(int k) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", k);
  return buf;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out + "\"";
}

std::string Indent(int depth) { return std::string(static_cast<size_t>(depth) * 2, ' '); }

}  // namespace

void FillRect(const Rect& r, Color c) {
  if (c.a == 0) return;
  const SDL_Rect px = platform::ToPixels(r);
  SDL_SetRenderDrawColor(platform::Renderer(), c.r, c.g, c.b, c.a);
  // An opaque fill needs no blending (much cheaper on the software renderer).
  if (c.a == 255) SDL_SetRenderDrawBlendMode(platform::Renderer(), SDL_BLENDMODE_NONE);
  SDL_RenderFillRect(platform::Renderer(), &px);
  if (c.a == 255) SDL_SetRenderDrawBlendMode(platform::Renderer(), SDL_BLENDMODE_BLEND);
}

void FrameRect(const Rect& r, Color c) {
  if (c.a == 0) return;
  const SDL_Rect px = platform::ToPixels(r);
  const int t = std::max(1, static_cast<int>(platform::Scale()));
  SDL_SetRenderDrawColor(platform::Renderer(), c.r, c.g, c.b, c.a);
  const SDL_Rect edges[4] = {{px.x, px.y, px.w, t}, {px.x, px.y + px.h - t, px.w, t},
                             {px.x, px.y, t, px.h}, {px.x + px.w - t, px.y, t, px.h}};
  SDL_RenderFillRects(platform::Renderer(), edges, 4);
}

void DrawLine(int x1, int y1, int x2, int y2, Color c, double width) {
  if (c.a == 0) return;
  const SDL_Rect o = platform::CanvasPixels();
  const double k = platform::Scale();
  const float ax = static_cast<float>(o.x + x1 * k), ay = static_cast<float>(o.y + y1 * k);
  const float bx = static_cast<float>(o.x + x2 * k), by = static_cast<float>(o.y + y2 * k);
  const float dx = bx - ax, dy = by - ay;
  const float len = std::sqrt(dx * dx + dy * dy);
  if (len < 0.01f) return;
  // A thin quad along the line: its half width across it.
  const float half = static_cast<float>(std::max(1.0, width * k) / 2.0);
  const float nx = -dy / len * half, ny = dx / len * half;
  const SDL_Color col{c.r, c.g, c.b, c.a};
  const SDL_Vertex v[4] = {{{ax + nx, ay + ny}, col, {0, 0}},
                           {{bx + nx, by + ny}, col, {0, 0}},
                           {{bx - nx, by - ny}, col, {0, 0}},
                           {{ax - nx, ay - ny}, col, {0, 0}}};
  const int order[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(platform::Renderer(), nullptr, v, 4, order, 6);
}

TextStyle Title(int size) {
  TextStyle s;
  s.font = Font::SansBold;
  s.size = size;
  s.color = kGold;
  s.shadow = true;
  return s;
}

TextStyle Body(int size) {
  TextStyle s;
  s.size = size;
  s.color = kText;
  return s;
}

TextStyle Caption(int size) {
  TextStyle s;
  s.font = Font::SansBold;
  s.size = size;
  s.color = kText;
  s.align = Align::Centre;
  s.middle = true;
  s.wrap = false;
  s.shadow = true;
  return s;
}

TextStyle Small(int size) {
  TextStyle s;
  s.size = size;
  s.color = kDim;
  return s;
}

TextStyle OneLine(TextStyle s) {
  s.wrap = false;
  return s;
}

TextStyle OneLine(TextStyle s, Align a) {
  s.wrap = false;
  s.align = a;
  return s;
}

TextStyle Aligned(TextStyle s, Align a) {
  s.align = a;
  return s;
}

TextStyle Tinted(TextStyle s, Color c) {
  s.color = c;
  return s;
}

TextStyle Shadowed(TextStyle s) {
  s.shadow = true;
  return s;
}

Panel& GlassPanel(Window& w, Rect r, const char* name, Color fill, Color border) {
  Panel& p = w.AddPanel(r);
  p.name = name;
  p.fill = fill;
  p.border = border;
  return p;
}

TextStyle Bold(TextStyle s) {
  s.font = Font::SansBold;
  return s;
}

std::string Fit(const std::string& text, int width, const TextStyle& style) {
  int w = 0, h = 0;
  platform::MeasureText(text, 10000, style, w, h);
  if (w <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    // Drop one whole character: continuation bytes up to and including its lead byte.
    unsigned char dropped = 0;
    do {
      dropped = static_cast<unsigned char>(cut.back());
      cut.pop_back();
    } while (!cut.empty() && (dropped & 0xC0) == 0x80);
    platform::MeasureText(cut + "...", 10000, style, w, h);
    if (w <= width) break;
  }
  return cut + "...";
}

std::string ItemPicture(const std::string& prefix, int k, PictureKind kind, bool hover, bool on) {
  const std::string nn = Two(k);
  switch (kind) {
    case PictureKind::Push:
      return prefix + "_" + nn + (hover ? "_Highlighted.jpg" : ".jpg");
    case PictureKind::Toggle:
      if (on) return prefix + (hover ? "ON+_" : "ON_") + nn + ".jpg";
      return prefix + (hover ? "MouseOver_" : "_") + nn + ".jpg";
    case PictureKind::ListEntry:
      return prefix + (hover ? "H_" : "_") + nn + ".jpg";
  }
  return prefix + "_" + nn + ".jpg";
}

// ---- controls ---------------------------------------------------------------

Control* Control::HitTest(int x, int y) { return visible && Reacts() && rect.Contains(x, y) ? this : nullptr; }

void Control::Show(bool on) {
  if (visible == on) return;
  visible = on;
  Invalidate();
}

void Picture::Set(const std::string& p) {
  if (picture == p) return;
  picture = p;
  Invalidate();
}

void Picture::Draw(const Window&, int ox, int oy) const {
  platform::DrawPicture(picture, {ox + rect.x, oy + rect.y, rect.w, rect.h}, caption);
}

void Picture::Dump(const Window&, std::string& out, int depth) const {
  out += Indent(depth) + "picture " + picture + (name.empty() ? "" : " #" + name) + "\n";
}

std::string Button::CurrentPicture(const Window& w) const {
  return ItemPicture(prefix, item, kind, enabled && w.Hover() == item && item != 0, on);
}

void Button::SetOn(bool v) {
  if (on == v) return;
  on = v;
  Invalidate();
}

void Button::Draw(const Window& w, int ox, int oy) const {
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  platform::DrawPicture(CurrentPicture(w), r);
  if (caption.empty()) return;
  TextStyle s = captionStyle;
  if (!enabled) s.color = {120, 126, 140, 255};
  else if (w.Hover() == item && item != 0) s.color = kHighlight;
  platform::DrawText(caption, r, s);
}

void Button::Dump(const Window& w, std::string& out, int depth) const {
  out += Indent(depth) + "button " + Two(item) + " " + Quote(caption) + " " + CurrentPicture(w) +
         (w.Hover() == item && item != 0 ? " hover" : "") + (on ? " on" : "") + (enabled ? "" : " disabled") + "\n";
}

void Label::Set(const std::string& t) {
  if (text == t) return;
  text = t;
  Invalidate();
}

void Label::Draw(const Window& w, int ox, int oy) const {
  TextStyle s = style;
  if (item != 0 && w.Hover() == item) s.color = hoverColor;
  platform::DrawText(text, {ox + rect.x, oy + rect.y, rect.w, rect.h}, s);
}

void Label::Dump(const Window& w, std::string& out, int depth) const {
  if (text.empty()) return;
  out += Indent(depth) + "label " + Quote(text) + (item != 0 && w.Hover() == item ? " hover" : "") + "\n";
}

void Box::Draw(const Window&, int ox, int oy) const {
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  FillRect(r, fill);
  FrameRect(r, border);
}

void Box::Dump(const Window&, std::string&, int) const {}

void TextField::Type(const std::string& utf8) {
  if (replaceOnType) {
    text.clear();
    replaceOnType = false;
  }
  // Walks the typed text one character (one UTF-8 sequence) at a time.
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 1;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 0xF0) len = 4;
    else if (lead >= 0xE0) len = 3;
    else if (lead >= 0xC0) len = 2;
    const std::string ch = utf8.substr(i, len);
    i += len;
    size_t count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    if (count >= maxChars) break;
    if (accept && !accept(ch)) continue;
    text += ch;
  }
  Invalidate();
}

void TextField::Backspace() {
  if (replaceOnType) {
    text.clear();
    replaceOnType = false;
  }
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((c & 0xC0) != 0x80) break;
  }
  Invalidate();
}

void TextField::Draw(const Window& w, int ox, int oy) const {
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  const bool focused = w.Focused() == this;
  FillRect(r, {8, 14, 28, 230});
  FrameRect(r, focused ? Color{120, 170, 230, 255} : Color{70, 90, 120, 255});
  TextStyle s = style;
  s.wrap = false;
  s.middle = true;
  if (replaceOnType) s.color = kDim;
  const Rect inner{r.x + 8, r.y, r.w - 16, r.h};
  // A text wider than the field shows its end while it is typed, its start
  // with "..." otherwise; whole characters only.
  std::string shown = text;
  const auto width = [&s](const std::string& t) {
    int tw = 0, th = 0;
    platform::MeasureText(t, 10000, s, tw, th);
    return tw;
  };
  if (width(shown) > inner.w) {
    const bool typing = focused && !replaceOnType;
    while (!shown.empty() && width(typing ? shown : shown + "...") > inner.w) {
      if (typing) {
        size_t n = 1;
        while (n < shown.size() && (static_cast<unsigned char>(shown[n]) & 0xC0) == 0x80) ++n;
        shown.erase(0, n);
      } else {
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80) shown.pop_back();
        if (!shown.empty()) shown.pop_back();
      }
    }
    if (!typing) shown += "...";
  }
  platform::DrawText(shown, inner, s);
  if (focused && !replaceOnType) {
    int tw = 0, th = 0;
    platform::MeasureText(shown, inner.w, s, tw, th);
    FillRect({inner.x + std::min(tw, inner.w) + 1, r.y + 6, 2, r.h - 12}, {200, 220, 255, 255});
  }
}

void TextField::Dump(const Window& w, std::string& out, int depth) const {
  out += Indent(depth) + "field " + Quote(text) + (w.Focused() == this ? " focus" : "") + "\n";
}

Picture& Panel::AddPicture(Rect r, const std::string& picture, const std::string& caption) {
  auto p = std::make_unique<Picture>();
  p->rect = r;
  p->picture = picture;
  p->caption = caption;
  return Add(std::move(p));
}

Button& Panel::AddButton(int k, Rect r, const std::string& prefix, const std::string& caption,
                         std::function<void()> action, PictureKind kind) {
  auto b = std::make_unique<Button>();
  b->rect = r;
  b->item = k;
  b->prefix = prefix;
  b->caption = caption;
  b->kind = kind;
  b->captionStyle = Caption();
  b->onClick = std::move(action);
  return Add(std::move(b));
}

Label& Panel::AddLabel(Rect r, const std::string& text, const TextStyle& style, int item) {
  auto l = std::make_unique<Label>();
  l->rect = r;
  l->text = text;
  l->style = style;
  l->item = item;
  return Add(std::move(l));
}

Box& Panel::AddBox(Rect r, Color fill, Color border) {
  auto b = std::make_unique<Box>();
  b->rect = r;
  b->fill = fill;
  b->border = border;
  return Add(std::move(b));
}

TextField& Panel::AddTextField(Rect r, const std::string& text, const TextStyle& style) {
  auto f = std::make_unique<TextField>();
  f->rect = r;
  f->text = text;
  f->style = style;
  return Add(std::move(f));
}

Panel& Panel::AddPanel(Rect r) {
  auto p = std::make_unique<Panel>();
  p->rect = r;
  return Add(std::move(p));
}

void Panel::MoveTo(int x, int y) {
  if (rect.x == x && rect.y == y) return;
  rect.x = x;
  rect.y = y;
  Invalidate();
}

Control* Panel::HitTest(int x, int y) {
  if (!visible || !rect.Contains(x, y)) return nullptr;
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (Control* hit = (*it)->HitTest(x - rect.x, y - rect.y)) return hit;
  return Reacts() || draggable ? this : nullptr;
}

void Panel::Draw(const Window& w, int ox, int oy) const {
  if (!visible) return;
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  if (!background.empty()) platform::DrawPicture(background, r);
  FillRect(r, fill);
  FrameRect(r, border);
  for (const auto& c : children)
    if (c->visible) c->Draw(w, r.x, r.y);
}

void Panel::Dump(const Window& w, std::string& out, int depth) const {
  if (!visible) return;
  if (!name.empty()) out += Indent(depth) + "panel #" + name + "\n";
  for (const auto& c : children)
    if (c->visible) c->Dump(w, out, depth + (name.empty() ? 0 : 1));
}

// ---- window -------------------------------------------------------------------

Window::Window(std::string unit, int width, int height) : unit_(std::move(unit)) {
  root_.rect = {(platform::kCanvasWidth - width) / 2, (platform::kCanvasHeight - height) / 2, width, height};
}

Window::~Window() {
  for (auto& t : Timers())
    if (t.owner == this) t.alive = false;
}

void Window::MoveTo(int x, int y) { root_.MoveTo(x, y); }

void Window::Show() {
  if (open_ || Quitting()) return;
  open_ = true;
  closing_ = false;
  hover_ = 0;
  OnShow();
  for (const auto& f : onShown) f();
  EventLoop::Run(*this);
  open_ = false;
  closing_ = false;
  hover_ = 0;
  dragging_ = nullptr;
  draggingWindow_ = false;
}

void Window::Close() {
  if (!open_ || closing_) return;
  closing_ = true;
  OnClose();
  Invalidate();
}

void Window::Focus(TextField* f) {
  focus_ = f;
  Invalidate();
}

void Window::StepHover(const std::vector<int>& order, int delta) {
  const int n = static_cast<int>(order.size());
  if (n == 0) return;
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (order[static_cast<size_t>(i)] == Hover()) at = i;
  at = at < 0 ? (delta > 0 ? 0 : n - 1) : (at + delta + n) % n;
  HoverItem(order[static_cast<size_t>(at)]);
}

void Window::HoverItem(int k) {
  if (hover_ == k) return;
  hover_ = k;  // the previous item shows its normal picture again when drawn
  Invalidate();
}

void Window::ClearHover() { HoverItem(0); }

void Window::StartTimer(int id, int intervalMs, std::function<void()> fn, bool covered) {
  StopTimer(id);
  Timer t;
  t.owner = this;
  t.id = id;
  t.interval = std::max(1, intervalMs);
  t.due = platform::Now() + static_cast<uint64_t>(t.interval);
  t.fn = std::move(fn);
  t.covered = covered;
  Timers().push_back(std::move(t));
}

void Window::StopTimer(int id) {
  for (auto& t : Timers())
    if (t.owner == this && t.id == id) t.alive = false;
}

bool Window::TimerRunning(int id) const {
  for (const auto& t : Timers())
    if (t.owner == this && t.id == id && t.alive) return true;
  return false;
}

void Window::MouseMove(int x, int y) {
  if (draggingWindow_) {
    const Rect b = Bounds();
    MoveTo(std::clamp(b.x + x - dragX_, 0, platform::kCanvasWidth - b.w),
           std::clamp(b.y + y - dragY_, 0, platform::kCanvasHeight - b.h));
    return;
  }
  if (dragging_) {
    dragging_->MoveTo(std::clamp(x - dragX_, 0, Width() - dragging_->rect.w),
                      std::clamp(y - dragY_, 0, Height() - dragging_->rect.h));
    return;
  }
  Control* c = HitLocal(x, y);
  if (c && c->item != 0 && !(dynamic_cast<Button*>(c) && !static_cast<Button*>(c)->enabled))
    HoverItem(c->item);
  else
    ClearHover();
}

void Window::Click(Control* c, int button, int clicks) {
  if (button == SDL_BUTTON_RIGHT) {
    if (c->onRightClick) c->onRightClick();
    return;
  }
  if (auto* b = dynamic_cast<Button*>(c); b && !b->enabled) return;
  if (clicks >= 2 && c->onDoubleClick) {
    c->onDoubleClick();
    return;
  }
  if (clicks >= 2) return;  // the first click of the pair already acted
  if (auto* f = dynamic_cast<TextField*>(c)) {
    Focus(f);
    return;
  }
  // A label sharing a button's item acts as that button.
  std::function<void()> action = c->onClick;
  if (!action && c->item != 0 && c->parent)
    for (const auto& sib : c->parent->children)
      if (sib.get() != c && sib->item == c->item && sib->onClick && sib->visible) action = sib->onClick;
  if (!action) return;
  UI().PlaySound("button.wav");
  ClearHover();
  action();
}

// Children may lie outside the window's rectangle (a hint panel beside a menu).
Control* Window::HitLocal(int x, int y) {
  for (auto it = root_.children.rbegin(); it != root_.children.rend(); ++it)
    if (Control* hit = (*it)->HitTest(x, y)) return hit;
  return nullptr;
}

void Window::MouseDown(int x, int y, int button, int clicks) {
  Control* c = HitLocal(x, y);
  if (!c) {
    if (movable && button == SDL_BUTTON_LEFT && x >= 0 && y >= 0 && x < Width() && y < Height()) {
      draggingWindow_ = true;
      dragX_ = x;
      dragY_ = y;
    }
    return;
  }
  if (auto* p = dynamic_cast<Panel*>(c); p && p->draggable && button == SDL_BUTTON_LEFT && !p->Reacts()) {
    dragging_ = p;
    dragX_ = x - p->rect.x;
    dragY_ = y - p->rect.y;
    return;
  }
  Click(c, button, clicks);
}

void Window::MouseUp(int x, int y, int button) {
  dragging_ = nullptr;
  draggingWindow_ = false;
  OnMouseUp(x, y, button);
}

bool Window::KeyDown(SDL_Keycode key) {
  if (focus_ && focus_->visible && key == SDLK_BACKSPACE) {
    focus_->Backspace();
    return true;
  }
  const bool typing = focus_ && focus_->visible;
  Button* target = nullptr;
  if (key == SDLK_RETURN || key == SDLK_KP_ENTER || (key == SDLK_SPACE && !typing)) target = default_;
  if (key == SDLK_ESCAPE) target = cancel_;
  if (!target || !target->visible || !target->enabled) return false;
  Click(target, SDL_BUTTON_LEFT, 1);
  return true;
}

void Window::TextInput(const std::string& utf8) {
  if (focus_ && focus_->visible) focus_->Type(utf8);
}

void Window::DrawAll(const Rect* within) const {
  const Rect b = Bounds();
  if (frame && (b.w < platform::kCanvasWidth || b.h < platform::kCanvasHeight)) {
    // A soft shadow lifts the window off the one below.
    // Only its rim is drawn: the window itself covers the rest.
    for (int i = 1; i <= 6; ++i) {
      const Rect r{b.x - i, b.y - i + 3, b.w + 2 * i, b.h + 2 * i};
      const Color c{0, 0, 0, 22};
      FillRect({r.x, r.y, r.w, i}, c);
      FillRect({r.x, r.y + r.h - i - 3, r.w, i + 3}, c);
      FillRect({r.x, r.y + i, i, r.h - 2 * i - 3}, c);
      FillRect({r.x + r.w - i, r.y + i, i, r.h - 2 * i - 3}, c);
    }
  }
  if (!background.empty())
    platform::DrawPicture(background, b);
  else
    FillRect(b, {10, 14, 26, 255});
  DrawContent(b.x, b.y);
  for (const auto& c : root_.children) {
    if (!c->visible) continue;
    if (within && !dynamic_cast<const Panel*>(c.get())) {
      const Rect r{b.x + c->rect.x, b.y + c->rect.y, c->rect.w, c->rect.h};
      if (r.x >= within->x + within->w || r.y >= within->y + within->h || r.x + r.w <= within->x ||
          r.y + r.h <= within->y)
        continue;
    }
    c->Draw(*this, b.x, b.y);
  }
  if (frame) FrameRect(b, {96, 120, 160, 255});
}

std::string DumpScreens() {
  std::string out;
  for (Window* w : Stack()) {
    const Rect b = w->Bounds();
    out += "window " + w->Unit() + " " + std::to_string(b.w) + "x" + std::to_string(b.h) +
           (w == Top() ? " top" : "") + " hover=" + std::to_string(w->Hover()) + "\n";
    for (const auto& c : w->Root().children)
      if (c->visible) c->Dump(*w, out, 1);
  }
  return out;
}

}  // namespace qm::ui
