#include "world/money.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "world/promotion.h"

namespace qm {

void GainMoney(int64_t a) {
  const auto& nca = Game.NonCombatAbilities;
  if (nca[16] == 1 && nca[17] != 1) a += a / 10;
  if (nca[17] == 1) a += a / 4;
  Game.Player[Pl::Credits] = Saturate(static_cast<int64_t>(Game.Player[Pl::Credits]) + a);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

void GainExperience(int64_t a) {
  const auto& nca = Game.NonCombatAbilities;
  if (nca[19] == 1 && nca[20] != 1) a += a / 4;
  if (nca[20] == 1) a *= 2;
  Game.Player[Pl::Experience] = Saturate(static_cast<int64_t>(Game.Player[Pl::Experience]) + a);
  UI().RefreshExperience();
  CheckPromotion();
}

}  // namespace qm
