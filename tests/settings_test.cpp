// The game settings: what each switch does, what reaches the general data and
// what a later start reads back from it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "combat/combat_display.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace qm {
namespace {

// Records the music hook besides what the scripted frontend records.
class MusicFrontend : public test::ScriptedFrontend {
 public:
  void MusicSwitched(bool on) override { music.push_back(on); }
  std::vector<bool> music;
};

// The five flags in the order the general data keeps them.
constexpr Setting kStored[] = {Setting::Music, Setting::SoundEffects, Setting::AutoNextTurn, Setting::VeteranMode,
                               Setting::NoWarPopups};
constexpr size_t kFirstSwitchAt = 505;  // integers before the switches: slots, highscores, start counter
constexpr size_t kFirstTimerAt = 510;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qm_settings_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    SetSaveDirectory(dir_.string());
    General = GeneralData{};
  }
  void TearDown() override {
    SetSaveDirectory(".");
    fs::remove_all(dir_);
    General = GeneralData{};
  }
  // Integer `i` of GeneralData.int as written.
  int32_t Stored(size_t i) const {
    std::ifstream in(dir_ / "GeneralData.int", std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < (i + 1) * 4) return -999;
    return static_cast<int32_t>(b[i * 4] | b[i * 4 + 1] << 8 | b[i * 4 + 2] << 16 | static_cast<uint32_t>(b[i * 4 + 3]) << 24);
  }
  // A new program start: what the general data files say.
  static void Restart() {
    General = GeneralData{};
    LoadGeneralData();
  }
  fs::path dir_;
  MusicFrontend fe;
};

TEST_F(Settings, EachStoredSwitchHasItsOwnPlaceInTheGeneralDataAndComesBackAfterARestart) {
  for (size_t k = 0; k < std::size(kStored); ++k) {
    for (Setting s : kStored) SetSetting(s, false);
    SetSetting(kStored[k], true);
    ASSERT_TRUE(SaveSettings());
    for (size_t j = 0; j < std::size(kStored); ++j)
      EXPECT_EQ(Stored(kFirstSwitchAt + j), j == k ? 1 : 0) << "switch " << InfoOf(kStored[k]).name << ", place " << j;
    Restart();
    for (Setting s : kStored) EXPECT_EQ(SettingOn(s), s == kStored[k]) << InfoOf(s).name;
  }
}

TEST_F(Settings, TheTimerSwitchesSetTheirTimersAndAreReadBackFromThemAfterARestart) {
  SetSetting(Setting::LongerDelays, true);
  SetSetting(Setting::SlowerAnimations, true);
  EXPECT_EQ(CombatMessageInterval(0), 2400);
  EXPECT_EQ(CombatMessageInterval(1), 2400);
  for (int side : {0, 1})
    for (int what : {0, 1}) EXPECT_EQ(CombatAnimationInterval(side, what), 800);
  ASSERT_TRUE(SaveSettings());
  // Player and enemy message, the player's gun fire twice, enemy gun fire, both shields.
  const int32_t written[] = {2400, 2400, 800, 800, 800, 800, 800};
  for (size_t i = 0; i < std::size(written); ++i) EXPECT_EQ(Stored(kFirstTimerAt + i), written[i]) << i;
  Restart();
  EXPECT_TRUE(SettingOn(Setting::LongerDelays));
  EXPECT_TRUE(SettingOn(Setting::SlowerAnimations));

  // Twice toggled is back where it began.
  ToggleSetting(Setting::LongerDelays);
  ToggleSetting(Setting::LongerDelays);
  EXPECT_EQ(General.Timers.PlayerMessage, 2400);
  SetSetting(Setting::LongerDelays, false);
  SetSetting(Setting::SlowerAnimations, false);
  EXPECT_EQ(General.Timers.PlayerMessage, 1200);
  EXPECT_EQ(General.Timers.EnemyMessage, 1200);
  for (int ms : {General.Timers.PlayerGunFire, General.Timers.EnemyGunFire, General.Timers.PlayerShield,
                 General.Timers.EnemyShield})
    EXPECT_EQ(ms, 400);
  ASSERT_TRUE(SaveSettings());
  Restart();
  EXPECT_FALSE(SettingOn(Setting::LongerDelays));
  EXPECT_FALSE(SettingOn(Setting::SlowerAnimations));

  // Timers left in between by a hand-edited file read as off; switching on evens them out.
  General.Timers.EnemyShield = 600;
  General.Timers.EnemyMessage = 2400;
  EXPECT_FALSE(SettingOn(Setting::LongerDelays));
  EXPECT_FALSE(SettingOn(Setting::SlowerAnimations));
  ToggleSetting(Setting::SlowerAnimations);
  EXPECT_EQ(General.Timers.EnemyShield, 800);
  EXPECT_EQ(General.Timers.PlayerGunFire, 800);
}

