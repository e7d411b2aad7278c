#pragma once
// The mission board of the system the ship is in: its six offers as list
// entries (logo, name, place, reward), the selected offer's briefing, the
// detail line, the target and the reward, and "Accept mission" / "Back".
// Accepting asks the rules, which put their own questions and refusals, refill
// the board and start the mission; the board then closes.
#include <memory>
#include <SDL.h>

#include <array>

#include "state/game_state.h"
#include "ui/TutorialPanel.h"
#include "ui/window.h"
#include "world/missions.h"

namespace qm::ui {

class Screen_Missions : public Window {
 public:
  Screen_Missions();
  bool KeyDown(SDL_Keycode key) override;
  // The offer slot (1..6) "Accept mission" takes: the one last clicked, 1 at first.
  int Selected() const { return selected_; }

 protected:
  void OnShow() override;

 private:
  void BuildBoard();
  void BuildBriefing();
  void Refresh();
  void Select(int slot);
  void Accept();
  // The next offered slot from the selection: `rows` up or down in its column,
  // `columns` left or right in its row (the board is three columns of two).
  int Step(int columns, int rows) const;
  static bool Offered(int slot);

  std::array<Button*, kMissionOffers + 1> entries_{};
  int selected_ = 1;
  Label* heading_ = nullptr;
  Label* credits_ = nullptr;
  Label* selectedName_ = nullptr;
  Picture* logo_ = nullptr;
  Label* description_ = nullptr;
  Label* detailLabel_ = nullptr;
  Label* detailValue_ = nullptr;
  Label* targetValue_ = nullptr;
  Label* rewardValue_ = nullptr;
  Label* targetLabel_ = nullptr;
  Label* rewardLabel_ = nullptr;
  Button* accept_ = nullptr;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
