#pragma once
// The highscore list: the five best careers kept across games, each with the
// pilot's name, the final score, the faction's logo and the rank insignia. The
// entry made by the last retirement is drawn in yellow; opened from the main
// menu every line is white.
//
// Keys: Up and Down step through the rows, Enter or Escape close.
#include <SDL.h>

#include <array>

#include "ui/window.h"

namespace qm::ui {

class Screen_Highscore : public Window {
 public:
  Screen_Highscore();
  // Shows the list right after a retirement, its new entry highlighted.
  void ShowNewEntry();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  static constexpr int kRows = 5;
  struct Row {
    Label* place = nullptr;
    Label* name = nullptr;
    Label* score = nullptr;
    Picture* logo = nullptr;
    Picture* insignia = nullptr;
  };
  void Select(int row);
  void Refresh();

  std::array<Row, kRows> rows_{};
  int selected_ = 0;  // 0: none; moved by the arrow keys or a click on a row
  bool keepHighlight_ = false;
};

}  // namespace qm::ui
