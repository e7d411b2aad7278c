#pragma once
// The retirement: the career scored in five steps, one page each (the step's
// picture, what it counts and the running score), then the career ladder with
// the ten second careers from "President" down to "Beggar", the one reached
// lit, its name and text under the ladder.
//
// Keys: Enter or Space (or "Continue") go on, Escape too: the game is over and
// the score stands either way; Left and Right step back and forth through the
// pages already seen.
#include <SDL.h>

#include <array>

#include "ui/window.h"
#include "world/retirement.h"

namespace qm::ui {

class Screen_Retire2 : public Window {
 public:
  Screen_Retire2();
  // Shows the retirement modally, from the first step to the ladder.
  void Present(const RetirementReport& report);
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  static constexpr int kRungs = 10;
  void Next();
  void ShowPage(int page);  // 0..4 the steps, 5 the ladder

  RetirementReport report_;
  int page_ = 0;
  Label* title_ = nullptr;
  Label* heading_ = nullptr;
  Panel* step_ = nullptr;
  Picture* picture_ = nullptr;
  Label* text_ = nullptr;
  Label* score_ = nullptr;
  std::array<Picture*, 11> ribbons_{};  // the promotion step's awards
  std::array<Picture*, 3> medals_{};
  Panel* ladder_ = nullptr;
  std::array<Picture*, kRungs + 1> rungs_{};
  std::array<Label*, kRungs + 1> rungNames_{};
  Label* career_ = nullptr;
  Label* careerText_ = nullptr;
  Label* final_ = nullptr;
  Button* continue_ = nullptr;
};

}  // namespace qm::ui
