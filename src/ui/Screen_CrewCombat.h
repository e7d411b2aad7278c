#pragma once
// The boarding screen: the enemy ship's deck plan with its four areas, the
// forces on both sides, the three attacks and the retreat. It shows what the
// boarding rules (combat/boarding.h) decide and closes when the boarding ends.
//
// Mouse: click an area of the deck plan to attack it, click a button to strike
// or retreat; a right-click on an area or a button explains it.
// Keys: 1..4 the areas, A or Enter attack, C commando strike, E EMP strike,
// R or Escape retreat.
#include <array>

#include "ui/window.h"

namespace qm::ui {

class Screen_CrewCombat : public Window {
 public:
  Screen_CrewCombat();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnClose() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  // Runs one action of the player (an area, an attack, the retreat) the way a
  // click does, then shows the new state or closes when the boarding is over.
  void Act(void (*action)());
  void SelectAreaAct(int area);
  void Refresh();
  void RefreshAreas();
  void RefreshStatus();
  void RefreshForces();
  void RefreshCompatibility();
  void AreaInfo(int area) const;

  std::array<Picture*, 5> areas_{};        // areas 1..4
  std::array<Label*, 5> areaCaptions_{};
  Label* shipName_ = nullptr;
  Label* areaName_ = nullptr;
  Label* phase_ = nullptr;
  Label* areaText_ = nullptr;
  std::array<Label*, 3> enemy_{};           // crew, marines, droids of the area
  Label* enemyTotal_ = nullptr;
  std::array<Label*, 5> player_{};          // crewmen, officers, marines, pirates, droids
  std::array<Label*, 5> lost_{};
  Label* playerTotal_ = nullptr;
  Label* balance_ = nullptr;
  Box* balanceOurs_ = nullptr;
  Label* report_ = nullptr;
  Panel* legend_ = nullptr;
  Panel* compatibility_ = nullptr;
  std::array<Label*, 5> compatibilityLines_{};
};

}  // namespace qm::ui
