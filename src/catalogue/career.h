#pragma once
// The pilot's career: ranks, experience per level, portraits, and the two
// ability trees (combat actions and non-combat abilities).
#include <string>

namespace qm {

std::string rankName(int rank);       // rank 8 reads as Admiral too
std::string rankShortName(int rank);
int experienceForLevel(int level);
int pilotAge();
// The player's portrait for the current age, e.g. "hero2_50y.jpg".
std::string portraitPicture();
std::string portraitPicture(int portrait, int age);

std::string combatActionName(int id);
std::string combatActionPicture(int id);  // admirals see the advanced pictures of actions 1..3
std::string combatActionDescription(int id);
std::string combatActionEffectText(int id);
int combatActionCost(int id);             // action points with the player's installed equipment
int combatEffectTurns(int id);

std::string abilityName(int id);
std::string abilityPicture(int id);
std::string abilityDescription(int id);

}  // namespace qm
