#include "catalogue/professions.h"

namespace qm {
namespace {

struct ProfessionRow {
  const char* name;
  const char* description;
  std::array<int, 3> actions;
  std::array<const char*, 3> labels;
  int ability;
  const char* abilityLabel;
  int ship;  // 0: the fighter of the pilot's faction
};

const ProfessionRow kProfessions[] = {
    {"", "", {0, 0, 0}, {"", "", ""}, 0, "", 0},
    {"Trader",
     "The Trader is an expert at buying and selling merchandise behind the front lines. You know where prices are "
     "best and the fastest and safest routes to take.",
     {10, 11, 22}, {"Taunt,", "Flee,", "Focused shield"}, 1, "Trader", 5},
    {"Combat Trader",
     "The Combat Trader is gifted at the risky but profitable business of bringing vital materials to systems near "
     "the front lines. While still blessed with trading skills, you are able to stand your own against hostile "
     "encounters.",
     {10, 7, 22}, {"Taunt,", "Discipline,", "Focused shield"}, 1, "Trader", 1},
    {"Mercenary",
     "Mercenaries are independent professional combatants working for organizations of your choosing. You\u2019ll "
     "fulfill a wide range of combat roles, but you are very poor at trading.",
     {10, 7, 4}, {"Taunt,", "Discipline,", "Focus beam,"}, 11, "Tracking", 0},
    {"Bounty-hunter",
     "Bounty hunters are dedicated officers that tracks down and arrests pirates/criminals. Your skills make it "
     "possible for you to track criminals over long distances. Though primarily involved in combat, you can also "
     "engage in some light trading.",
     {10, 7, 12}, {"Taunt,", "Discipline,", "Tractor beam,"}, 11, "Tracking", 0},
    {"Smuggler",
     "Smugglers are illegal traders on the black market. You know how to avoid government officials and where the "
     "secret pirate trading posts and hideouts are, and you make a hefty profit if you skilfully navigate the "
     "risks involved.",
     {10, 11, 22}, {"Taunt,", "Flee,", "Focused shield"}, 27, "Syndicate", 1},
    {"Pirates",
     "Pirates are specialized combatants fighting for criminal organizations. You will have access to hidden "
     "outposts and laws mean nothing to you as you plunder merchant ships.",
     {11, 7, 12}, {"Flee,", "Discipline,", "Tractor beam,"}, 27, "Syndicate", 1},
};

const ProfessionRow* Profession(int p) { return p >= 1 && p <= 6 ? &kProfessions[p] : nullptr; }

// The mercenary's and bounty hunter's fighter by faction, with its label.
struct FighterRow {
  int ship;
  const char* label;
};
const FighterRow kFactionFighters[] = {
    {0, ""}, {3, "Avenger fighter"}, {2, "Stargun fighter"}, {2, "Stargun fighter"}, {4, "Sabre fighter"}};

struct FactionRow {
  const char* name;
  const char* summary;
};
const FactionRow kFactions[] = {
    {"", ""},
    {"Federation",
     "The Federation is a very powerful faction with a good chance of winning the war. This is a good choice for "
     "traders, mercenaries and bounty hunters."},
    {"Outer Rim Alliance",
     "As the strongest faction in the rebellion, the Outer Rim Alliance stands a chance to defend itself. Suitable "
     "for all professions."},
    {"Coalition",
     "The Coalition provides a great opportunity for every trader, but it might be difficult to survive long "
     "enough to take use of your riches. Suitable for experienced traders."},
    {"Syndicate",
     "The Syndicate has unique technology and a large network of hideouts throughout the galaxy, which makes it "
     "perfect for illegal traders and pirates."},
};

struct CrewRow {
  const char* topic;
  const char* text;
};
const CrewRow kCrew[] = {
    {"Crewmen",
     "Crewmen are the cheapest and most versatile members of your crew, but they are trained in navigation not in "
     "combat."},
    {"Officers",
     "Officers are highly skilled and experienced soldiers that can navigate a ship and can increase the fighting "
     "force of your crew by 5% (max. 50%)."},
    {"Space marines",
     "Space marines are the toughest fighting force humans can muster. They are trained and equipped for combat."},
    {"Pirates",
     "If you are committing crimes all other kinds of crew members might rally and leave your ship. Pirates will "
     "be used to this kind of foul deeds."},
    {"Battle droids",
     "Heavily armed and even better armored these monsters are almost unstoppable. Capture some during crew "
     "combat!"},
};

const CrewRow* Crew(int slot) { return slot >= 30 && slot <= 34 ? &kCrew[slot - 30] : nullptr; }

}  // namespace

std::string professionName(int p) { return Profession(p) ? Profession(p)->name : ""; }
std::string professionDescription(int p) { return Profession(p) ? Profession(p)->description : ""; }

std::array<int, 3> professionCombatActions(int p) {
  return Profession(p) ? Profession(p)->actions : std::array<int, 3>{0, 0, 0};
}

std::array<std::string, 3> professionCombatLabels(int p) {
  const ProfessionRow* r = Profession(p);
  if (!r) return {"", "", ""};
  return {r->labels[0], r->labels[1], r->labels[2]};
}

int professionAbility(int p) { return Profession(p) ? Profession(p)->ability : 0; }
std::string professionAbilityLabel(int p) { return Profession(p) ? Profession(p)->abilityLabel : ""; }

int professionStartShip(int p, int faction) {
  const ProfessionRow* r = Profession(p);
  if (!r || faction < 1 || faction > 4) return 0;
  return r->ship != 0 ? r->ship : kFactionFighters[faction].ship;
}

std::string professionShipLabel(int p, int faction) {
  const ProfessionRow* r = Profession(p);
  if (!r || faction < 1 || faction > 4) return "";
  if (r->ship == 5) return "Orion II shuttle";
  if (r->ship == 1) return "Starwolf fighter";
  return kFactionFighters[faction].label;
}

std::string factionSelectionName(int f) { return f >= 1 && f <= 4 ? kFactions[f].name : ""; }
std::string factionSummary(int f) { return f >= 1 && f <= 4 ? kFactions[f].summary : ""; }

std::string crewTypeTopic(int slot) { return Crew(slot) ? Crew(slot)->topic : ""; }
std::string crewTypeText(int slot) { return Crew(slot) ? Crew(slot)->text : ""; }

}  // namespace qm
