#include "ui/ability_button.h"

#include "platform/pictures.h"
#include "platform/text.h"

namespace qm::ui {

void AbilityButton::Draw(const Window& w, int ox, int oy) const {
  const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
  platform::DrawPicture(picture, r);
  if (!enabled) FillRect(r, {0, 0, 0, 120});
  if (enabled && w.Hover() == item) {
    FrameRect(r, kHighlight);
    FrameRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kHighlight);
  }
  if (badge.empty()) return;
  const int size = r.h * 2 / 5;
  const Rect b{r.x + r.w - size - 2, r.y + r.h - size - 2, size, size};
  FillRect(b, {8, 12, 26, 225});
  FrameRect(b, kGold);
  platform::DrawText(badge, b, OneLine(Bold(Caption(size * 2 / 3)), Align::Centre));
}

void AbilityButton::Dump(const Window& w, std::string& out, int depth) const {
  out += std::string(static_cast<size_t>(depth) * 2, ' ') + "button " + (item < 10 ? "0" : "") +
         std::to_string(item) + " \"" + caption + "\" " + picture + (w.Hover() == item ? " hover" : "") +
         (enabled ? "" : " disabled") + (badge.empty() ? "" : " badge " + badge) + "\n";
}

}  // namespace qm::ui
