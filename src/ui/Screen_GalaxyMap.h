#pragma once
// The galaxy map: the 24 star systems with their owners' blips and the wormhole
// lanes between them, the selected system's known prices or its description,
// and the selected commodity's known price under every system.
#include <memory>
#include <array>

#include "state/game_state.h"
#include "ui/TutorialPanel.h"
#include "ui/window.h"
#include "world/galaxy_map.h"

namespace qm::ui {

class Screen_GalaxyMap : public Window {
 public:
  Screen_GalaxyMap();

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  struct SystemControls {
    Picture* blip = nullptr;
    Label* name = nullptr;
    Label* price = nullptr;
  };
  void Refresh();
  void ShowPanel(bool prices);
  void Leave();
  GalaxyMap map_;
  bool pricesShown_ = true;
  std::array<SystemControls, kSystems + 1> systems_{};
  Button* pricesButton_;
  Button* infoButton_;
  Panel* prices_;
  Panel* info_;
  Label* pricesTitle_;
  Label* pricesNote_;
  std::array<Label*, kCommodities + 1> rowName_{};
  std::array<Label*, kCommodities + 1> rowPrice_{};
  std::array<Box*, kCommodities + 1> rowBand_{};
  Label* hold_;
  Label* infoName_;
  Picture* infoLogo_;
  Label* infoClass_;
  Label* infoFaction_;
  Label* infoText_;
  Label* infoLanes_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
