#include "world/death.h"

#include "catalogue/equipment.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {

void HandleDeath() {
  auto& s = Game.Ship;
  if (s[Sh::Alive] != 0) return;
  auto& lives = Game.Player[Pl::Lifepoints];
  lives -= 1;
  if (lives < 1) {
    Run.GameEnded = true;  // no new chance: the caller ends the game
    return;
  }
  DialogContent d;
  d.dialog = 8;
  d.topic = "New chance";
  d.title2 = "What happened? You got killed...";
  d.text =
      "Even the best fail sometimes. Do not worry, you get a new chance as long as you have enough life points left. "
      "You receive one life point for every campaign ribbon / promotion you receive. Feel free to use the Save/Load "
      "option in the Options-Menu to save/restore a game session as well.";
  d.scoreLine = "Lifepoints: " + std::to_string(lives);
  d.picture = "ghostshipr.jpg";
  Notify(d);
  s[Sh::Alive] = 1;
  s[Sh::ShieldEnergy] = maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
  if (Run.TravelScreenVisible) Run.FlightAborted = true;  // the travel screen closes and the flight ends
  UI().RefreshMainScreen(s[Sh::System]);
}

}  // namespace qm
