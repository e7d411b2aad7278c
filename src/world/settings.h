#pragma once
// The game settings: eight on/off switches with their side effects. Five are
// plain flags kept with the general data; "Longer delays between messages" and
// "Slower combat animations" live in the combat timer intervals (also kept
// there), so after a restart each switch reads what its timers say; the mode for
// the visually impaired lasts for the program run only.
#include <array>
#include <string>

namespace qm {

enum class Setting {
  Music,             // background music
  SoundEffects,
  AutoNextTurn,      // a combat turn ends by itself at 0 AP
  VeteranMode,
  NoWarPopups,       // war news never open by themselves
  LongerDelays,      // combat message timers 2400 ms instead of 1200 ms
  SlowerAnimations,  // the four combat animation timers 800 ms instead of 400 ms
  Compatibility,     // extra descriptive texts for the visually impaired
};
constexpr int kSettingCount = 8;

struct SettingInfo {
  Setting id;
  const char* name;   // the console's name: "music", "delays", ...
  const char* label;  // the settings screen's line
  const char* help;   // what the switch does, in a sentence or two
};
// All eight, in the order of the enum.
const std::array<SettingInfo, kSettingCount>& SettingTable();
const SettingInfo& InfoOf(Setting s);
// The switch of a console name; false for an unknown name.
bool SettingByName(const std::string& name, Setting& out);

// Message and animation intervals of the two timer switches, in ms.
constexpr int kShortMessageMs = 1200, kLongMessageMs = 2400;
constexpr int kFastAnimationMs = 400, kSlowAnimationMs = 800;

// Whether a switch is on now. The timer switches are on when all of their
// timers are at least the long interval.
bool SettingOn(Setting s);
// Sets a switch with its side effects: the music starts or stops, the timer
// switches set their timers, the compatibility mode asks before it goes on (a
// "no" leaves it off). Setting a switch to the state it has does nothing.
void SetSetting(Setting s, bool on);
void ToggleSetting(Setting s);

// Writes the general data. A failure is told to the player ("Settings not
// saved") and returns false; the settings stay in force for this run.
bool SaveSettings();

}  // namespace qm
