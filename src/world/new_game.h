#pragma once
#include <string>

namespace qm {

// The choices of the three selection screens.
struct NewGameChoices {
  int faction = 1;      // 1..4
  int portrait = 0;     // 0..2
  std::string name = "Incognito";
  int profession = 1;   // 1..6
};

// Builds the world for the choices already in Player and PlayerName: the
// fixed world table, the starting ship, 123 days of pre-simulation.
void InitialiseWorld();
// Reset, the three choices, then InitialiseWorld: a new game without screens.
// Out-of-range choices fall back to the screens' first options.
void StartNewGame(const NewGameChoices& choices);
// Makes every pirate hideout of the galaxy visible.
void RevealAllHideouts();

}  // namespace qm
