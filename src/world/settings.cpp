#include "world/settings.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "world/main_screen.h"

namespace qm {
namespace {

const std::array<SettingInfo, kSettingCount> kSettings = {{
    {Setting::Music, "music", "Play background music", "Music plays in the background of the game."},
    {Setting::SoundEffects, "sound", "Play sound  effects", "Every action makes its sound: buttons, guns, explosions."},
    {Setting::AutoNextTurn, "autoturn", "Next turn automatically starts when no AP\u00b4s left",
     "In a ship battle your turn ends by itself as soon as no action points are left."},
    {Setting::VeteranMode, "veteran", "Veteran mode (Only for experienced players)",
     "No help for beginners, and the enemies fight harder in ship battles."},
    {Setting::NoWarPopups, "nowarpopups", "War messages never popup automatically",
     "War news are listed with the other news but never open by themselves."},
    {Setting::LongerDelays, "delays", "Longer delays between messages",
     "Combat messages stay on screen for 2.4 seconds instead of 1.2 seconds."},
    {Setting::SlowerAnimations, "animations", "Slower combat animations",
     "Gun fire and shield flashes in a ship battle last 0.8 seconds instead of 0.4 seconds."},
    {Setting::Compatibility, "compatibility", "Compatibility mode for the visually impaired",
     "The screens show additional descriptive texts for the blind and visually impaired. It lasts until the game "
     "is closed."},
}};

// The plain flags; the timer switches and the compatibility mode have rules of their own.
bool* Flag(Setting s) {
  Options& o = General.Option;
  switch (s) {
    case Setting::Music: return &o.Music;
    case Setting::SoundEffects: return &o.SoundEffects;
    case Setting::AutoNextTurn: return &o.AutoNextTurn;
    case Setting::VeteranMode: return &o.VeteranMode;
    case Setting::NoWarPopups: return &o.NoWarPopups;
    default: return nullptr;
  }
}

bool MessagesLong() {
  const CombatTimers& t = General.Timers;
  return t.PlayerMessage >= kLongMessageMs && t.EnemyMessage >= kLongMessageMs;
}

bool AnimationsSlow() {
  const CombatTimers& t = General.Timers;
  for (int ms : {t.PlayerGunFire, t.EnemyGunFire, t.PlayerShield, t.EnemyShield})
    if (ms < kSlowAnimationMs) return false;
  return true;
}

}  // namespace

const std::array<SettingInfo, kSettingCount>& SettingTable() { return kSettings; }

const SettingInfo& InfoOf(Setting s) { return kSettings[static_cast<size_t>(s)]; }

bool SettingByName(const std::string& name, Setting& out) {
  for (const SettingInfo& i : kSettings) {
    if (name != i.name) continue;
    out = i.id;
    return true;
  }
  return false;
}

bool SettingOn(Setting s) {
  if (bool* flag = Flag(s)) return *flag;
  switch (s) {
    case Setting::LongerDelays: return MessagesLong();
    case Setting::SlowerAnimations: return AnimationsSlow();
    case Setting::Compatibility: return General.Option.CompatibilityMode;
    default: return false;
  }
}

void SetSetting(Setting s, bool on) {
  if (SettingOn(s) == on) return;
  CombatTimers& t = General.Timers;
  if (bool* flag = Flag(s)) {
    *flag = on;
    if (s == Setting::Music) UI().MusicSwitched(on);
    return;
  }
  switch (s) {
    case Setting::LongerDelays:
      t.PlayerMessage = t.EnemyMessage = on ? kLongMessageMs : kShortMessageMs;
      break;
    case Setting::SlowerAnimations:
      t.PlayerGunFire = t.EnemyGunFire = t.PlayerShield = t.EnemyShield = on ? kSlowAnimationMs : kFastAnimationMs;
      break;
    case Setting::Compatibility:
      // Asks before it goes on; the stored message timers stay as they are.
      setCompatibilityMode(on);
      break;
    default: break;
  }
}

void ToggleSetting(Setting s) { SetSetting(s, !SettingOn(s)); }

bool SaveSettings() {
  if (SaveGeneralData()) return true;
  Notify("Settings not saved",
         "The settings could not be written to the savegame folder. They apply until the game is closed.");
  return false;
}

}  // namespace qm
