// The fleet battle screen, played through the real window: selections, escort
// duels on the timer, refusals and right-click information, the emergency
// recharge, the keys and retreat, a battle fought to the end, and quitting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/battle_pictures.h"
#include "combat/fleet_battle.h"
#include "state/game_state.h"
#include "support/ui_play.h"
#include "ui/window.h"
#include "ui/window_frontend.h"

namespace qm {
namespace {

constexpr const char* kNewGame = "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";
// A starbase strike on the Syndicate: the station is enemy 1, warships 2..4.
constexpr const char* kStrike = "console fleet start 4 -1\n";
// Canvas points of symbols (the window lies at 10, 32) and of the four orders.
constexpr const char* kAlly1 = "click 335 206\n";
constexpr const char* kAlly2 = "click 269 179\n";
constexpr const char* kStation = "click 733 206\n";
constexpr const char* kWedgeTip = "click 463 206\n";    // enemy 2 in a strike, enemy 1 otherwise
constexpr const char* kWedgeUpper = "click 529 179\n";  // enemy 3 in a strike
constexpr const char* kEmptySlot = "click 599 206\n";
constexpr const char* kAttack = "click 117 512\n";
constexpr const char* kSend = "click 305 512\n";
constexpr const char* kRecharge = "click 493 512\n";
constexpr const char* kRetreat = "click 681 512\n";
std::string Right(const char* click) { return "r" + std::string(click); }

// Every sound with the window on top when it played; the duellists as the first shot left them.
struct Heard {
  std::string sound, top;
};
std::vector<Heard> heard;
FleetShip firstShotEscort, firstShotTarget;

class FleetScreen : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    heard.clear();
    firstShotEscort = firstShotTarget = FleetShip{};
    ui::TheFrontend().onPlaySound = [](const std::string& wav) {
      heard.push_back({wav, ui::Top() ? ui::Top()->Unit() : ""});
      if (wav.rfind("FireGuns", 0) == 0 && firstShotEscort.present == 0) {
        firstShotEscort = Fleet.allied[Fleet.duelEscort];
        firstShotTarget = Fleet.enemy[Fleet.duelTarget];
      }
    };
  }
  void TearDown() override {
    ui::TheFrontend().onPlaySound = nullptr;
    General.Option.CompatibilityMode = false;
    UiPlay::TearDown();
  }
  static int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  // Whether a symbol's dump line ("symbol enemy2 ship_red_..._over.bmp target") ends with `tail`.
  static bool Symbol(const std::string& dump, const std::string& which, const std::string& tail) {
    const size_t at = dump.find("symbol " + which + " ");
    if (at == std::string::npos) return false;
    const std::string line = dump.substr(at, dump.find('\n', at) - at);
    return line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
  }
  static std::vector<std::string> SoundsWhileOnTop() {
    std::vector<std::string> out;
    for (const Heard& h : heard)
      if (h.top == "Screen_ShipWavesAttacking") out.push_back(h.sound);
    return out;
  }
};

