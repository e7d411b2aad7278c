#include "world/promotion.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/sound_requests.h"
#include "world/abilities.h"
#include "world/missions.h"
#include "world/new_game.h"
#include "world/planet_pictures.h"

namespace qm {
namespace {

constexpr int kLastLevel = 19;
constexpr int kAwardPlaces = 16;  // places in the uniform's award rows

std::string ShortName(int f) { return Game.FactionText[f][FacT::ShortName]; }
std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
bool IsRankLevel(int n) { return n == 4 || n == 7 || n == 10 || n == 13 || n == 15 || n == 18; }

struct Medal {
  const char* silver;
  const char* gold;
  const char* background;
  const char* prefix;  // the medal pictures' prefix
};
constexpr Medal kMedals[5] = {{"", "", "", ""},
                              {"Silver Star", "Gold Star", "FedAwardBackgr.jpg", "Fed"},
                              {"Silver Eagle", "Gold Eagle", "ORAwardBackgr.jpg", "Outerrim"},
                              {"Silver Ying-Yang", "Gold Ying-Yang", "SyndAwardBackgr.jpg", "Synd"},
                              {"Red Cross", "Gold Cross", "CoalAwardBackgr.jpg", "Coal"}};

const Medal& MedalOf(int faction) { return kMedals[faction >= 1 && faction <= 4 ? faction : 0]; }

// The promotion screen: what was awarded, with the faction's award background.
void ShowPromotionScreen(AwardContent::Kind kind, int faction, const std::string& intro, const std::string& award,
                         const std::string& kindLine, const std::string& motto, const std::string& picture) {
  AwardContent a;
  a.kind = kind;
  a.faction = faction;
  a.intro = intro;
  a.award = award;
  a.kindLine = kindLine;
  a.motto = motto;
  a.picture = picture;
  a.background = MedalOf(faction).background;
  Notify(a);
}

void GrantOwnPlanet(int faction) {
  const OwnPlanet p = FactionPlanet(faction);
  Game.Player[Pl::OwnPlanetPromised] = 1;
  const std::string planet = Game.LocationText[p.system][p.location][1];
  const std::string system = Game.SystemText[p.system][1];
  const bool owned = Game.LocationData[p.system][p.location][Loc::Owner] == faction;
  const std::string text =
      owned ? "Congratulations! For your good services the government has granted you the ownership of the planet " +
                  planet + " in the " + system + " system. This is the highest reward you ever dreamed of achieving."
            : "Your government has promised you to grant you the planet " + planet + " in the " + system +
                  " system. Right now your country is not in control of this planet. If the opportunity should "
                  "arise, conquer it and at the time you retire its yours alone!";
  Notify("Your own planet!", text, locationPictureName(p.system, p.location) + "r.jpg");
}

void Award(int level, int faction) {
  auto& p = Game.Player;
  if (RibbonNumber(level) > 0) {
    p[Pl::Ribbons] += 1;
    ShowPromotionScreen(AwardContent::Ribbon, faction,
                        "For your great efforts the " + ShortName(faction) + " high command awards you:",
                        RibbonName(faction, level), "campaign ribbon", RibbonMotto(faction, level),
                        RibbonPicture(faction, RibbonNumber(level)));
  } else if (IsRankLevel(level)) {
    p[Pl::Rank] += 1;
    ShowPromotionScreen(AwardContent::Rank, faction,
                        "For your honorful service the " + ShortName(faction) + " high command promotes you to:",
                        rankName(p[Pl::Rank]), "(" + rankShortName(p[Pl::Rank]) + ")", "Congratulations!",
                        RankInsigniaPicture(faction, p[Pl::Rank]));
  } else if (level == kLastLevel) {
    GrantOwnPlanet(faction);
  }
}

void OfferAbility(int level) {
  if (IsRankLevel(level) && level != 18) {
    Notify("New combat skill", "For every NEW RANK you receive you may choose one new combat ability.");
    ShowAbilityScreen(2, 1);
    return;
  }
  if (level == 18) {
    Notify("Skill upgrade!",
           "You did it! Finally you\u00b4ve reached the rank of Admiral! Looking back at how you started you feel "
           "your skills have significantly improved over time. Your standard " +
               Quoted(combatActionName(1)) + ", " + Quoted(combatActionName(2)) + " and " +
               Quoted(combatActionName(3)) + " abilities have been upgraded.");
    return;
  }
  Notify("New non-combat skill", level == kLastLevel
                                     ? "A final last time you may choose one new non-combat ability."
                                     : "For every CAMPAIGN RIBBON you receive you may choose one new non-combat "
                                       "ability.");
  ShowAbilityScreen(1, 1);
}


int ShipClass(int type) { return shipStat(type, Stat::Class); }

}  // namespace

std::string FactionPicturePrefix(int faction) {
  static const char* const prefixes[5] = {"", "Fed", "Outerrim", "Coal", "Synd"};
  return faction >= 1 && faction <= 4 ? prefixes[faction] : "";
}

std::string RibbonPicture(int faction, int number) {
  return FactionPicturePrefix(faction) + "-Ribbon" + std::to_string(number) + ".jpg";
}

OwnPlanet FactionPlanet(int faction) {
  static const OwnPlanet planets[5] = {{0, 0}, {8, 4}, {14, 5}, {6, 3}, {20, 2}};
  return faction >= 1 && faction <= 4 ? planets[faction] : OwnPlanet{};
}

void CheckPromotion() {
  auto& p = Game.Player;
  const int level = p[Pl::Level];
  if (level < 1 || level >= kLastLevel || p[Pl::Experience] < experienceForLevel(level)) return;
  const int n = level + 1;
  p[Pl::Level] = n;
  p[Pl::Experience] = 0;
  p[Pl::Lifepoints] += 1;
  PlayRewardTune();
  Notify("Congratulations!", "You have been promoted!");
  Award(n, p[Pl::Faction]);
  OfferAbility(n);

  auto& s = Game.Ship;
  s[Sh::CargoCapacity] = cargoCapacity(s[Sh::ShipType], s[Sh::CargoSpace]);
  UI().RefreshMainScreen(s[Sh::System]);
  if (Game.NonCombatAbilities[27] == 1) RevealAllHideouts();
  UI().RefreshSpaceObjects();
  UI().RefreshTradePopup();
  GenerateMissionOffers();
}

void AwardSilverStar(int enemyType, int enemyFaction) {
  auto& p = Game.Player;
  const int faction = p[Pl::Faction];
  if (p[Pl::SilverStar] != 0 || enemyFaction == faction) return;
  if (ShipClass(enemyType) <= ShipClass(Game.Ship[Sh::ShipType])) return;
  p[Pl::SilverStar] = 1;
  const Medal& m = MedalOf(faction);
  PlayRewardTune();
  ShowPromotionScreen(AwardContent::Medal, faction,
                      "For exceptional bravery the " + ShortName(faction) + " high command awards you:",
                      Quoted(m.silver), "medal", Quoted("For exceptional bravery in influencing our war efforts."),
                      std::string(m.prefix) + "-Medal-SilverStar.jpg");
}

void AwardGoldStar(int enemyType) {
  auto& p = Game.Player;
  if (enemyType != kStarbase || p[Pl::GoldStar] != 0) return;
  p[Pl::GoldStar] = 1;
  const int faction = p[Pl::Faction];
  const Medal& m = MedalOf(faction);
  PlayRewardTune();
  ShowPromotionScreen(AwardContent::Medal, faction,
                      "For uncommon valor the " + ShortName(faction) + " high command awards you:", Quoted(m.gold),
                      "medal", Quoted("For uncommon valor in conquering a whole sector."),
                      std::string(m.prefix) + "-Medal-GoldStar.jpg");
}

void AwardSilverStar() { AwardSilverStar(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::ShipFaction]); }
void AwardGoldStar() { AwardGoldStar(Combat.EnemyShip[Sh::ShipType]); }

