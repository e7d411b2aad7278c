#pragma once
// What the combat screen shows: gauge, button, icon, radar and ship picture
// names, missile counters and the texts of the mode for the visually impaired.
// Pure reads of the battle state, apart from RefreshCombatDisplay.
#include <string>
#include <vector>

namespace qm {

// How long a combat message stays on its panel, in ms: 100 in the compatibility
// mode for the visually impaired, else 2400 with "Longer delays between
// messages" (stored message timers of 2400), else 1200. `side` 0 the player's
// panel, 1 the enemy's.
int CombatMessageInterval(int side);
// How long a firing picture (`what` 0) or a shield flash (1) of a side stays.
int CombatAnimationInterval(int side, int what);

// After every change: caps the player's AP at 8, refreshes the radar bands and
// asks the frontend to redraw.
void RefreshCombatDisplay();

// False for the specials that act outside battle or do not exist (0, 6, 10, 11,
// 13): such ships get no special ability button.
bool SpecialHasButton(int speciality);
// Fills the twelve ability buttons from the learned combat abilities.
void BuildAbilityBar();

// "Shield_00.jpg".."Shield_30.jpg" for a shield against the type's MaxShields.
std::string ShieldGaugePicture(int shield, int maxShields);
std::string PlayerShieldPicture();
std::string EnemyShieldPicture();
// "Combo_00.jpg".."Combo_05.jpg" or "AP8x0.jpg".."AP8x8.jpg".
std::string PlayerApPicture();
std::string EnemyApPicture();

// Button 1..12: the ability id (0 empty), whether it can be used now, and its
// picture (image stem + "_on.jpg" / "_off.jpg"; empty for an empty button).
int AbilityOnButton(int button);
bool AbilityButtonUsable(int button);
std::string AbilityButtonPicture(int button);

// Effect icon k (1..8) of a side (0 player, 1 enemy): "" while the slot is empty.
std::string EffectIconPicture(int side, int k);
std::string EffectIconHint(int side, int k);

// Missile panel of a side: shown while its missile flies; the label shows the
// turns to impact.
bool MissilePanelVisible(int side);
int MissileCountLabel(int side);
std::string MissilePicture(int side);
bool MissilePanelSmall(int side);  // mines use the small square panel

// Reinforcement radar: 0 hidden, 1 far (4..100 turns), 2 near (1..3), 3 arrived.
int RadarBand(int countdown);
std::string RadarPicture(int side);  // "" while hidden

// Ship pictures of a side: variant 0 normal, 1 shield, 2 firing.
std::string CombatShipPicture(int side, int variant);

// The labels of the compatibility mode for the visually impaired, in
// order: the names on buttons 4..12, both shields, the AP, both missiles and
// both reinforcement lines.
std::vector<std::string> CompatibilityTexts();

}  // namespace qm