TEST_F(FleetScreen, AnEscortDuelRunsOnTheTimerWithTheOrdersDisabled) {
  const auto d = Tops(std::string(kNewGame) + kStrike + kWedgeTip + kAlly2 + "dump\n" + kSend + "dump\n" + kRetreat +
                      kWedgeUpper + kAlly1 + "dump\nwait 460\ndump\nwait 30000\ndump\n");
  ASSERT_EQ(d.size(), 5u);
  ASSERT_NE(firstShotEscort.present, 0) << "the duel was fought";
  EXPECT_TRUE(Symbol(d[0], "enemy2", "_over.bmp target")) << d[0];
  EXPECT_TRUE(Symbol(d[0], "ally2", "_over.bmp escort"));
  EXPECT_TRUE(Symbol(d[0], "enemy1", "station_red_on.bmp"));
  for (int type : {firstShotEscort.type, firstShotTarget.type})
    EXPECT_TRUE(Has(d[0], "label \"\"" + shipName(type) + "\" class\""));

  const std::string duel = "label \"Escort duel: " + shipName(firstShotEscort.type) + " against " +
                           shipName(firstShotTarget.type) + "\"";
  EXPECT_TRUE(Has(d[1], duel)) << d[1];
  EXPECT_EQ(Count(d[1], " disabled\n"), 4 + 3 + 4) << "the four orders and every symbol";
  EXPECT_TRUE(Symbol(d[1], "ally1", "_off.bmp disabled")) << "the flagship stands by";
  // The disabled Retreat and symbols did nothing and made no sound before the first shot.
  EXPECT_TRUE(Symbol(d[2], "enemy2", "_over.bmp target disabled")) << d[2];
  EXPECT_TRUE(Symbol(d[2], "enemy3", "_off.bmp disabled"));
  const auto onTop = SoundsWhileOnTop();
  ASSERT_GE(onTop.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(onTop.begin(), onTop.begin() + 3),
            std::vector<std::string>(3, "button.wav"));
  EXPECT_EQ(onTop[3].rfind("FireGuns", 0), 0u) << onTop[3];

  // Each tick shows the shields the shot left.
  const int max = shipStat(firstShotTarget.type, Stat::MaxShields);
  if (firstShotTarget.shield >= 1 && firstShotEscort.shield >= 1) {
    EXPECT_TRUE(Has(d[3], "label \"" + std::to_string(firstShotTarget.shield) + " / " + std::to_string(max) + "\""));
    EXPECT_TRUE(Has(d[3], "picture " + FleetShieldBar(firstShotTarget.shield, max) + " #targetShield")) << d[3];
  }
  // One of the two was destroyed and left the field; the orders work again.
  const bool escortGone = !Has(d[4], "symbol ally2 "), targetGone = !Has(d[4], "symbol enemy2 ");
  EXPECT_NE(escortGone, targetGone) << d[4];
  EXPECT_TRUE(Has(d[4], escortGone ? "label \"Your fleet: 2 ships\"" : "label \"Enemy fleet: 3 ships\""));
  EXPECT_FALSE(Has(d[4], "Escort duel"));
  EXPECT_FALSE(Has(d[4], " disabled"));
  EXPECT_EQ(Count(d[4], escortGone ? "No escort ship selected." : "No hostile ship selected."), 1);
}

TEST_F(FleetScreen, RefusalsAndRightClicksShowMessagesAndChangeNothing) {
  const auto d = Tops(std::string(kNewGame) + kStrike + kEmptySlot + kSend + "dump\nkey Return\n" + kAttack +
                      "dump\nkey Return\n" + kAlly1 + kWedgeTip + kSend + "dump\nkey Return\n" + kStation +
                      "key F2\n" + kSend + "dump\nkey Return\nkey a\ndump\nkey Return\n" + Right(kWedgeTip) +
                      "dump\nkey Return\n" + Right(kRetreat) + "dump\nkey Return\n" + Right(kEmptySlot) + "dump\n");
  ASSERT_EQ(d.size(), 8u);
  EXPECT_TRUE(Has(d[0], "label \"Who?\"")) << "the empty place selected nothing: " << d[0];
  EXPECT_TRUE(Has(d[1], "label \"No target\"")) << d[1];
  EXPECT_TRUE(Has(d[2], "label \"Not an escort\"")) << d[2];
  for (int i : {3, 4})  // the station, by an escort and by hand
    EXPECT_TRUE(Has(d[i], "label \"N/A\"") && Has(d[i], "You first have to destroy all other enemy ships.")) << d[i];
  const FleetShip& ship = Fleet.enemy[2];
  EXPECT_TRUE(Has(d[5], "label \"Hostile ship 2\"")) << d[5];
  EXPECT_TRUE(Has(d[5], "\"" + shipName(ship.type) + "\" class, " + FleetRoleCaption(ship.role) + ". Shields " +
                            std::to_string(ship.shield) + " of " + std::to_string(shipStat(ship.type, Stat::MaxShields)) + " (100%)."));
  EXPECT_TRUE(Has(d[6], "label \"Retreat\"") && Has(d[6], "A retreat counts as a lost battle.")) << d[6];
  // Nothing was selected by the right-clicks, nothing retreated; the station is untouched.
  EXPECT_TRUE(Has(d[7], "window Screen_ShipWavesAttacking 779x535 top")) << d[7];
  EXPECT_TRUE(Symbol(d[7], "enemy1", "station_red_over.bmp target"));
  EXPECT_TRUE(Symbol(d[7], "ally2", "_over.bmp escort"));
  EXPECT_TRUE(Has(d[7], "label \"Enemy fleet: 4 ships\""));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(Fleet.enemy[k].shield, shipStat(Fleet.enemy[k].type, Stat::MaxShields));
  for (const std::string& s : SoundsWhileOnTop()) EXPECT_EQ(s, "button.wav");
  EXPECT_EQ(SoundsWhileOnTop().size(), 8u) << "seven clicks and the A key; the empty place and right-clicks are silent";
}

