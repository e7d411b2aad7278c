#include "ui/Screen_Placeholder.h"

#include "catalogue/career.h"
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/money.h"

namespace qm::ui {

Screen_Placeholder::Screen_Placeholder() : Window("Screen_Travel", 800, 600) {
  background = "MainScreen_00.jpg";
  frame = false;
  AddBox({40, 40, 720, 520}, {6, 10, 22, 200}, {90, 116, 160, 255});
  AddLabel({64, 58, 672, 30}, "Your journey begins", Title(22));
  portrait_ = &AddPicture({64, 104, 150, 188}, "");
  pilot_ = &AddLabel({234, 104, 500, 90}, "", Body(14));
  place_ = &AddLabel({234, 196, 500, 60}, "", Body(13));
  ship_ = &AddPicture({234, 262, 300, 168}, "");
  status_ = &AddLabel({64, 444, 672, 50},
                      "The main screen of your star system is still under construction. Return to the main menu "
                      "with Escape or the button below.",
                      Small(12));
  auto& back = AddButton(1, {620, 504, 120, 36}, "MainScreen", "Main menu", [this] { Quit(); });
  SetCancel(&back);
}

void Screen_Placeholder::OnShow() {
  const auto& p = Game.Player;
  portrait_->Set(portraitPicture());
  pilot_->Set(Game.PlayerName + "\n" + professionName(p[Pl::Profession]) + " of the " +
              Game.FactionText[p[Pl::Faction]][1] + "\nCredits: " + FormatMoney(p[Pl::Credits]));
  const int sys = Game.Ship[Sh::System], loc = Game.Ship[Sh::Location];
  place_->Set("Docked at " + Game.LocationText[sys][loc][1] + " in the " + Game.SystemText[sys][1] +
              " system, day " + std::to_string(Game.StarDate) + ".");
  ship_->Set(shipPictureName(Game.Ship[Sh::ShipType], Game.Ship[Sh::ShipFaction]) + "_scene.jpg");
}

void Screen_Placeholder::Quit() {
  if (Run.GameEnded ||
      AskYesNo("Quit game?", "Do you really wish to quit this game? (No retiring, no highscore)"))
    Close();
}

bool Screen_Placeholder::OnCloseRequest() {
  Quit();
  return false;
}

}  // namespace qm::ui
