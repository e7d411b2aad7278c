#include "world/promotion.h"

#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {

// Levels and ranks are not awarded yet: experience only accumulates.
void CheckPromotion() {}

// The medals are recorded; their award screen comes with the promotion screen.
void AwardSilverStar() {
  if (Game.Player[Pl::SilverStar] != 0) return;
  Game.Player[Pl::SilverStar] = 1;
  Notify("Medal", "For exceptional bravery in influencing our war efforts.");
}

void AwardGoldStar() {
  if (Game.Player[Pl::GoldStar] != 0) return;
  Game.Player[Pl::GoldStar] = 1;
  Notify("Medal", "For uncommon valor in conquering a whole sector.");
}

}  // namespace qm
