#pragma once
// The personal status screen: the pilot's dress uniform with the rank boards,
// collar pins, pilot wings, campaign ribbons and medals earned, the portrait,
// name, rank and insignia, level and experience, age, lives, missions, the
// ships destroyed by class and the service record; two buttons open the skill
// trees to browse.
//
// Mouse: point at (or click, or right-click) an award to read its name.
// Keys: N the non-combat abilities, C the combat abilities, Left/Right step
// through the awards worn, Escape or Enter close.
#include <memory>
#include <SDL.h>

#include <array>
#include <vector>

#include "ui/TutorialPanel.h"
#include "ui/window.h"
#include "world/promotion.h"

namespace qm::ui {

class Screen_PersonalStatus : public Window {
 public:
  Screen_PersonalStatus();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnClose() override;
  void OnShow() override;
  void OnUncovered() override;
  bool OnCloseRequest() override;

 private:
  void Refresh();
  void RefreshUniform();
  void RefreshCareer();
  void OpenTree(int treeKind);
  void AwardInfo(size_t index) const;
  // What the line under the uniform says for the item under the mouse.
  std::string HoverText(int item) const;

  std::vector<AwardWorn> worn_;
  std::string shoulderText_, collarText_, wingsText_;
  Picture* jacket_ = nullptr;
  std::array<Picture*, 2> shoulders_{};
  std::array<Picture*, 2> collars_{};
  Picture* wings_ = nullptr;
  std::array<Picture*, 11> ribbons_{};
  std::array<Picture*, 3> medals_{};
  Label* faction_ = nullptr;
  Picture* portrait_ = nullptr;
  Label* name_ = nullptr;
  Label* rank_ = nullptr;
  Picture* insignia_ = nullptr;
  Label* rankShort_ = nullptr;
  Label* level_ = nullptr;
  Label* experience_ = nullptr;
  Box* progress_ = nullptr;
  Label* progressText_ = nullptr;
  std::array<Label*, 5> facts_{};
  std::array<Label*, 6> kills_{};
  Label* record_ = nullptr;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
