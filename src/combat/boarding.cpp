#include "combat/boarding.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "catalogue/ships.h"
#include "combat/boarding_end.h"
#include "combat/combat_state.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/sound_requests.h"
#include "state/random.h"

namespace qm {

BoardingState Boarding;

namespace {

constexpr int kBattleDroids = 10;  // ship special that lends two droids to a boarding
constexpr int kMaxPortions = 1000;
enum Mode : int { Standard = 1, Commando = 2, Emp = 3 };
// Defenders of the current area in the enemy record, with their strike weights.
constexpr int kDefCrew = 35, kDefMarines = 36, kDefDroids = 37, kCurrentArea = 38;
constexpr int kStrikeMode = 93;

IntRow& E() { return Combat.EnemyShip; }
IntRow& S() { return Game.Ship; }

int64_t DefenceOfArea() {
  return static_cast<int64_t>(E()[kDefCrew]) * 10 + static_cast<int64_t>(E()[kDefMarines]) * 30 +
         static_cast<int64_t>(E()[kDefDroids]) * 50;
}

bool DefendersLeft() { return E()[kDefCrew] > 0 || E()[kDefMarines] > 0 || E()[kDefDroids] > 0; }
bool CrewLeft() {
  for (int t = Sh::Crewmen; t <= Sh::Droids; ++t)
    if (S()[t] > 0) return true;
  return false;
}

// Deals `strike` in portions to groups drawn by `pick` (which returns the slot
// of the drawn group and its weight, or slot 0 for an empty band). A portion
// below the group's weight is raised to the whole rest, so every strike ends.
// `onLoss` hears of every member lost.
template <typename Pick, typename OnLoss>
void DealPortions(int64_t strike, IntRow& side, Pick pick, OnLoss onLoss, bool (*anyLeft)()) {
  int64_t s = strike;
  for (int portion = 0; portion < kMaxPortions && s > 0 && anyLeft(); ++portion) {
    int weight = 0;
    const int slot = pick(weight);
    if (slot == 0 || side[slot] <= 0 || weight <= 0) continue;
    int64_t q = Random(Saturate(s / 2));
    if (q < weight) q = s;
    const int64_t before = side[slot];
    const int64_t after = std::max<int64_t>(0, (before * weight - q) / weight);
    side[slot] = static_cast<int32_t>(after);
    s -= q;
    if (before > after) onLoss(slot, static_cast<int>(before - after));
  }
}

void DrawDefenders(int area) {
  auto& e = E();
  if (area == Area::Bridge) {
    e[kDefCrew] = Saturate(static_cast<int64_t>(e[Sh::Crewmen]) + e[Sh::Pirates]);
    e[Sh::Crewmen] = 0;
    e[Sh::Pirates] = 0;
    e[kDefMarines] = e[Sh::Marines];
    e[kDefDroids] = e[Sh::Droids];
    return;
  }
  const int pool = e[Sh::Crewmen] > 0 ? Sh::Crewmen : Sh::Pirates;
  const int p = e[pool];
  int crew = p / 4 + Random(p / 4);
  if (crew == 0) crew = std::min(1, p);
  e[kDefCrew] = crew;
  e[pool] -= crew;
  e[kDefMarines] = e[Sh::Marines] / 4 + Random(e[Sh::Marines] / 4);
  e[kDefDroids] = e[Sh::Droids] / 4 + Random(e[Sh::Droids] / 4);
  e[Sh::Officers] -= e[kDefMarines] + e[kDefDroids];
}

// The enemy crew strikes first in every exchange.
void EnemyStrike() {
  if (!DefendersLeft() || !CrewLeft()) return;
  const bool afterCommando = S()[kStrikeMode] == 2;
  const int64_t h = DefenceOfArea() / 2;
  int64_t s = h + Random(Saturate(h));
  const int triple = afterCommando ? 3 : 1;
  const int weight[5] = {10 * triple, 10 * triple, 20 * triple, 30, 50};  // crewmen, officers, marines, pirates, droids
  if (afterCommando) s /= 2;
  s -= s / 4;
  int64_t d = 0;
  bool large = false;
  for (int i = 0; i < 5; ++i) {
    d += static_cast<int64_t>(S()[Sh::Crewmen + i]) * weight[i];
    large = large || S()[Sh::Crewmen + i] > 10;
  }
  if (s > d / 2 && large) s = d / 2;
  const auto pick = [&](int& w) {
    const int r = Random(205);
    int type;  // 0 crewmen .. 4 droids
    if (!afterCommando)
      type = r <= 80 ? 0 : r <= 160 ? 3 : r <= 180 ? 2 : r <= 200 ? 1 : 4;
    else
      type = r <= 30 ? 0 : r <= 60 ? 3 : r <= 65 ? 1 : r <= 180 ? 2 : 4;
    w = weight[type];
    return Sh::Crewmen + type;
  };
  DealPortions(s, S(), pick, [](int slot, int n) { Boarding.losses[slot - Sh::Crewmen] += n; }, &CrewLeft);
}

void PlayerStrike(int mode) {
  if (!DefendersLeft() || !CrewLeft()) return;
  auto& p = S();
  int64_t v = mode == Standard ? static_cast<int64_t>(p[Sh::Crewmen]) * 10 + static_cast<int64_t>(p[Sh::Officers]) * 10 +
                                     static_cast<int64_t>(p[Sh::Marines]) * 30 + static_cast<int64_t>(p[Sh::Pirates]) * 20
                               : static_cast<int64_t>(p[Sh::Marines]) * 30 + static_cast<int64_t>(p[Sh::Droids]) * 50;
  const int n = std::clamp(p[Sh::Officers], 0, 10);
  const int64_t t = v + n * (v / 40);
  const int64_t h = t / 2;
  const int64_t draw = h + Random(Saturate(h));
  p[kStrikeMode] = mode == Standard ? 1 : 2;

  if (mode == Emp) {
    int64_t s = draw / 6 + draw / 24;
    if (E()[kDefDroids] > 10) s = std::min<int64_t>(s, static_cast<int64_t>(E()[kDefDroids]) * 25);
    int stunned = 0, captured = 0;
    const auto pick = [](int& w) {
      w = 50;
      return kDefDroids;
    };
    const auto onLoss = [&](int, int killed) {
      stunned += killed;
      captured += std::min(killed, Random(killed) + 1);
    };
    DealPortions(s, E(), pick, onLoss, [] { return E()[kDefDroids] > 0; });
    if (captured > 0) {
      p[Sh::Droids] = Saturate(static_cast<int64_t>(p[Sh::Droids]) + captured);
      Notify("Droids captured!",
             "Your boarding crew was able to use electronic magnetic pulse (EMP) weapons to stun " +
                 std::to_string(stunned) + " droids! " + std::to_string(captured) +
                 " droids are still functional and can be reprogramed to join your crew!",
             "Crew_Droid.jpg");
    }
    return;
  }

  int64_t s = draw + draw / 4;
  const int64_t e = DefenceOfArea() / 2;
  const bool large = E()[kDefCrew] > 10 || E()[kDefMarines] > 10 || E()[kDefDroids] > 10;
  if (s > e && large) s = e;
  const auto pick = [mode](int& w) {
    const int r = Random(205);
    const int cut1 = mode == Standard ? 160 : 30, cut2 = mode == Standard ? 195 : 120;
    if (r <= cut1) return w = 10, kDefCrew;
    if (r <= cut2) return w = 30, kDefMarines;
    return w = 50, kDefDroids;
  };
  DealPortions(s, E(), pick, [](int, int) {}, &DefendersLeft);
}

void LoseTheShip() {
  Notify("Defeat!",
         "With your crew killed, you and your ship are helpless as the enemy ship moves closer for a final full "
         "volley of it\u00b4s ship cannons...");
  S()[Sh::ShieldEnergy] = -1;
  UI().PlaySound("Explosion_Ship.wav");
  Notify("Your ship explodes!", "The enemy fire has broken through your shields and your ship explodes.",
         "explosion.jpg");
  S()[Sh::Alive] = 0;
  Boarding.outcome = BoardingOutcome::Defeat;
  CloseBoardingScreen();
}

void AreaSecured() {
  Notify("Area secure!",
         "Your men have secured this area of the enemy ship. Now please select the next ship area to attack in the "
         "wireframe to your left.");
  Boarding.phase = 2;
  auto& a = Boarding.area;
  switch (E()[kCurrentArea]) {
    case Area::Airlock:
      a[Area::Airlock] = AreaState::Secured;
      a[Area::Corridors] = AreaState::Attackable;
      break;
    case Area::Corridors:
      a[Area::Corridors] = AreaState::Secured;
      a[Area::CargoBay] = AreaState::Attackable;
      a[Area::Bridge] = AreaState::Attackable;
      break;
    case Area::CargoBay:
      if (AskYesNo("Cargobay!",
                   "Your men have reached the cargo bay. Do you wish to plunder, leave explosives to blow it up and "
                   "return to your ship?")) {
        PlunderCargoBay();
        return;
      }
      a[Area::CargoBay] = AreaState::Secured;
      a[Area::Bridge] = AreaState::Attackable;
      break;
    case Area::Bridge: CaptureShip(); break;
    default: break;
  }
}

bool Exchange(int mode) {
  if (!Boarding.open) return false;
  if (Boarding.phase != 1) {
    Notify("Sorry!",
           "Please first select a new area to attack by clicking on one of the icons in the wireframe in the left "
           "part of the screen.");
    return false;
  }
  EnemyStrike();
  PlayerStrike(mode);
  if (DefendersLeft() && !CrewLeft())
    LoseTheShip();
  else if (!DefendersLeft())
    AreaSecured();
  return true;
}

}  // namespace

void ResetBoarding() { Boarding = BoardingState{}; }

// A new game empties the boarding tables along with the saved state.
static const bool kResetsWithGame = (AddStateResetHook(&ResetBoarding), true);

void StartBoarding() {
  ResetBoarding();
  auto& p = S();
  Boarding.droidsBefore = p[Sh::Droids];
  if (shipStat(p[Sh::ShipType], Stat::Speciality) == kBattleDroids) {
    p[Sh::Droids] += 2;
    Boarding.droidsLent = true;
  }
  p[kStrikeMode] = 1;  // a new boarding starts without the last one's commando mode
  DrawDefenders(Area::Airlock);
  Boarding.area[Area::Airlock] = AreaState::Attackable;
  for (int a = Area::Corridors; a <= Area::Bridge; ++a) Boarding.area[a] = AreaState::Locked;
  E()[kCurrentArea] = Area::Airlock;
  Boarding.phase = 1;
  Boarding.open = true;
  PlayCrewCombatTune();
  UI().ShowScreen(Screen::Boarding);
  Boarding.open = false;
  if (Boarding.droidsLent) {
    const int gained = p[Sh::Droids] - Boarding.droidsBefore;
    p[Sh::Droids] -= gained >= 2 ? 2 : gained == 1 ? 1 : 0;
    Boarding.droidsLent = false;
  }
}

void SelectArea(int k) {
  if (!Boarding.open || k < Area::Airlock || k > Area::Bridge) return;
  if (Boarding.phase == 1) {
    Notify("Under attack!",
           "You are already under attack. First you have to overcome the enemy in this area of the ship.");
    return;
  }
  const int state = Boarding.area[k];
  if (state == AreaState::Locked) {
    Notify("N/A", "You cannot yet attack this part of the enemy ship. You first have to secure the red area.");
    return;
  }
  if (state == AreaState::Secured) {
    Notify("Secured!", "You have already secured this part of the enemy ship. Try the red areas!");
    return;
  }
  static const char* const kQuestion[5][2] = {
      {"", ""},
      {"", ""},
      {"Selected area: Corridors",
       "To advance to the more valuable areas of the ship you first have to secure the corridors of the enemy ship. "
       "Do you really want to attack this area of the enemy ship?"},
      {"Selected area: Cargo bay",
       "If you are able to seize the enemy cargo bay you have the choice to loot the cargo and return to your ship or "
       "to further advance to the enemy bridge. Do you really want to attack this area of the enemy ship?"},
      {"Selected area: Bridge",
       "The final battle. If you are able to control the bridge you will control the ship and all survivors will "
       "immidiately surrender. Do you really want to attack this area of the enemy ship?"},
  };
  if (k != Area::Airlock && !AskYesNo(kQuestion[k][0], kQuestion[k][1])) return;
  E()[kCurrentArea] = k;
  DrawDefenders(k);
  Notify("Under attack!", "This part of the enemy ship is still defended by the enemy crew. You are under attack!");
  Boarding.phase = 1;
}

void StandardAttack() {
  const auto& p = S();
  if (Boarding.open && Boarding.phase == 1 &&
      p[Sh::Crewmen] + p[Sh::Officers] + p[Sh::Marines] + p[Sh::Pirates] <= 0) {
    Notify("N/A!",
           "With your whole crew except your droids killed this kind of attack does not make sense. To make use of "
           "your droids you have to choose \"Commando strike\" or \"EMP\".");
    return;
  }
  Exchange(Standard);
}

void CommandoStrike() {
  if (Boarding.open && Boarding.phase == 1 && S()[Sh::Marines] <= 0 && S()[Sh::Droids] <= 0) {
    Notify("N/A!", "For a commando strike you need to have either space marines or battle droids in your crew.");
    return;
  }
  Exchange(Commando);
}

void EmpStrike() {
  if (Boarding.open && Boarding.phase == 1 && E()[kDefDroids] <= 0) {
    Notify("N/A!",
           "This attack makes no sense, because the enemy crew does not have any battle droids on the line. If they "
           "had, you could try to capture some droids...");
    return;
  }
  Exchange(Emp);
}

void Retreat() {
  if (!Boarding.open) return;
  if (!AskYesNo("Really retreat?", "Do you really want to retreat to your ship?")) return;
  Boarding.outcome = BoardingOutcome::Retreated;
  CloseBoardingScreen();
  Notify("You escape!", "You are able to escape from the battle!",
         shipPictureName(S()[Sh::ShipType], S()[Sh::ShipFaction]) + "_scene.jpg");
  ShipHospital();
}

int BoardingPlayerForces() {
  int n = 0;
  for (int t = Sh::Crewmen; t <= Sh::Droids; ++t) n += std::max(0, S()[t]);
  return n;
}

int BoardingEnemyForces() { return E()[kDefCrew] + E()[kDefMarines] + E()[kDefDroids]; }

void BoardingAutoMove() {
  if (!Boarding.open) return;
  if (Boarding.phase == 2) {
    for (int a = Area::Airlock; a <= Area::Bridge; ++a)
      if (Boarding.area[a] == AreaState::Attackable) return SelectArea(a);
    return Retreat();
  }
  const auto& p = S();
  const int64_t ours = static_cast<int64_t>(p[Sh::Crewmen]) * 10 + static_cast<int64_t>(p[Sh::Officers]) * 10 +
                       static_cast<int64_t>(p[Sh::Marines]) * 30 + static_cast<int64_t>(p[Sh::Pirates]) * 20 +
                       static_cast<int64_t>(p[Sh::Droids]) * 50;
  if (ours == 0 || ours * 3 < DefenceOfArea()) return Retreat();
  const bool commandoForce = p[Sh::Marines] > 0 || p[Sh::Droids] > 0;
  if (E()[kDefDroids] > E()[kDefCrew] + E()[kDefMarines] && commandoForce) return EmpStrike();
  if (p[Sh::Crewmen] + p[Sh::Officers] + p[Sh::Marines] + p[Sh::Pirates] > 0 &&
      p[Sh::Crewmen] + p[Sh::Officers] + p[Sh::Pirates] >= p[Sh::Marines] + p[Sh::Droids])
    return StandardAttack();
  if (commandoForce) return CommandoStrike();
  StandardAttack();
}

}  // namespace qm