TEST_F(FleetScreen, TheEmergencyRechargeWorksOncePerBattle) {
  // The compatibility mode speaks the shields in percent as well.
  const auto d = Tops(std::string(kNewGame) + "set Ship.ShieldEnergy 10\nset Option.CompatibilityMode 1\n" +
                      "console fleet start 4 0\nkey F1\ndump\n" + kRecharge + "dump\nkey Escape\ndump\n" + kRecharge +
                      "key Return\ndump\nkey Return\ndump\n" + kRecharge + "dump\nkey Return\ndump\n");
  ASSERT_EQ(d.size(), 7u);
  const auto& s = Game.Ship;
  const int max = maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
  const std::string low = "label \"10 / " + std::to_string(max) + "\"", full = "label \"" + std::to_string(max) +
                                                                                  " / " + std::to_string(max) + "\"";
  EXPECT_TRUE(Has(d[0], "label \"Your flagship\"") && Has(d[0], low)) << d[0];
  EXPECT_TRUE(Has(d[0], "picture " + FleetShieldBar(10, max) + " #escortShield"));
  EXPECT_TRUE(Has(d[0], "label \"Friendly ships shields: " + std::to_string(FleetShieldPercent(10, max)) + "%\""));
  EXPECT_FALSE(Has(d[0], "Enemy ships shields: ")) << "no target selected";
  EXPECT_TRUE(Has(d[1], "label \"Emergency recharge?\"")) << d[1];
  EXPECT_TRUE(Has(d[2], low)) << "No changes nothing";
  EXPECT_TRUE(Has(d[3], "label \"Success!\"") || Has(d[3], "label \"Reactor breach!\"")) << d[3];
  EXPECT_TRUE(Has(d[4], full) && Has(d[4], "picture Travelscreen_ShieldBar_25.jpg #escortShield")) << d[4];
  EXPECT_TRUE(Has(d[4], "label \"Friendly ships shields: 100%\""));
  EXPECT_TRUE(Has(d[5], "You can only use the emergency shield recharge once in a battle")) << d[5];
  EXPECT_TRUE(Has(d[6], "window Screen_ShipWavesAttacking 779x535 top") && Has(d[6], full));
}

TEST_F(FleetScreen, TheKeyboardSelectsSendsAndRetreats) {
  const auto d = Tops(std::string(kNewGame) + kStrike + "key 2\nkey Tab\ndump\nkey Up\nkey F2\nkey Right\ndump\n" +
                      "key Left\nkey 0\ndump\nkey s\nkey 3\nkey r\nkey e\ndump\nwait 30000\nkey Escape\ndump\n" +
                      "key Escape\ndump\nkey r\nkey Return\ndump\n");
  ASSERT_EQ(d.size(), 7u);
  EXPECT_TRUE(Symbol(d[0], "enemy3", "_over.bmp target")) << "2, then Tab: " << d[0];
  EXPECT_TRUE(Symbol(d[1], "enemy2", "_over.bmp target")) << "Up: back to 2";
  EXPECT_TRUE(Symbol(d[1], "ally3", "_over.bmp escort")) << "F2, then Right";
  EXPECT_TRUE(Symbol(d[2], "ally2", "_over.bmp escort")) << "Left";
  EXPECT_TRUE(Symbol(d[2], "enemy2", "_over.bmp target")) << "0: there is no ship 10";
  // S sent the escort; 3, R and E did nothing while the duel ran.
  EXPECT_TRUE(Has(d[3], "window Screen_ShipWavesAttacking 779x535 top") && Has(d[3], "label \"Escort duel: "));
  EXPECT_TRUE(Symbol(d[3], "enemy2", "_over.bmp target disabled")) << d[3];
  EXPECT_TRUE(Has(d[4], "label \"Retreat?\"")) << "Escape retreats: " << d[4];
  EXPECT_TRUE(Has(d[5], "window Screen_ShipWavesAttacking 779x535 top")) << "No stays: " << d[5];
  EXPECT_TRUE(Has(d[6], "window Screen_Travel 800x600 top")) << d[6];
  EXPECT_FALSE(Fleet.won) << "a retreat is a lost battle";
}

