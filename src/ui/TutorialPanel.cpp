#include "ui/TutorialPanel.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace qm::ui {
namespace {

constexpr int kBlinkTimer = 9100;  // far from the screens' own timer ids
constexpr int kMiniW = 132, kMiniH = 26;
constexpr Color kPaneFill{8, 40, 20, 255};
constexpr Color kPaneEdge{96, 214, 128, 255};
constexpr Color kGreenText{170, 244, 186, 255};

std::vector<TutorialPanel*>& Panels() {
  static std::vector<TutorialPanel*> panels;
  return panels;
}

// The click-here marker: a gold frame around the control with an arrow over it.
class Marker : public Control {
 public:
  bool lit = true;  // blinks while it stays on its control
  void Draw(const Window&, int ox, int oy) const override {
    if (!lit) return;
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    for (int i = 0; i < 3; ++i) FrameRect({r.x - i, r.y - i, r.w + 2 * i, r.h + 2 * i}, kGold);
    const int cx = r.x + r.w / 2, top = r.y - 22;
    for (int i = 0; i < 3; ++i) {
      DrawLine(cx - 9 + i, top + i, cx, top + 14, kGold, 2.0);
      DrawLine(cx + 9 - i, top + i, cx, top + 14, kGold, 2.0);
    }
  }
  void Dump(const Window&, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "marker " + std::to_string(rect.x) + " " +
           std::to_string(rect.y) + " " + std::to_string(rect.w) + "x" + std::to_string(rect.h) + "\n";
  }
};

}  // namespace

TutorialPanel::TutorialPanel(Window& w, TutorialScreen screen, Place pane) : window_(w), screen_(screen), home_(pane) {
  pane_ = &w.AddPanel({pane.x, pane.y, kW, kH});
  pane_->name = "Tutorial";
  pane_->fill = kPaneFill;
  pane_->border = kPaneEdge;
  pane_->draggable = true;
  pane_->AddLabel({10, 6, kW - 20, 22}, "Tutorial", Shadowed(OneLine(Tinted(Title(15), kGreenText))));
  explanation_ = &pane_->AddLabel({10, 30, kW - 20, 176}, "", Body(10));
  pane_->AddBox({10, 210, kW - 20, 1}, {96, 214, 128, 120});
  pane_->AddLabel({10, 215, kW - 20, 16}, "How to continue:", OneLine(Tinted(Bold(Small(11)), kGreenText)));
  instruction_ = &pane_->AddLabel({10, 232, kW - 20, 36}, "", Bold(Body(10)));
  Button& minimize = pane_->AddButton(0, {8, kH - 30, 84, 24}, "TutorialPanel", "Minimize", [this] {
    minimized_ = true;
    Refresh();
  });
  Button& cancel = pane_->AddButton(0, {kW - 8 - 106, kH - 30, 106, 24}, "TutorialPanel", "Cancel tutorial", [] {
    AskStopTutorial();
    RefreshAll();
  });
  for (Button* b : {&minimize, &cancel}) b->captionStyle = Caption(10);

  mini_ = &w.AddPanel({pane.x, pane.y, kMiniW, kMiniH});
  mini_->name = "TutorialMinimized";
  mini_->fill = kPaneFill;
  mini_->border = kPaneEdge;
  Label& title = mini_->AddLabel({10, 0, kMiniW - 20, kMiniH}, "Tutorial  \u25b8", OneLine(Tinted(Title(12), kGreenText)));
  title.style.middle = true;
  mini_->onClick = [this] {
    minimized_ = false;
    Refresh();
  };
  title.onClick = mini_->onClick;

  auto marker = std::make_unique<Marker>();
  marker_ = &w.Root().Add(std::move(marker));
  pane_->Show(false);
  mini_->Show(false);
  marker_->Show(false);
  Panels().push_back(this);
  // A screen coming up may be the one a step waits for: every pane looks again.
  w.onShown.push_back([] { RefreshAll(); });
}

TutorialPanel::~TutorialPanel() { Panels().erase(std::remove(Panels().begin(), Panels().end(), this), Panels().end()); }

void TutorialPanel::RefreshAll() {
  for (TutorialPanel* p : Panels()) p->Refresh();
  Invalidate();
}

bool TutorialPanel::ScreenOpen(TutorialScreen s) {
  for (const TutorialPanel* p : Panels())
    if (p->screen_ == s && p->window_.IsOpen() && !p->window_.IsClosing()) return true;
  return false;
}

void TutorialPanel::Refresh() {
  TutorialView v = CurrentTutorial();
  bool mine = v.step != 0 && v.screen == screen_;
  // A step whose screen the player closed is taken up again from here.
  Rect reopenAt{};
  if (!mine && v.step != 0 && reopenText && !ScreenOpen(v.screen)) {
    const std::string way = reopenText(v.screen);
    if (!way.empty()) {
      mine = true;
      v.instruction = way;
      reopenAt = reopenMarker ? reopenMarker(v.screen) : Rect{};
    }
  }
  if (v.step != shownStep_) minimized_ = false;  // a new step shows its pane again
  shownStep_ = v.step;
  const bool text = mine && !v.instruction.empty();
  if (text) {
    const Place at = paneAt ? paneAt(v.step) : home_;
    pane_->MoveTo(at.x, at.y);
    mini_->MoveTo(at.x, at.y);
    explanation_->Set(v.explanation);
    instruction_->Set(v.instruction);
  }
  pane_->Show(text && !minimized_);
  mini_->Show(text && minimized_);

  const Rect m = reopenAt.w > 0 ? reopenAt : mine && markerAt ? markerAt(v.step) : Rect{};
  const bool marking = m.w > 0 && m.h > 0;
  if (marking) marker_->rect = m;
  if (marking && !marking_) {
    static_cast<Marker*>(marker_)->lit = true;
    marker_->Show(true);
    window_.StartTimer(kBlinkTimer, 1000, [this] { Blink(); });
  } else if (!marking) {
    marker_->Show(false);
    window_.StopTimer(kBlinkTimer);
  }
  marking_ = marking;
  Invalidate();
}

void TutorialPanel::Blink() {
  auto* m = static_cast<Marker*>(marker_);
  m->lit = !m->lit;
  Invalidate();
}

}  // namespace qm::ui
