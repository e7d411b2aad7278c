#include "ui/switch_line.h"

#include <algorithm>
#include <memory>

#include "platform/pictures.h"

namespace qm::ui {
namespace {

constexpr Color kOn{255, 196, 96, 255};  // the lamp's amber
constexpr int kStateW = 28;              // room for "Off" at the right end

}  // namespace

void SwitchLine::Draw(const Window& w, int ox, int oy) const {
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  platform::DrawPicture(CurrentPicture(w), r);
  // The art kit's lamp sits at the left, about two thirds of the height wide.
  const int inset = std::max(22, rect.h * 9 / 10);
  const bool hover = enabled && w.Hover() == item && item != 0;
  TextStyle s = captionStyle;
  s.align = Align::Left;
  s.wrap = false;
  s.middle = true;
  if (!enabled)
    s.color = {120, 126, 140, 255};
  else if (hover)
    s.color = kHighlight;
  platform::DrawText(caption, {r.x + inset, r.y, r.w - inset - kStateW - 12, r.h}, s);
  if (!enabled) return;
  TextStyle state = s;
  state.align = Align::Right;
  state.font = Font::SansBold;
  state.color = on ? kOn : kDim;
  platform::DrawText(on ? "On" : "Off", {r.x + r.w - kStateW - 10, r.y, kStateW, r.h}, state);
}

SwitchLine& AddSwitchLine(Panel& parent, int k, Rect r, const std::string& prefix, const std::string& caption,
                          std::function<void()> action) {
  auto line = std::make_unique<SwitchLine>();
  line->item = k;
  line->rect = r;
  line->prefix = prefix;
  line->kind = PictureKind::Toggle;
  line->caption = caption;
  line->captionStyle = Body(11);
  line->onClick = std::move(action);
  return parent.Add(std::move(line));
}

}  // namespace qm::ui