TEST_F(FleetScreen, EscortsFightTheBattleToTheEnd) {
  // A battleship's escorts are cruisers, against three freighters. Each round
  // sends escort 2, then escort 3, at the next hostile ship; the Return after
  // a duel answers a refusal (a lost escort) or the victory.
  std::string rounds;
  for (int r = 0; r < 5; ++r)
    for (const char* escort : {"F2", "F3"})
      rounds += std::string("key Tab\nkey ") + escort + "\nkey s\nwait 20000\ndump\nkey Return\n";
  const auto dumps = Play(std::string(kNewGame) + "set Ship.ShipType 19\nconsole fleet start 4 0\n" + rounds);
  ASSERT_EQ(dumps.size(), 10u);
  size_t won = 0;
  for (int left = 3; won < dumps.size(); ++won) {
    const std::string top = TopWindow(dumps[won]);
    if (Has(top, "label \"Enemy fleet destroyed!\"")) {
      EXPECT_TRUE(Has(top, "label \"Congratulations! The enemy fleet is destroyed.\""));
      break;
    }
    // Destroyed ships leave the field: the symbols match the count, which only falls.
    const std::string screen = dumps[won].substr(dumps[won].find("window Screen_ShipWavesAttacking"));
    const int symbols = Count(screen, "symbol enemy");
    EXPECT_TRUE(Has(screen, "label \"Enemy fleet: " + std::to_string(symbols) + (symbols == 1 ? " ship" : " ships")));
    EXPECT_LE(symbols, left) << won;
    left = symbols;
  }
  ASSERT_LT(won, dumps.size()) << "the battle was won";
  for (size_t i = won + 1; i < dumps.size(); ++i)
    EXPECT_TRUE(Has(TopWindow(dumps[i]), "window Screen_Travel 800x600 top")) << "the screen closed itself " << i;
  EXPECT_TRUE(Fleet.won);
  EXPECT_EQ(EnemyShipsLeft(), 0);
}

TEST_F(FleetScreen, ClosingTheWindowAsksToQuitTheGame) {
  const auto d = Tops(std::string(kNewGame) + kStrike + "close\ndump\nkey Escape\ndump\nclose\nkey Return\ndump\n");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(Has(d[0], "label \"Quit game?\"")) << d[0];
  EXPECT_TRUE(Has(d[0], "label \"Do you really wish to quit this game? (No retiring, no highscore)\""));
  EXPECT_TRUE(Has(d[1], "window Screen_ShipWavesAttacking 779x535 top")) << "No keeps the battle: " << d[1];
  EXPECT_TRUE(Has(d[2], "window Start 377x519 top")) << "Yes ends the game: " << d[2];

  // Quitting inside the player's own duel ends the fleet battle with it.
  const auto inside = Play(std::string(kNewGame) + "console fleet start 4 0\nkey 1\nkey a\nkey Return\ndump\n" +
                           "close\nkey Return\ndump\n");
  ASSERT_EQ(inside.size(), 2u);
  EXPECT_TRUE(Has(TopWindow(inside[0]), "window Screen_ShipCombat2")) << inside[0];
  EXPECT_TRUE(Has(inside[0], "window Screen_ShipWavesAttacking"));
  EXPECT_TRUE(Has(TopWindow(inside[1]), "window Start 377x519 top")) << inside[1];
  EXPECT_FALSE(Has(inside[1], "Screen_ShipWavesAttacking"));
}

}  // namespace
}  // namespace qm
