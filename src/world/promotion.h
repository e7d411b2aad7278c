#pragma once
// Promotions, campaign ribbons, ranks, medals, the uniform and the personal
// status texts.
#include <string>
#include <vector>

namespace qm {

// Checks whether the pilot has earned the next level or rank; runs after every
// experience gain and once a day. Experience beyond the threshold is lost.
void CheckPromotion();
// Medals for feats in ship combat, each awarded once. The forms without
// arguments read the enemy of the last battle (Combat.EnemyShip).
void AwardSilverStar();  // an enemy of a bigger class than the player's ship, not of the player's faction
void AwardSilverStar(int enemyType, int enemyFaction);
void AwardGoldStar();    // a starbase destroyed
void AwardGoldStar(int enemyType);

// Ribbon number 1..11 of a ribbon level (2, 3, 5, ... 17); 0 for other levels.
int RibbonNumber(int level);
std::string RibbonName(int faction, int level);   // as displayed, quotation marks included
std::string RibbonMotto(int faction, int level);  // a quotation in quotation marks
std::string RibbonPicture(int faction, int number);  // "Fed-Ribbon3.jpg"
// "Fed", "Outerrim", "Coal", "Synd" for factions 1..4.
std::string FactionPicturePrefix(int faction);

// The planet a faction grants at the last level.
struct OwnPlanet {
  int system = 0;
  int location = 0;
};
OwnPlanet FactionPlanet(int faction);

// The uniform of the promotion and personal-status screens, as picture names.
struct Uniform {
  std::string body, shoulder, collar, wings;  // insignia empty where hidden
  std::vector<std::string> awards;            // ribbons, medals, then empty places
};
Uniform ShowUniform();

// The ribbons (up to eleven, in the order earned) and the medals worn on the
// uniform, each with the name and motto its award was given with.
struct AwardWorn {
  bool medal = false;
  std::string picture;  // "Fed-Ribbon3.jpg", "Fed-Medal-GoldStar.jpg"
  std::string name;     // "\"Operation Spearhead\" campaign ribbon", "\"Gold Star\" medal"
  std::string motto;    // in quotation marks
};
std::vector<AwardWorn> AwardsWorn();
// The rank insignia of the player's faction: "Fed_Rank3.jpg", "OR_Rank5.jpg", ...
std::string RankInsigniaPicture(int faction, int rank);
// Experience gathered towards the next level in percent, 0..100 (100 at the last level).
int LevelProgressPercent();

// The career summary of the personal status screen.
std::string PersonalStatusText();

}  // namespace qm