Uniform ShowUniform() {
  const auto& p = Game.Player;
  const std::string f = FactionPicturePrefix(p[Pl::Faction]);
  const int rank = p[Pl::Rank];
  static const char* const parts[9] = {"", "-ensign", "-2ndLt", "-1stLt", "-Lt", "-Comm", "-Capt", "-Adm", "-Adm"};
  Uniform u;
  u.body = "Uni-" + f + "-blank" + (rank >= 7 ? "-com" : "") + (p[Pl::Gender] == 2 ? "-fem" : "") + ".jpg";
  if (rank >= 1 && rank <= 8 && rank != 7) {
    u.shoulder = "Uni-" + f + parts[rank] + "-shoulder.jpg";
    u.collar = "Uni-" + f + parts[rank] + "-collar.jpg";
  }
  if (p[Pl::PilotWings] > 0) u.wings = f + "-Pilotwings.jpg";
  const int ribbons = std::clamp<int>(p[Pl::Ribbons], 0, kAwardPlaces);
  for (int i = 1; i <= ribbons; ++i) u.awards.push_back(RibbonPicture(p[Pl::Faction], std::min(i, 11)));
  if (p[Pl::SilverStar]) u.awards.push_back(f + "-Medal-SilverStar.jpg");
  if (p[Pl::GoldStar]) u.awards.push_back(f + "-Medal-GoldStar.jpg");
  if (p[Pl::MedalOfHonor]) u.awards.push_back("MedalofHonor.jpg");
  while (static_cast<int>(u.awards.size()) < kAwardPlaces) u.awards.push_back("awardplace.jpg");
  u.awards.resize(kAwardPlaces);
  return u;
}

