#pragma once
// The planet screen: the city picture and the planet's facts, and its services
// as buttons (shipyard, equipment, trade, bar, bank, governor). It opens over
// the main screen after a landing; "Back to space" returns there.
//
// The planet's service screens (bank, bar, governor, pirate hideout) are built
// on ServiceScreen, which gives them the same handling of buttons and keys:
//   - a row or grid of service buttons, each with a number key on a chip;
//   - arrow keys move the highlight over the buttons, Enter or Space press the
//     highlighted one (the default button when none is highlighted), Escape
//     leaves the screen;
//   - a right-click explains a button and never acts; a service that the place
//     does not have is switched off, and its right-click says why;
//   - after every action the screen shows the state anew, or closes when the
//     game has ended meanwhile (a retirement, a death, the player quitting).
#include <memory>
#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class ServiceScreen : public Window {
 public:
  ServiceScreen(std::string unit, int width, int height);
  bool KeyDown(SDL_Keycode key) override;

 protected:
  // A service button with item number `item` (its number key is shown on a chip
  // when `key` is 1..9) and its right-click help.
  Button& AddService(int item, Rect r, const std::string& prefix, const std::string& caption, int key,
                     std::function<void()> action, std::string helpTopic, std::string helpText);
  // Switches a service on or off; a switched-off service ignores clicks and keys,
  // and its right-click gives `reason`.
  void Offer(Button& b, bool available, const std::string& reason = "");
  // Shows or hides a service with its key chip.
  void ShowService(Button& b, bool shown);
  // Arrow keys Up/Down move by this many buttons (the width of the grid).
  int columns = 1;

  // Runs a rule, then refreshes, or closes when the game has ended meanwhile.
  void Act(const std::function<void()>& rule);
  // Shows another screen over this one, then the same.
  void Open(const std::string& unit);
  // Closes the screen when the game has ended; true when it did (or the program quits).
  bool Ended();

  // Shows the game state; called when the screen is shown and after every action.
  virtual void Refresh() = 0;
  void OnShow() override;
  void OnUncovered() override;

  // A dark glass panel, the house backdrop for text over the screen picture.
  Panel& Glass(Rect r, const char* name);
  // The keys line at the bottom of a screen.
  Label& KeysLine(Rect r, const std::string& text);

 private:
  struct Service {
    Button* button = nullptr;
    int key = 0;
    std::string helpTopic, helpText, reason;
    bool available = true;
  };
  Service* Find(const Button* b);
  Service* Hovered();
  bool Usable(const Service& s) const;
  void Press(Service& s);
  void Step(int delta);
  std::vector<Service> services_;
};

class Screen_Planet : public ServiceScreen {
 public:
  Screen_Planet();

 protected:
  void Refresh() override;

 private:
  Picture* picture_ = nullptr;
  Label* name_ = nullptr;
  Label* system_ = nullptr;
  Label* faction_ = nullptr;
  Label* class_ = nullptr;
  Label* description_ = nullptr;
  Label* credits_ = nullptr;
  std::vector<Button*> serviceButtons_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
