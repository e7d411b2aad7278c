#pragma once
// The invasion campaign of the system the ship is in: the two fleets facing
// each other before the starbase (more and bigger ships for the side that is
// winning), the balance of the siege, the day counter, who invades whom, the
// player's part in it and the war bonds; "Ask for a mission", "Strike
// starbase" and "Back". Both actions are the rules': their refusals and
// questions are theirs, and a strike that was fought closes the screen.
//
// Keys: M or Enter ask for a mission, S strikes the starbase, Escape goes back.
#include <SDL.h>

#include <array>

#include "ui/window.h"
#include "world/wars.h"

namespace qm::ui {

class Screen_Campaign : public Window {
 public:
  Screen_Campaign();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnUncovered() override;
  bool OnCloseRequest() override;

 private:
  static constexpr int kMaxSmall = 6, kMaxBig = 4;
  struct Fleet {
    std::array<Picture*, kMaxSmall> small{};
    std::array<Picture*, kMaxBig> big{};
    Picture* logo = nullptr;
    Label* name = nullptr;
    Label* points = nullptr;
  };
  void BuildBattle();
  void BuildTexts();
  void PlaceFleet(Fleet& f, int level, bool left, const std::string& smallPic, const std::string& bigPic);
  void Refresh();
  void AskForMission();
  void Strike();
  // Leaves when the game ended or the siege is over.
  bool Leave();

  Fleet attacker_, defender_;
  Label* title_ = nullptr;
  Label* system_ = nullptr;
  Label* days_ = nullptr;
  Picture* starSystem_ = nullptr;
  Picture* starbase_ = nullptr;
  Label* situation_ = nullptr;
  Label* player_ = nullptr;
  Label* missions_ = nullptr;
  Label* bonds_ = nullptr;
  Box* balanceLeft_ = nullptr;
  Box* balanceRight_ = nullptr;
  Box* dayFill_ = nullptr;
  int attackerPoints_ = 0, defenderPoints_ = 0, day_ = 0, duration_ = 1;
  bool playerAttacks_ = false;
};

}  // namespace qm::ui
