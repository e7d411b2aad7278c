// The settings and the cheats screens played through the real window: every
// switch changed and found again after a restart, the keyboard, the way in from
// the main screen's options panel, every cheat, and the combat cheat over a
// running battle.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "support/ui_play.h"
#include "ui/window.h"
#include "ui/window_frontend.h"
#include "world/settings.h"

namespace qm {
namespace {

constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";

// The settings screen (392 x 592 at 204, 4): the switches' rows on the canvas.
struct Row {
  Setting setting;
  int picture;
  int y;
};
constexpr Row kRows[] = {{Setting::Music, 2, 97},        {Setting::SoundEffects, 3, 127},
                         {Setting::LongerDelays, 4, 199}, {Setting::SlowerAnimations, 5, 229},
                         {Setting::AutoNextTurn, 6, 259}, {Setting::VeteranMode, 7, 331},
                         {Setting::NoWarPopups, 9, 433},  {Setting::Compatibility, 10, 463}};
constexpr const char* kEmptySlot = "400 361";
constexpr const char* kSettingsClose = "522 566";
constexpr const char* kOptionsButton = "733 566";
constexpr const char* kPanelSettings = "400 315";  // "Game settings" on the options panel

// The cheats screen (376 x 580 at 212, 10): its buttons' rows.
std::string Cheat(int item) {
  const int ys[] = {0, 153, 223, 293, 327, 361, 431, 501};
  return "click 400 " + std::to_string(ys[item]) + "\n";
}
constexpr const char* kCheatCorner = "dclick 792 592\n";
constexpr const char* kEmblem = "dclick 400 45\n";

std::string Click(int y) { return "click 400 " + std::to_string(y) + "\n"; }

class SettingsAndCheats : public test::UiPlayWithSounds {
 protected:
  // The switch line of picture `k` in a dump.
  static std::string Switch(const std::string& dump, int k) {
    const std::string key = "button " + std::string(k < 10 ? "0" : "") + std::to_string(k) + " ";
    const size_t at = dump.find(key);
    return at == std::string::npos ? "" : dump.substr(at, dump.find('\n', at) - at);
  }
  static bool On(const std::string& line) { return line.size() > 3 && line.substr(line.size() - 3) == " on"; }
};

TEST_F(SettingsAndCheats, EverySwitchChangedOnTheScreenIsKeptAfterARestartButTheCompatibilityMode) {
  std::string script = "screen Screen_GameOptions\ndump\n";
  for (const Row& r : kRows) script += Click(r.y) + (r.setting == Setting::Compatibility ? "key Return\n" : "");
  script += std::string("click ") + kEmptySlot + "\ndump\nclick " + kSettingsClose + "\ndump\n";
  const auto t = Tops(script);
  ASSERT_EQ(t.size(), 3u);
  ASSERT_TRUE(Has(t[0], "window Screen_GameOptions 392x592 top")) << t[0];
  for (const char* text : {"Audio settings:", "Combat messages:", "Game difficulty", "Other settings", "Game settings"})
    EXPECT_TRUE(Has(t[0], Label(text))) << text;
  EXPECT_EQ(Switch(t[0], 2), "button 02 \"Play background music\" GameSettingsON_02.jpg on");
  EXPECT_EQ(Switch(t[0], 4), "button 04 \"Longer delays between messages\" GameSettings_04.jpg");
  size_t empty = 0;
  for (size_t at = 0; (at = t[0].find(Label("(empty slot)"), at)) != std::string::npos; ++at) ++empty;
  EXPECT_EQ(empty, 3u);

  for (const Row& r : kRows) {
    const bool wasOn = r.setting == Setting::Music || r.setting == Setting::SoundEffects;
    EXPECT_NE(On(Switch(t[1], r.picture)), wasOn) << Switch(t[1], r.picture);
  }
  EXPECT_TRUE(Has(t[2], "window Start 377x519 top")) << "Close returns to the menu";
  EXPECT_EQ(Sounds("Screen_GameOptions"), 9) << "eight switches and Close; the empty slot is silent";
  EXPECT_EQ(General.Timers.EnemyMessage, 2400);
  EXPECT_EQ(General.Timers.EnemyShield, 800);

  // A new start reads the general data: seven switches kept, the compatibility mode not.
  const auto again = Tops("screen Screen_GameOptions\ndump\n");
  ASSERT_EQ(again.size(), 1u);
  for (const Row& r : kRows) {
    const bool kept = r.setting != Setting::Music && r.setting != Setting::SoundEffects &&
                      r.setting != Setting::Compatibility;
    EXPECT_EQ(On(Switch(again[0], r.picture)), kept) << Switch(again[0], r.picture);
  }
}

TEST_F(SettingsAndCheats, TheOptionsPanelLeadsToTheSettingsAndTheKeysWorkThem) {
  // At each button sound on the main screen: the message timer the general data file holds.
  std::vector<int32_t> stored;
  ui::TheFrontend().onPlaySound = [this, &stored](const std::string& wav) {
    if (wav != "button.wav" || !ui::Top() || ui::Top()->Unit() != "Screen_Travel") return;
    std::ifstream in(dir_ / "GeneralData.int", std::ios::binary);
    in.seekg(510 * 4);
    int32_t v = 0;
    in.read(reinterpret_cast<char*>(&v), 4);  // little-endian, as on the machines the tests run on
    stored.push_back(in ? v : -1);
  };
  const auto t = Tops(std::string(kNewGame) + "click " + kOptionsButton + "\nclick " + kPanelSettings +
                      "\ndump\nkey Down\nkey Down\nkey Down\nkey space\ndump\nkey Up\nkey Return\ndump\n" +
                      "key Up\nkey Up\ndump\nkey Escape\ndump\nclick " + kOptionsButton + "\n");
  ASSERT_EQ(t.size(), 5u);
  ASSERT_EQ(stored.size(), 3u) << "Options and \"Game settings\" before the settings, Options after them";
  EXPECT_NE(stored[1], 2400);
  EXPECT_EQ(stored[2], 2400) << "closing the settings wrote them";
  ASSERT_TRUE(Has(t[0], "window Screen_GameOptions 392x592 top")) << t[0];
  EXPECT_EQ(Switch(t[1], 4), "button 04 \"Longer delays between messages\" GameSettingsON+_04.jpg hover on")
      << "Space switches the highlighted line, which stays highlighted";
  EXPECT_EQ(Switch(t[2], 3), "button 03 \"Play sound  effects\" GameSettingsMouseOver_03.jpg hover");
  EXPECT_TRUE(Has(t[3], "button 13 \"Close\" OptionsScreen_13_Highlighted.jpg hover"))
      << "Up from the first switch wraps to Close: " << t[3];
  EXPECT_TRUE(Has(t[4], "window Screen_Travel 800x600 top")) << "Escape closes";

  // Closing wrote the general data: a new start finds the changes.
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_TRUE(SettingOn(Setting::LongerDelays));
  EXPECT_FALSE(SettingOn(Setting::SoundEffects));
  EXPECT_TRUE(SettingOn(Setting::Music));
}

TEST_F(SettingsAndCheats, EveryCheatFromTheMainScreenAndEscapeLeaves) {
  const auto t = Tops(std::string(kNewGame) + kCheatCorner + "dump\n" + Cheat(1) + "dump\n" + Cheat(6) + "dump\n" +
                      Cheat(7) + "dump\nkey Return\nset Player.Level 19\n" + Cheat(2) + "dump\nkey Return\n" +
                      Cheat(4) + "dump\nkey Return\ndump\nkey Return\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 9u);
  ASSERT_TRUE(Has(t[0], "window Screen_Cheats 376x580 top")) << t[0];
  EXPECT_TRUE(Has(t[0], Label("Attention! Using cheats might spoil your game experience.")));
  EXPECT_TRUE(Has(t[0], Label("$ 10,000  \u00b7  Level 1  \u00b7  Ensign  \u00b7  age 22"))) << t[0];
  EXPECT_TRUE(Has(t[1], Label("$ 110,000  \u00b7  Level 1  \u00b7  Ensign  \u00b7  age 22"))) << t[1];
  EXPECT_TRUE(Has(t[2], "age 20\"")) << t[2];
  EXPECT_TRUE(Has(t[2], "\"Player character does not become older\" CheatsON_06.jpg on"));
  // Outside a battle the combat cheat is refused and the cheats stay open under the notice.
  EXPECT_TRUE(Has(t[3], Label("N/A"))) << t[3];
  EXPECT_TRUE(Has(t[4], Label("No promotion"))) << "level 19 is the last: " << t[4];
  // The fast start fills the cruiser's crew and says "Done"; the cheats screen shows the new career.
  EXPECT_TRUE(Has(t[5], Label("New crewmen!"))) << t[5];
  EXPECT_TRUE(Has(t[6], Label("Done"))) << t[6];
  EXPECT_TRUE(Has(t[7], Label("$ 500,000  \u00b7  Level 13  \u00b7  Commander  \u00b7  age 20"))) << t[7];
  EXPECT_TRUE(Has(t[8], "window Screen_Travel 800x600 top")) << "Escape leaves the cheats: " << t[8];
  EXPECT_EQ(Game.Player[Pl::Credits], 500000);
  EXPECT_EQ(Game.Ship[Sh::ShipType], 13);
  EXPECT_EQ(Game.Player[Pl::Experience], 0) << "the promotion cheat's experience went with the fast start";
  EXPECT_TRUE(qm::Run.AgeFreeze);
}

TEST_F(SettingsAndCheats, TheCombatCheatClosesTheCheatsAndDestroysTheEnemyOverTheBattle) {
  const auto t = Tops(std::string(kNewGame) + "console duel 2 0\n" + kEmblem + "dump\n" + Cheat(3) +
                      "dump\nkey Return\n" + Cheat(7) + "dump\nkey Return\nkey Return\nkey Return\nkey Return\n" +
                      "key Return\nkey Return\ndump\n");
  ASSERT_EQ(t.size(), 4u);
  ASSERT_TRUE(Has(t[0], "window Screen_Cheats 376x580 top")) << t[0];
  EXPECT_TRUE(Has(t[0], "\"Destroy this enemy ship\""));
  EXPECT_TRUE(Has(t[1], Label("N/A"))) << "no fast start in a battle: " << t[1];
  EXPECT_TRUE(Has(t[2], Label("Well done!"))) << t[2];
  const auto plays = Play(std::string(kNewGame) + "console duel 2 0\n" + kEmblem + Cheat(7) + "dump\n");
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_FALSE(Has(plays[0], "window Screen_Cheats")) << "the cheats closed before the explosion: " << plays[0];
  EXPECT_TRUE(Has(plays[0], "window Screen_ShipCombat2")) << plays[0];
  EXPECT_EQ(BattleOutcome(), Outcome::Victory);
  EXPECT_TRUE(Has(t[3], "window Screen_Travel 800x600 top")) << "the battle is over: " << t[3];
}

}  // namespace
}  // namespace qm
