#include "catalogue/career.h"

#include <cstdint>
#include <iterator>

#include "catalogue/equipment.h"
#include "state/game_state.h"

namespace qm {
namespace {

template <typename Row, size_t N>
const Row* Find(const Row (&rows)[N], int id) {
  return id >= 0 && static_cast<size_t>(id) < N ? &rows[id] : nullptr;
}

struct RankRow {
  const char* name;
  const char* shortName;
};
const RankRow kRanks[] = {
    {"", ""},
    {"Ensign", "Ens."},
    {"2nd Lieutenant", "2nd Lt."},
    {"1st Lieutenant", "1st Lt."},
    {"Lieutenant Commander", "Lt. Com."},
    {"Commander", "Com."},
    {"Captain", "Cpt."},
    {"Admiral", "Adm."},
    {"Admiral", "Adm."},
};

// How an action's cost is made up: a fixed number, or the AP of an installed item plus extra.
enum class Cost { Fixed, Guns, Missiles, Ecm };

struct CombatActionRow {
  const char* name;
  const char* picture;
  Cost cost;
  int ap;  // fixed cost, or the extra on top of the item's AP
  int turns;
  const char* effect;
  const char* description;
};

struct AbilityRow {
  const char* name;
  const char* picture;
  const char* description;
};

const CombatActionRow kCombatActions[] = {
    {"", "", Cost::Fixed, 0, 0, "", ""},
    {"Fire guns", "Skill_Fire_Gun", Cost::Guns, 0, 2, "Standard attack. Good balance of damage and hit chance.", "This ability fires all your guns at the enemy ship. A standard attack with a good balance of firepower and hit chance."},  // 1
    {"Fire missiles", "Skill_Fire_Missiles", Cost::Missiles, 0, 2, "Devastating damage. Long impact time, countered by ECM.", "Use this button to fire a missile salve at the enemy ship. While they can be intercepted by ECM and take some time until impact, they can wreak havoc."},  // 2
    {"ECM", "Skill_ECM", Cost::Ecm, 0, 2, "Is able to intercept incoming enemy missiles.", "ECM = \"Electronic Countermeasures\". They are able to destroy incoming missiles and prevent heavy damage on your ship."},  // 3
    {"Focus beam", "Skill_Focus_Beam", Cost::Guns, 2, 2, "Gun salve: High damage, but a low chance of hitting.", "The energy of your ship guns is concentrated to one single large super-beam that can cause great damage, but has a low hit chance."},  // 4
    {"Overload gun", "Skill_Overload_gun", Cost::Guns, 0, 2, "Gun salve: Few damage, but a high chance of hitting.", "This will result in a gun salve similiar to a shotgun that will cause few damage, but has a very high hit chance. Good for sneaking in a sure hit."},  // 5
    {"Target lock", "Skill_Lock", Cost::Fixed, 1, 4, "Increased hit chance until the effect wears off.", "This ability allows you to easily formulate firing solutions, which increases the chances of hitting the enemy."},  // 6
    {"Discipline", "Skill_Discipline", Cost::Fixed, 1, 4, "Increased hit chance for (just) the next gun salve.", "When this ability is activated the next gun salve will have a much higher chance of hitting the enemy ship."},  // 7
    {"Manouvers", "Skill_Heroic_Rush", Cost::Fixed, 1, 4, "Damage is increased by 50%; damage taken also by 25%!", "Rushing the enemy is a good idea if you want to inflict a maximum of damage and do not care much about being hit yourself."},  // 8
    {"Double speed", "Skill_Rage", Cost::Fixed, 1, 4, "Recharge speed doubled. Uses up all combo points.", "+ 2 AP every turn, but the risk to be hit is increased a lot"},  // 9
    {"Taunt", "Skill_Taunt", Cost::Fixed, 1, 4, "Enemy hit chance is decreased until the timer wears off.", "Taunting the enemy is a good idea when you want to decrease his hit chance."},  // 10
    {"Flee", "Skill_Flee", Cost::Fixed, 5, 0, "Chance to escape from combat. May not be interrupted.", "If you use this skill you have a small chance to escape from ship to ship combat."},  // 11
    {"Tractor beam", "Skill_Tractorbeam", Cost::Fixed, 2, 4, "Interrupts any enemy attempt to flee immidiately.", "A strong gravitational beam pulls the enemy ship closer and interrupts all enemy attempts to escape"},  // 12
    {"Evil taunt", "Skill_EvilTaunt", Cost::Fixed, 1, 4, "Enemy hit chance is decreased until the timer wears off.", "This more aggressive type of taunt decreases the enemy hit chance significantly."},  // 13
    {"Cloak", "Skill_Cloak", Cost::Fixed, 5, 10, "Makes you invisible to enemy eyes and sensors.", "Using this ability you will try to use your cloaking device (if your ship is equipped with this useful tool) to escape from combat."},  // 14
    {"Exploit", "Skill_Ambush", Cost::Guns, 2, 2, "Gun salve: Damage doubled. Requires you being cloaked.", "When the enemy is immobilized by an EMP hit you can re-calibrate your guns to his shield frequence and cause devastating damage."},  // 15
    {"EMP", "Skill_EMP", Cost::Fixed, 5, 2, "Immobilizing the target until the timer wears off.", "Manipulating your guns you can fire a strong electronic magnetic pulse (EMP) temporarily immobilizing your target."},  // 16
    {"Exploit II", "Skill_Mutilate", Cost::Guns, 2, 2, "Gun salve: Extreme damage. Req.: combo points and enemy EMPed.", "When the enemy is immobilized by an EMP hit you can re-calibrate your guns to his shield frequence and cause devastating damage."},  // 17
    {"Recharge", "Skill_Recharge", Cost::Fixed, 1, 2, "Recharges all your other abilities. Effective immidiately.", "Using this ability you can recharge all your other abilities at once. Very useful for combining different abilities."},  // 18
    {"Disturb", "Skill_Disturb", Cost::Fixed, 2, 2, "Removes one enemy bonus effect. Effective immidiately.", "Removes a random enemy bonus."},  // 19
    {"Mark", "Skill_Mark", Cost::Fixed, 1, 15, "Enemy cannot cloak until the timer wears off.", "A small beacon will be shot at the enemy that will penetrate the hull and will make it possible to target his ship even when he is cloaked."},  // 20
    {"EMP resistance", "Skill_Deflect", Cost::Fixed, 2, 2, "Chance to break an enemy \"Mark\" effect.", "Chance to break an enemy \"Mark\" effect by destroying the nasty beacon."},  // 21
    {"Focused shield", "Skill_FocusedShield", Cost::Fixed, 2, 4, "The next damage through enemy fire is reduced by 50%.", "Some damage (50%) is compensated by a special shield configuration."},  // 22
    {"Focused shield II", "Skill_FocusedShield2", Cost::Fixed, 2, 4, "The next damage through enemy fire is reduced by 75%.", "Most damage (75%) is compensated by a special shield configuration."},  // 23
    {"Reflection shield", "Skill_Reflect", Cost::Fixed, 2, 4, "12% of the next enemy fire or the next effect hits enemy.", "Feeding your ships shield with positive anti-matter particles will reflect about 12% damage back to the attacker."},  // 24
    {"Reflection shield II", "Skill_Reflect2", Cost::Fixed, 2, 4, "25% of the next enemy fire or the next effect hits enemy.", "Feeding your ships shield with positive anti-matter particles will reflect about 25% damage back to the attacker."},  // 25
    {"Evading", "Skill_Evading", Cost::Fixed, 2, 4, "Chance being hit and to hit is reduced by 40%. Combo points!", "These evasive manouvers cannot be descriped any less than artistic and will decrease the hit chances of the pilot and the attacker."},  // 26
    {"Shield boost", "Skill_ShieldBoost", Cost::Fixed, 3, 2, "Recharges shields by 25% of max. value.", "Feeding the shields directly from the reactor core without going through the shield generators recharges them by 25% of their max. value"},  // 27
    {"Sacrifice", "Skill_Sacrifice", Cost::Fixed, 5, 2, "Recharges shields. Req.: Combo points and F+R shields!", "The anti-matter particles used for the focused and reflective shield can be used to recharge your shields."},  // 28
    {"Calmness", "Skill_Calmness", Cost::Fixed, 1, 2, "All enemy taunt effects are removed.", "Keeping calm is a good idea in a fight. Removes a taunt effect from yourself"},  // 29
    {"Reinforcements", "Skill_Reinforcements", Cost::Fixed, 3, 10000, "", "Reinforcements are a traders best friend. They are usually able to turn the tide of battle and best of all: They are free!"},  // 30
    {"SOS buoy", "Skill_SOSBuoy", Cost::Fixed, 2, 20, "Available reinforcements will arrive faster!", "This SOS buoy makes the reinforcements arrive faster."},  // 31
    {"Radio jammer", "Skill_Radio_Interference", Cost::Fixed, 2, 2, "Enemy reinforcements are slowed down, SOS buoys destroyed.", "When nobody knows someone is in trouble, nobody can come to help him. This ability slows down enemy reinforcements."},  // 32
    {"EMP II", "Skill_EMP2", Cost::Fixed, 5, 2, "Drones cause damage on the enemy every turn.", "This advanced ability can immobilize your target even when it has a resistance against normal EMP attacks."},  // 33
    {"Focus beam II", "Skill_Focus_Beam2", Cost::Guns, 2, 2, "Takes out enemy drones fast and effectively.", "This stronger variation of the classic \"focus beam\" ability concentrates your weapon energy to an even stronger super-beam."},  // 34
    {"Disturb II", "Skill_Disturb2", Cost::Fixed, 2, 2, "All enemy bonuses will be removed.", "All enemy bonuses will be removed."},  // 35
    {"Ship´s special ability", "Skill_shipspecial", Cost::Fixed, 3, 10000, "This is a special ability of your ship.", "Most ships have certain special abilities that are either always active or - if a combat ability - can be turned on during combat."},  // 36
    {"Overheated", "Skill_shipspecial", Cost::Fixed, 0, 2, "Your guns have overheated and cannot be used until they have cooled down.", "Your guns have overheated and cannot be used until they have cooled down."},  // 37
};
const AbilityRow kAbilities[] = {
    {"", "", ""},  // 0
    {"Trader", "Skill_Trader", "With this ability you are aware of the prices for many goods in many far away star systems. This will help you a lot discovering the best trade routes."},  // 1
    {"Advanced Trader", "Skill_TraderAdv", "This ability will give you the knowledge of all prices for all goods in all star systems. This makes it easy to map new and profitable trade routes."},  // 2
    {"Cargo manager", "Skill_CargoManager", "Intelligent cargo managing increases the available cargo space of your ship by 25%."},  // 3
    {"Advanced cargo manager", "Skill_CargoManagerAdv", "This improved ability to manage available spaces and cargo makes it possible to increase the available cargo space on your ship bx 50%."},  // 4
    {"Connections", "Skill_Connections", "If you have this ability the available stock of goods on planets will be increased by 25%."},  // 5
    {"Advanced connections", "Skill_ConnectionsAdv", "This improved ability increases the available stock of goods on planets by 50%."},  // 6
    {"Tycoon", "Skill_Tycoon", "As a tycoon you´ll know how to invest your money to bring a maximum of revenue. Your wealth is increased by 5% every 200 turns."},  // 7
    {"Advanced Tycoon", "Skill_TycoonAdv", "This advanced ability allows you to make even better investments. Your wealth is increased by 10% every 200 turns."},  // 8
    {"Criminalistics", "Skill_Criminalistics", "The ability to know the behaviour and thoughts of criminals makes it possible to predict attacks and to reduce the chance of such unpleasant encounters by 25%."},  // 9
    {"Advanced criminalistics", "Skill_CriminalisticsAdv", "Advanced criminalistics studies criminals and their behavior thus making it possible to reduce the chance of encounters by 50%."},  // 10
    {"Tracking", "Skill_Tracking", "This ability increases the amount of ships displayed on the ships sensors."},  // 11
    {"Advanced tracking", "Skill_TrackingAdv", "Advanced tracking makes it possible to discover even more ships on your ship sensors."},  // 12
    {"Bounty hunter", "Skill_BountyHunter", "With this ability chances of finding the objective of bounty missions in increased."},  // 13
    {"Combat patrol", "Skill_CombatPatrol", "Pilots with this ability will get reinforcements when being attacked in neutral systems."},  // 14
    {"Deep space patrol", "Skill_CombatPatrolAdv", "Pilots with this ability will get reinforcements even when being attack in enemy systems."},  // 15
    {"Rewards", "Skill_Rewards", "This ability increases the reward received from the completion of standard missions by 10%."},  // 16
    {"Advanced rewards", "Skill_RewardsAdv", "This improved ability increases the reward received from the completion of standard missions by 25%."},  // 17
    {"Fast recharge", "Skill_FastRecharge", "This ability will make it possible to recharge your shields while travelling two times as fast."},  // 18
    {"Rumors", "Skill_Rumors", "With this ability the rumors about your deeds will spread more quickly and you will receive 25% more fame for each destroyed enemy vessel."},  // 19
    {"Legendary", "Skill_Legendary", "Tales about your legendary deeds will spread in the whole galaxy and you will gain twice as much fame for each destroyed enemy vessel."},  // 20
    {"Disguise", "Skill_Disguise", "With this ability you can avoid being flagged criminal after comitting a crime in about 50% of all incidents."},  // 21
    {"Advanced disguise", "Skill_DisguiseAdv", "With this ability you can avoid being flagged criminal after comitting a crime in about 75% of all incidents."},  // 22
    {"Street rules", "Skill_Streetwise", "You have a chance of 50% to land on a friendly planet even when flagged criminal."},  // 23
    {"Advanced street rules", "Skill_StreetwiseAdv", "You have a chance of 75% to land on a friendly planet even when flagged criminal."},  // 24
    {"Spy", "Skill_Spy", "As a spy you will be able to find certain spots within enemy territory where you can obtain secret data. You will also require spy equipment."},  // 25
    {"Traitor", "Skill_Traitor", "As a traitor you will be able to find certain spots within your own territory where you can obtain secret data. You will also require spy equipment."},  // 26
    {"Syndicate", "Skill_Syndicate", "As a member of the Syndicate / Order of the Serpent you will know the locations of hidden pirate hideouts where you can wait until your criminal flag wears off."},  // 27
    {"Hacker", "Skill_Hacker", "With this ability you will be informed, if a treasure ship is in your system."},  // 28
    {"Clean record", "Skill_Cleanrecord", "This ability reduces the chance that contraband is detected by police patrols by 50%."},  // 29
    {"Amnesty", "Skill_Amnesty", "With this ability you can buy an amnesty at a local governor when you are flagged criminal."},  // 30
    {"", "Skill_Taunt", ""},  // 31
    {"", "", ""},  // 32
    {"", "", ""},  // 33
    {"", "", ""},  // 34
    {"", "", ""},  // 35
    {"Ship´s special ability", "Skill_shipspecial", "Most ships have certain special abilities that are either always active or - if a combat ability - can be turned on during combat."},  // 36
};

bool Admiral() { return Game.Player[Pl::Rank] >= 7; }

}  // namespace

std::string rankName(int rank) {
  const RankRow* r = Find(kRanks, rank);
  return r ? r->name : "";
}

std::string rankShortName(int rank) {
  const RankRow* r = Find(kRanks, rank);
  return r ? r->shortName : "";
}

int experienceForLevel(int level) {
  static constexpr int kFirstLevels[] = {0, 8000, 15000, 25000, 35000, 55000, 75000, 110000};
  if (level <= 0) return 0;
  if (level <= 7) return kFirstLevels[level];
  // From level 8 on the need grows linearly, and from level 15 on it is multiplied
  // by the number of levels beyond 14; huge levels saturate instead of overflowing.
  const int64_t base = static_cast<int64_t>(level) * 150000 - 1050000;
  const int64_t factor = level >= 15 ? level - 14 : 1;
  if (base > INT32_MAX / factor) return INT32_MAX;
  return static_cast<int>(base * factor);
}

int pilotAge() { return Age(); }

std::string portraitPicture(int portrait, int age) {
  if (portrait < 0 || portrait > 2) portrait = 0;
  const char* suffix = age < 35 ? "_20y" : age < 50 ? "_35y" : age < 70 ? "_50y" : age < 150 ? "_70y" : "_150y";
  return "hero" + std::to_string(portrait + 1) + suffix + ".jpg";
}

std::string portraitPicture() { return portraitPicture(Game.Player[Pl::Portrait], Age()); }

std::string combatActionName(int id) {
  const auto* r = Find(kCombatActions, id);
  return r ? r->name : "";
}

std::string combatActionPicture(int id) {
  if (Admiral()) {
    if (id == 1) return "Skill_Fire_GunAdv";
    if (id == 2) return "Skill_Fire_MisslesAdv";
    if (id == 3) return "Skill_ECMAdv";
  }
  const auto* r = Find(kCombatActions, id);
  return r ? r->picture : "";
}

std::string combatActionDescription(int id) {
  const auto* r = Find(kCombatActions, id);
  return r ? r->description : "";
}

std::string combatActionEffectText(int id) {
  const auto* r = Find(kCombatActions, id);
  return r ? r->effect : "";
}

int combatActionCost(int id) {
  const auto* r = Find(kCombatActions, id);
  if (!r || id == 0) return 0;
  const auto& s = Game.Ship;
  switch (r->cost) {
    case Cost::Guns: return gunActionPoints(s[Sh::ShipType], s[Sh::Guns]) + r->ap;
    case Cost::Missiles: return missileActionPoints(s[Sh::ShipType], s[Sh::Missiles]) + r->ap;
    case Cost::Ecm: return ecmActionPoints(s[Sh::Ecm]) + r->ap;
    case Cost::Fixed: break;
  }
  return r->ap;
}

int combatEffectTurns(int id) {
  const auto* r = Find(kCombatActions, id);
  return r ? r->turns : 0;
}

std::string abilityName(int id) {
  const auto* r = Find(kAbilities, id);
  return r ? r->name : "";
}

std::string abilityPicture(int id) {
  const auto* r = Find(kAbilities, id);
  return r ? r->picture : "";
}

std::string abilityDescription(int id) {
  const auto* r = Find(kAbilities, id);
  return r ? r->description : "";
}

}  // namespace qm
