#pragma once
// The ability screen: one kind of ability tree (non-combat: Trade, Mercenary,
// Criminal; combat: Defense, Attack, Ambush), one category at a time with its
// ten positions drawn as a tree from the first abilities down to the last.
// Learned abilities show their "_on" picture, the others their "_off" picture,
// dimmed while the abilities above them are missing.
//
// Browsing (from the personal status screen) only informs: a left click
// selects an ability and shows its name, standing and description below the
// tree, a right-click shows them in a notice.
//
// Choosing (the pick a promotion gives, or one kept from a choice closed
// earlier): a left click on an ability, or "Learn" for the selected one, asks
// the rules to learn it; learned, the screen closes. Closed without a pick,
// the pick is kept and offered again when the player opens the trees from the
// personal status screen.
//
// Keys: the arrow keys step through the tree, 1, 2, 3 or Tab switch the
// category, Enter learns the selected ability while choosing (else goes back),
// Escape goes back.
#include <memory>
#include <SDL.h>

#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_SelectNewAbility : public Window {
 public:
  Screen_SelectNewAbility();
  // Shows tree kind 1 (non-combat) or 2 (combat) at `category` modally, to browse.
  // A pick kept from an earlier choice is offered instead, when there is one.
  void Browse(int treeKind, int category = 1);
  bool Choosing() const { return choosing_; }
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnClose() override;
  void OnShow() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  // What a left click on a position does: browsing only selects it.
  void Pick(int position);
  void Learn();
  void Select(int position);
  void ShowCategory(int category);
  void Info(int position) const;
  void Layout();
  void Refresh();
  void RefreshInfo();
  void RefreshCompatibility();
  // The position in the tier above (-1) or below (+1) nearest to the selected one.
  int Neighbour(int direction) const;

  int treeKind_ = 1;
  int category_ = 1;
  int selected_ = 1;
  bool choosing_ = false;
  Button* learn_ = nullptr;
  Button* back_ = nullptr;
  Label* keys_ = nullptr;
  Label* title_ = nullptr;
  Label* subtitle_ = nullptr;
  std::array<Button*, 3> categories_{};
  Label* treeHeading_ = nullptr;
  std::array<Button*, 11> icons_{};   // positions 1..10
  std::array<Label*, 11> names_{};
  Panel* legend_ = nullptr;
  Panel* info_ = nullptr;
  Label* infoName_ = nullptr;
  Label* infoStanding_ = nullptr;
  Label* infoText_ = nullptr;
  Label* infoCost_ = nullptr;
  Panel* compatibility_ = nullptr;
  std::array<Label*, 10> compatibilityLines_{};
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