std::vector<AwardWorn> AwardsWorn() {
  const auto& p = Game.Player;
  const int faction = p[Pl::Faction];
  std::vector<AwardWorn> worn;
  // The n-th ribbon is the one of the n-th ribbon level.
  const int ribbons = std::clamp<int>(p[Pl::Ribbons], 0, 11);
  for (int level = 2, n = 0; level < kLastLevel && n < ribbons; ++level) {
    if (RibbonNumber(level) == 0) continue;
    ++n;
    worn.push_back({false, RibbonPicture(faction, n), RibbonName(faction, level) + " campaign ribbon",
                    RibbonMotto(faction, level)});
  }
  const Medal& m = MedalOf(faction);
  const std::string prefix = FactionPicturePrefix(faction);
  if (p[Pl::SilverStar])
    worn.push_back({true, prefix + "-Medal-SilverStar.jpg", Quoted(m.silver) + " medal",
                    Quoted("For exceptional bravery in influencing our war efforts.")});
  if (p[Pl::GoldStar])
    worn.push_back({true, prefix + "-Medal-GoldStar.jpg", Quoted(m.gold) + " medal",
                    Quoted("For uncommon valor in conquering a whole sector.")});
  if (p[Pl::MedalOfHonor])
    worn.push_back({true, "MedalofHonor.jpg", Quoted("Medal of Honor"),
                    Quoted("For valor above and beyond the call of duty.")});
  return worn;
}

std::string RankInsigniaPicture(int faction, int rank) {
  static const char* const prefixes[5] = {"", "Fed", "OR", "Coal", "Synd"};
  if (faction < 1 || faction > 4 || rank < 1 || rank > 8) return "";
  return std::string(prefixes[faction]) + "_Rank" + std::to_string(rank) + ".jpg";
}

int LevelProgressPercent() {
  const auto& p = Game.Player;
  if (p[Pl::Level] >= kLastLevel) return 100;
  const int64_t needed = std::max(1, experienceForLevel(p[Pl::Level]));
  return static_cast<int>(std::clamp<int64_t>(std::max<int64_t>(p[Pl::Experience], 0) * 100 / needed, 0, 100));
}

std::string PersonalStatusText() {
  const auto& p = Game.Player;
  auto n = [&](int field) { return std::to_string(p[field]); };
  std::string text = "During your career you were known as \"" + Game.PlayerName +
                     "\". You successfully completed " + n(Pl::MissionsCompleted) + " missions.";
  text += " You\u00b4ve been able to destroy " + n(Pl::KilledFighters) + " fighter(s), " + n(Pl::KilledCorvettes) +
          " corvette(s), " + n(Pl::KilledDestroyers) + " destroyer(s), " + n(Pl::KilledCruisers) + " cruiser(s), " +
          n(Pl::KilledBattleships) + " battleship(s), " + n(Pl::KilledFreighters) + " freighter (s).";
  if (p[Pl::CargoTraded] > 100000000)
    text += " Within all this time you\u00b4ve traded more than 100 million units of cargo.";
  else
    text += " Within all this time you\u00b4ve traded " + n(Pl::CargoTraded) + " unit(s) of cargo.";
  text += " Due to your help the " + Game.FactionText[p[Pl::Faction]][FacT::FullName] +
          " could successfully complete " + n(Pl::InvasionOpsCompleted) + " invasion operation(s) and fight back " +
          n(Pl::InvasionsRepelled) + " invasion(s) in federated space.";
  text += " " + n(Pl::Lifepoints) + " \"lives\" left";
  return text;
}

}  // namespace qm
