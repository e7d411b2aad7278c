#include "world/day_cycle.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/equipment.h"
#include "catalogue/career.h"
#include "combat/encounters.h"
#include "combat/mission_hooks.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/bank.h"
#include "world/market.h"
#include "world/missions.h"
#include "world/money.h"
#include "world/promotion.h"
#include "world/wars.h"

namespace qm {
namespace {

const char* const kOldAgeText =
    "You have become old and senile. It\u00b4s taking you longer to navigate in the galaxy than it took you years "
    "ago. It\u00b4s time for you to retire if you want to have something of your achievements in age.";
const char* const kVeryOldText =
    "You have become old and senile. It really makes no sense to adventure anymore. Every location you try to reach "
    "takes you almost one hundred days when in the past it only took a couple of days. It\u00b4s REALLY time for you "
    "to retire!";


void AgeAndDate() {
  const int before = Age();
  Game.StarDate = Saturate(static_cast<int64_t>(Game.StarDate) + 1);
  const int now = Age();
  if (now == before) return;
  if (now == 70 || now == 80) Notify("Old age...", kOldAgeText, portraitPicture());
  if (now == 150) Notify("Old age...", kVeryOldText, portraitPicture());
}

void RechargeShields() {
  auto& s = Game.Ship;
  const int max = maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
  int64_t e = static_cast<int64_t>(s[Sh::ShieldEnergy]) + 10;
  if (HasAbility(18)) e += 10;
  e = std::min<int64_t>(e, max);
  e = std::max<int64_t>(e, max / 2);
  s[Sh::ShieldEnergy] = Saturate(e);
}

void UpdateCargoCapacity() {
  auto& s = Game.Ship;
  const int capacity = cargoCapacity(s[Sh::ShipType], s[Sh::CargoSpace]);
  if (capacity == s[Sh::CargoCapacity]) return;
  s[Sh::CargoCapacity] = capacity;
  UI().RefreshTradePopup();
}

void PriceKnowledge() {
  const bool trader = HasAbility(1), advanced = HasAbility(2);
  const bool computer = Game.Ship[Sh::Targeting] == 3;
  for (int i = 1; i <= kSystems; ++i) {
    const int r = Random(100);
    const bool known = (!trader && !advanced && r < 30) || ((trader || computer) && r < 60) || advanced ||
                       i == Game.Ship[Sh::System];
    Run.KnownSystemPrices[i] = known ? 1 : 0;
  }
  for (int j = 1; j <= kLocations; ++j) {
    const int r = Random(100);
    const bool known = (!trader && !advanced && r < 30) || trader || advanced || computer || j == Game.Ship[Sh::Location];
    Run.KnownLocationPrices[j] = known ? 1 : 0;
  }
}

void InvestmentAbilities() {
  auto& p = Game.Player;
  const bool tycoon = HasAbility(7), advanced = HasAbility(8);
  if (tycoon && !advanced) p[Pl::InvestmentDays] += 1;
  if (advanced) p[Pl::InvestmentDays] += 1;
  if (p[Pl::InvestmentDays] <= 200 || (!tycoon && !advanced)) return;
  p[Pl::InvestmentDays] = 0;
  const int divisor = advanced ? 10 : 20;
  const int64_t gain = p[Pl::Credits] / divisor;
  p[Pl::Credits] = Saturate(p[Pl::Credits] + gain);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  const std::string ability = advanced ? "Advanced Tycoon ability" : "Tycoon ability";
  const std::string percent = advanced ? "10%" : "5%";
  Notify("Investments",
         "Your different investments (\"" + ability + "\") increase your wealth by " + percent + ". You receive $ " +
             FormatMoney(gain) + ".",
         "treasurer.jpg");
}

void ShipsInSystem() {
  for (int row = 1; row <= kSystemShipRows; ++row) {
    auto& ship = Game.SystemShips[row];
    if (ship[1] <= 0) continue;
    ship[6] -= 1;
    if (ship[6] > 0) continue;
    ship[1] = 0;
    if (ship[3] == 1 && ship[9] == 4) Game.Player[Pl::TreasureFleetSeen] = 0;
  }
  for (int row = 1; row <= kSystemShipRows; ++row)
    if (Game.SystemShips[row][1] <= 0) GenerateSystemShip(row);
  MarkMissionTargets();
}

void CriminalRecord() {
  auto& flag = Game.Player[Pl::CriminalFlag];
  if (flag <= 0) return;
  flag -= 1;
  if (flag == 0) Notify("Escaped!", "You have escaped the police and your criminal flag has weared off.");
}

void SpaceObjectsAge() {
  if (!Run.TravelScreenVisible || Run.SelectedLocation <= 0) return;
  for (int s = 1; s <= kSystems; ++s) {
    for (int place = 1; place <= kObjectPlaces; ++place) {
      auto& obj = Game.SpaceObjects[s][place];
      if (obj[Obj::Present] <= 0) continue;
      obj[Obj::DaysLeft] -= 1;
      if (obj[Obj::DaysLeft] > 0) continue;
      obj[Obj::Present] = 0;
      if (s == Game.Ship[Sh::System]) UI().RefreshSpaceObjects();
    }
  }
  for (int s = 1; s <= kSystems; ++s)
    for (int place = 1; place <= kObjectPlaces; ++place)
      if (Game.SpaceObjects[s][place][Obj::Present] <= 0 && Random(200) <= 1) SpawnSpaceObject(s);
}

}  // namespace

void SpawnSpaceObject(int system) {
  int chosen = 0;
  for (int place = 1; place <= kObjectPlaces; ++place) {
    if (Game.SpaceObjects[system][place][Obj::Present] > 0) continue;
    if (chosen == 0 || Random(100) < 40) chosen = place;
  }
  if (chosen == 0) return;
  auto& obj = Game.SpaceObjects[system][chosen];
  obj[Obj::Present] = 1;
  obj[Obj::DaysLeft] = 15;
  const int r = Random(100);
  obj[Obj::Kind] = r < 21 ? 1 : r <= 60 ? 2 : r <= 80 ? 3 : 4;

  const int d = Random(100);
  const int owner = Game.SystemData[system][Sys::Owner];
  const int faction = Game.Player[Pl::Faction];
  if (HasAbility(26) && owner != faction && Game.FactionData[faction][Fac::RelationBase + owner] > 0 && d <= 15)
    obj[Obj::Kind] = 20;
  if (HasAbility(27) && owner == faction && d <= 15) obj[Obj::Kind] = 21;
  UI().RefreshSpaceObjects();
}

void DailyUpdate() {
  AgeAndDate();
  DailyWarStep();
  updateMarketEvents();
  DailySiegeStep();
  updateBank();  // the loan, then the war bonds
  RechargeShields();
  updatePrices();
  updateStock();
  GenerateMissionOffers();
  UpdateCargoCapacity();
  PriceKnowledge();
  InvestmentAbilities();
  ShipsInSystem();
  CriminalRecord();
  CheckPromotion();
  SpaceObjectsAge();
}

}  // namespace qm
