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

std::string FormatMoney(int64_t value) {
  // Work on the magnitude as unsigned so the most negative value is safe too.
  const bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 + 1);
  const size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  out.append(digits, 0, lead);
  for (size_t i = lead; i < digits.size(); i += 3) {
    out.push_back(',');
    out.append(digits, i, 3);
  }
  return negative ? "-" + out : out;
}

}  // namespace qm