TEST_F(Settings, TheCompatibilityModeAsksAndLeavesTheStoredTimersAndTheFilesAlone) {
  SetSetting(Setting::LongerDelays, true);
  ASSERT_TRUE(SaveSettings());
  const auto before = EncodeGeneralInts();

  fe.answer(false);
  ToggleSetting(Setting::Compatibility);
  EXPECT_FALSE(SettingOn(Setting::Compatibility)) << "\"no\" keeps it off";
  ASSERT_EQ(fe.count("Compatibility mode"), 1);

  ToggleSetting(Setting::Compatibility);
  EXPECT_TRUE(SettingOn(Setting::Compatibility));
  EXPECT_EQ(CombatMessageInterval(0), 100);
  EXPECT_EQ(General.Timers.PlayerMessage, 2400) << "the stored choice stays for when the mode is left";
  EXPECT_TRUE(SettingOn(Setting::LongerDelays));
  EXPECT_EQ(EncodeGeneralInts(), before) << "the mode lasts for the program run only";

  ToggleSetting(Setting::Compatibility);
  EXPECT_FALSE(SettingOn(Setting::Compatibility));
  EXPECT_EQ(CombatMessageInterval(1), 2400);
  EXPECT_EQ(fe.count("Compatibility mode"), 3) << "two questions and the notice when it goes off";
}

TEST_F(Settings, OnlyTheMusicSwitchStartsAndStopsTheMusic) {
  for (const SettingInfo& i : SettingTable())
    if (i.id != Setting::Music && i.id != Setting::Compatibility) ToggleSetting(i.id);
  EXPECT_TRUE(fe.music.empty());
  SetSetting(Setting::Music, true);  // already on: nothing happens
  EXPECT_TRUE(fe.music.empty());
  ToggleSetting(Setting::Music);
  ToggleSetting(Setting::Music);
  EXPECT_EQ(fe.music, (std::vector<bool>{false, true}));
}

TEST_F(Settings, AFailedWriteIsToldAndTheSettingsStayInForce) {
  std::ofstream(dir_ / "file") << "x";
  SetSaveDirectory((dir_ / "file" / "sub").string());  // a folder that cannot exist
  SetSetting(Setting::VeteranMode, true);
  EXPECT_FALSE(SaveSettings());
  EXPECT_TRUE(fe.sawTopic("Settings not saved"));
  EXPECT_TRUE(SettingOn(Setting::VeteranMode));
}

TEST_F(Settings, EveryConsoleNameFindsItsSwitch) {
  for (const SettingInfo& i : SettingTable()) {
    Setting s{};
    ASSERT_TRUE(SettingByName(i.name, s)) << i.name;
    EXPECT_EQ(s, i.id);
    EXPECT_EQ(&InfoOf(s), &i);
  }
  Setting s{};
  EXPECT_FALSE(SettingByName("Music", s));
  EXPECT_FALSE(SettingByName("", s));
}

}  // namespace
}  // namespace qm
