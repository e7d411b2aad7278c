// What the mission boards say: names, logos, briefings, call signs and the
// detail lines of an offer or of the running mission.
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/missions.h"

namespace qm {
namespace {

struct TypeText {
  const char* name;  // a doubled ampersand shows as one on screen
  const char* logo;
};

constexpr TypeText kTypes[kMissionTypes + 1] = {
    {"", ""},
    {"Search && Destroy", "Mission_SearchandDestroyLogo"},
    {"Patrol", "Mission_PatrolLogo"},
    {"Transport", "Mission_TransportLogo"},
    {"Ambush", "Mission_AttackCapLogo"},
    {"Bounty", "Mission_BountyLogo"},
    {"Supply", "Mission_SupplyLogo"},
    {"Special Forces", "Mission_EscortLogo"},
    {"Report for duty", "Mission_ReportForDutyLogo"},
    {"Strike", "Mission_SearchandDestroyLogo"},
    {"Combat patrol", "Mission_PatrolLogo"},
    {"Combat transport", "Mission_TransportLogo"},
    {"Assault", "Mission_AttackCapLogo"},
    {"Infiltrate", "Mission_InfiltrateLogo"},
    {"Escort", "Mission_EscortLogo"},
    {"Recon", "Mission_ReconLogo"},
    {"Marine Landing", "Mission_Marine"},
    {"Evacuation", "Mission_Evacuation"},
    {"Abduction", "Mission_VIPabductLogo"},
    {"Analysis", "Mission_Analysis"},
    {"Blitzkrieg", "Mission_Blitzkrieg"},
    {"Flanking", "Mission_Flanking"},
    {"Suppression", "Mission_Suppression"},
    {"Bombing run", "Mission_Bombing"},
    {"Battle", "Mission_Battle"},
    {"Siege", "Mission_Siege"},
    {"Raiding", "Mission_Raiding"},
    {"Flagship", "Mission_Flagship"},
};

bool Known(int type) { return type >= 1 && type <= kMissionTypes; }

// Briefings. {L} is the target location's name, {S} the target system's.
using Pool = std::vector<const char*>;

const Pool& Briefings(int type) {
  static const Pool kNone;
  static const Pool kPools[kMissionTypes + 1] = {
      {},
      // 1 Search & Destroy
      {"An enemy vessel has been spotted near {L}. Your orders are to intercept it and destroy it before it can "
       "report our positions.",
       "Our patrols report a hostile ship lurking close to {L} in the {S} system. Fly there and take it out.",
       "A raider has attacked two of our freighters this week and is now hiding near {L}. Hunt it down and end its "
       "career.",
       "Intelligence has tracked a hostile warship to this system. Engage it at the position given below and make "
       "sure it does not get away.",
       "Local traders complain about a hostile ship that shadows their convoys. Find it at {L} and destroy it.",
       "A hostile scout has been detected close to {L}. It must not leave the {S} system with what it has learned. "
       "Search and destroy!",
       "The system governor wants the ship that keeps harassing the local traffic gone. Locate it at the position "
       "below and open fire.",
       "Long-range sensors picked up a hostile signature near {L}. Go there, identify the ship and destroy it.",
       "An armed vessel ignored every hail of our traffic control and disappeared toward {L}. Engage it on sight.",
       "A hostile ship has been laying mines along the approach to {L}. Stop it before the first freighter runs "
       "into them."},
      // 2 Patrol
      {"Our patrol ships are stretched thin. Fly the three nav points given below and report anything unusual in "
       "the {S} system.",
       "Routine patrol duty: visit the nav points listed below in order. Keep your eyes open for smugglers and "
       "pirates.",
       "Traders have reported strange signals in the {S} system. Patrol the nav points below and show the flag.",
       "The regular patrol ship is in the dock for repairs. Take over its route and visit all three nav points.",
       "A show of force keeps the pirates away. Patrol the {S} system along the nav points below.",
       "We need fresh sensor readings from three positions in this system. Fly the patrol route below and let your "
       "computer do the rest.",
       "Pirate activity has increased lately. Patrol the listed nav points so the traders feel safe again.",
       "The local government wants more ships on the space lanes. Patrol the nav points below in the order "
       "listed.",
       "An unidentified vessel was seen in the {S} system. It is probably nothing, but patrol the nav points below "
       "to make sure.",
       "Your mission is a simple patrol through the {S} system. Visit all three nav points and keep the space "
       "lanes clear."},
      // 3 Transport
      {"The government needs you to transport the goods specified below to this location. You can buy them "
       "wherever you like, but get these goods shipped fast.",
       "The colony at {L} is running short of supplies. Buy the goods specified below wherever you like and sell "
       "them there.",
       "A trading house at {L} has ordered the goods listed below. Deliver the full amount and the contract is "
       "yours.",
       "The stores at {L} are empty and the people there are waiting. Bring the goods specified below as fast as "
       "you can.",
       "The administration of {L} asks for a delivery of the goods below. You may deliver them in several loads.",
       "Our own freighters are needed elsewhere. Transport the goods specified below to {L} in the {S} system.",
       "An important customer at {L} needs the goods listed below. The price is fair and the route is short.",
       "A shortage threatens the markets of {L}. Buy the goods below where they are cheap and sell them at the "
       "destination.",
       "Deliver the goods specified below to {L}. How you get them is your business, as long as they arrive.",
       "The local government has placed an order for the goods below. Bring them to {L} and collect your "
       "reward."},
      // 4 Ambush
      {"A heavily armed capital ship has been spotted near {L}. It is far bigger than your own vessel, so prepare "
       "for a hard fight.",
       "Intelligence reports a hostile capital ship at {L}. Ambush it and destroy it before it reaches open space.",
       "A capital ship is guarding the enemy's supply lines through the {S} system. Lie in wait at {L} and strike "
       "when it arrives.",
       "One of the big ones: a capital ship has been seen near {L}. Only a daring pilot would attack it. Are you "
       "that pilot?",
       "The capital ship near {L} has been terrorising local traffic for weeks. Set up an ambush and bring it "
       "down.",
       "Our sensors picked up a capital ship moving toward {L}. Surprise is your only advantage against its "
       "firepower.",
       "A capital ship has stopped near {L} to repair its hull. This is the best chance we will get to attack it.",
       "High Command wants the capital ship at {L} destroyed. It outguns you, so use every trick you know.",
       "A hostile capital ship is hiding in the {S} system. Attack it at {L} and do not let its size frighten you.",
       "A capital ship is about to leave the {S} system. Ambush it at {L} before it is gone."},
      // 5 Bounty
      {"A wanted criminal has been sighted in the {S} system. Find him with your ship sensors and destroy his ship "
       "to collect the bounty.",
       "The police offer a reward for a notorious criminal last seen near {L}. Track him down on your radar and end "
       "his flight.",
       "A murderer and smuggler is on the run. He was last seen in the {S} system. Hunt him down and bring justice "
       "to his victims.",
       "This pirate has plundered a dozen freighters. He hides somewhere around the {S} system. Use your sensors, "
       "find him and destroy him.",
       "The bounty below is offered for a criminal who escaped from prison last week. He was seen near {L}. Get "
       "him.",
       "A wanted man is hiding in the {S} system or close to it. Scan the area and destroy his ship.",
       "The local authorities want a dangerous criminal removed from the space lanes. Start your search at {L}.",
       "A pirate captain with a price on his head was spotted in the {S} system. Catch him on your radar and shoot "
       "him down.",
       "Bounty hunters wanted! The criminal named below has been seen near {L}. Dead is good enough for us.",
       "The criminal below has slipped past every patrol so far. Our last report places him in the {S} system. "
       "Finish him."},
      // 6 Supply
      {"The colony at {L} in the {S} system needs supplies urgently. Deliver the goods specified below.",
       "A neighbouring system has asked for our help. Bring the goods listed below to {L} in the {S} system.",
       "Supply convoys to the {S} system have been delayed. Take over and deliver the goods below to {L}.",
       "The people at {L} depend on outside supplies. Buy the goods below and ship them to the {S} system.",
       "A large order: the goods specified below are needed at {L} in the {S} system. You may deliver them in "
       "several loads.",
       "The {S} system has run dry of the goods listed below. Deliver them to {L} and you will be well paid.",
       "Our allies at {L} need supplies for the coming months. Bring the full amount below to the {S} system.",
       "The supply depot at {L} must be refilled. Deliver the goods below before the stores run out.",
       "A disaster has struck the {S} system. Relief goods are needed at {L}. Ship them as fast as you can.",
       "This supply run takes you to {L} in the {S} system. The goods below are wanted there in large "
       "quantities."},
      // 7 Special Forces
      {"A Special Forces team has to be inserted behind enemy lines. Take them to {L} in the {S} system without "
       "being caught.",
       "Our commandos need a quiet ride to {L} in the {S} system. Drop them off and leave before anyone notices.",
       "A Special Forces unit is ready for a secret operation in the {S} system. Bring them to {L}.",
       "The team in your cargo bay does not exist, officially. Fly them to {L} and forget what you have seen.",
       "Special Forces are to sabotage an installation near {L}. Your job is to get them there.",
       "Transport a Special Forces team to {L} in the {S} system. The success of their operation depends on a "
       "quiet arrival.",
       "A rescue team must reach {L} in the {S} system. Fly them there and let them do their work.",
       "Our commandos will raid a depot in the {S} system. Take them to {L}, fast and unseen.",
       "A team of specialists must reach {L}. Hostile patrols are active in the {S} system, so be careful.",
       "The Special Forces need a pilot with nerves of steel. Bring their team to {L} in the {S} system."},
      // 8 Report for duty
      {"As you may have heard in the news there is a major battle going on in a nearby system. You are ordered to "
       "report for duty at the local battlegroup commander. Many new missions and tasks await you!"},
      // 9 Strike
      {"Enemy forces are active near {L}. Strike at the enemy vessel reported there; every ship we destroy weakens "
       "their battle line in the {S} system."},
      // 10 Combat patrol
      {"The front line in this system needs watching. Patrol the three nav points below and report every enemy "
       "movement.",
       "Enemy ships may try to slip through our lines. Fly the combat patrol along the nav points below and keep "
       "your weapons ready."},
      // 11 Combat transport
      {"Our fleet in the {S} system is running low on supplies. Deliver the goods specified below to {L}, whatever "
       "the enemy does."},
      // 12 Assault
      {"An enemy capital ship is supporting the battle near {L}. Attack it, even though it is much bigger than your "
       "own ship.",
       "The enemy has brought a capital ship into the {S} system. Assault it at {L} and break its hold on the "
       "battle."},
      // 13 Infiltrate
      {"Enemy forces are gathering behind the next jump point. Your mission is to infiltrate the enemy system, hide "
       "close to the sun to jam the enemy sensors, gather has much information as you can and return here in one "
       "piece. Ship \u00B4spy equipment\u00B4 required."},
      // 14 Escort
      {"A transporter with supplies for the fleet has to cross the battle zone. Escort it along the three nav "
       "points below and keep it safe."},
      // 15 Recon
      {"We need to know where the enemy fleet is gathering. Fly to the nav points below and collect recon data "
       "with your spy equipment."},
      // 16 Marine Landing
      {"The invasion needs more troops on the ground. Pick up the Marine landing vehicles at the first nav point "
       "and drop them at the second."},
      // 17 Evacuation
      {"Civilians are trapped in the battle zone. Pick up their shuttles at the first nav point and bring them to "
       "safety at the second."},
      // 18 Abduction
      {"An enemy officer who knows the enemy's battle plans has been seen near {L}. Find his ship with your "
       "sensors, board it and bring him back alive."},
      // 19 Analysis
      {"Our market analysts require new data. Your mission is to visit at least 50% of all colonized planets and "
       "save their current price data to your ship computer."},
      // 20 Blitzkrieg
      {"A bold strike at the heart of the enemy: join the fleet heading for {L} in the {S} system and bombard the "
       "enemy homeworld.",
       "High Command has planned a surprise attack on the enemy homeworld. Meet the fleet near {L} and break the "
       "defenders.",
       "The enemy will not expect us at their homeworld. Lead the attack on {L} in the {S} system.",
       "One blow could end this war. Join the assault on the enemy homeworld at {L} and destroy its defence "
       "fleet."},
      // 21 Flanking
      {"While the enemy fleet is busy elsewhere, we strike at its flank. Attack the enemy convoys near {L} in the "
       "{S} system.",
       "An enemy freighter convoy is gathering at {L}. Join our fleet and destroy it before it can supply the "
       "front.",
       "Our fleet will hit the {S} system from the side. Meet it at {L} and take out every enemy ship you find.",
       "The enemy has left the {S} system lightly guarded. Attack at {L} and cut their supply lines.",
       "A flanking attack on {L} will force the enemy to pull ships from the front. Join the fleet there.",
       "Enemy freighters are being loaded at {L} in the {S} system. Our fleet will attack them and needs your "
       "guns.",
       "Strike where the enemy is weak: our fleet gathers for a raid on {L} in the {S} system.",
       "The {S} system feeds the enemy war machine. Join the attack on {L} and hurt their economy.",
       "A fast strike at {L} will upset the enemy's plans. Join the allied ships and engage.",
       "Intelligence reports an enemy convoy near {L}. Meet our fleet in the {S} system and destroy it."},
      // 22 Suppression
      {"Rebels have seized ships in the {S} system and attack near {L}. Join the fleet and put down the uprising.",
       "A group of rebels threatens {L} in the {S} system. Help our fleet to suppress them.",
       "Unrest in the {S} system: rebels in captured vessels gather near {L}. Stop them before the revolt spreads.",
       "The governor of the {S} system asks for help against rebels near {L}. Our fleet is on its way; join it.",
       "Rebels have stolen several warships and hide near {L} in the {S} system. Destroy them.",
       "An armed uprising has broken out at {L}. Join our ships in the {S} system and restore order.",
       "Deserters and rebels are raiding the space lanes near {L} in the {S} system. Suppress them.",
       "Rebel ships are blockading {L} in the {S} system. Break the blockade together with our fleet.",
       "The rebels near {L} have refused every offer of peace. Our fleet in the {S} system needs your support.",
       "A rebel fleet has formed in the {S} system and is heading for {L}. Intercept it with our ships."},
      // 23 Bombing run
      {"Our bombers will attack {L} in the {S} system. Join the fleet and clear away the defenders.",
       "The enemy's installations on {L} must be destroyed. Escort the bombing run in the {S} system and take out "
       "the defence.",
       "A bombing run on {L} will weaken the enemy's hold on the {S} system. Join the attack.",
       "Enemy defenders guard {L} in the {S} system. Break through them so our bombers can do their work.",
       "High Command has ordered a bombing run on {L}. Protect our fleet in the {S} system from the defence ships.",
       "The shipyards of {L} build the enemy's warships. Join the bombing run in the {S} system and shut them "
       "down.",
       "Our fleet will bombard {L} at dawn. Join it in the {S} system and keep the defenders busy.",
       "The enemy's supply depots on {L} are the target of tonight's bombing run. Join the fleet in the {S} "
       "system.",
       "Clear the orbit of {L} in the {S} system of defenders, so our bombers can strike.",
       "A bombing run against {L} has been planned. Join the fleet in the {S} system and engage the defenders."},
      // 24 Battle
      {"The enemy fleet is massing near {L} in the {S} system. Join our forces and engage them in battle.",
       "A decisive battle is about to start at {L}. Every ship counts. Join the fleet in the {S} system.",
       "Our fleet will meet the enemy near {L} in the {S} system. Take your place in the battle line.",
       "The enemy's battle group near {L} must be destroyed. Join our ships in the {S} system.",
       "Hostile ships have been detected approaching {L}. Join the defence fleet of the {S} system.",
       "The battle for the {S} system is raging near {L}. Take your place in our fleet.",
       "Our admirals want every ship at {L} for the coming battle in the {S} system. Report there at once.",
       "An enemy squadron is attacking our positions near {L}. Join our fleet in the {S} system and drive it "
       "back.",
       "The enemy has moved its fleet to {L} in the {S} system. Join the battle and break it.",
       "A fleet battle near {L} will decide much in the {S} system. Join our forces and fight."},
      // 25 Siege
      {"The siege nearby depends on this system. Attack the enemy ships gathering at {L} in the {S} system.",
       "Enemy reinforcements for the siege are assembling near {L}. Join our fleet in the {S} system and stop "
       "them.",
       "To win the siege we must cut the enemy's supply lines. Strike at {L} in the {S} system.",
       "The enemy uses {L} in the {S} system as a base for the siege. Join the fleet and destroy its defenders.",
       "Our fleet will attack {L} in the {S} system to relieve the besieged system next door.",
       "The siege fleet receives its supplies through the {S} system. Join our attack on {L}.",
       "A blow at {L} in the {S} system will help our side in the siege nearby. Join the fleet.",
       "Hostile ships gather near {L} to join the siege. Intercept them with our fleet in the {S} system.",
       "The siege can be turned near {L}. Join our ships in the {S} system and attack.",
       "Enemy ships protecting the siege route wait near {L} in the {S} system. Destroy them."},
      // 26 Raiding
      {"Enemy freighters supply the battle from the {S} system. Join the raid on {L} and destroy them.",
       "A raid on {L} in the {S} system will starve the enemy's fleet. Join the allied ships.",
       "Our raiders strike at {L} tonight. Join them in the {S} system and hunt the convoys.",
       "Enemy supply convoys are passing {L}. Join the raid in the {S} system and stop them.",
       "The {S} system feeds the enemy fleet in the campaign next door. Raid {L} with our ships.",
       "Hit the enemy where it hurts: raid the convoys near {L} in the {S} system.",
       "A convoy of enemy freighters is being assembled at {L}. Join the raiders in the {S} system.",
       "Our fleet will raid {L} in the {S} system. Freighters and escorts are fair targets.",
       "The enemy's supplies pass through {L}. Raid the {S} system with our fleet and cut them off.",
       "Join a fast raid on {L} in the {S} system and destroy as many freighters as you can."},
      // 27 Flagship
      {"The enemy admiral's flagship has been located near {L}. Attack it with all available forces and capture "
       "the admiral if possible.",
       "Our spies have found the enemy flagship in the {S} system. Strike with everything we have and take the "
       "admiral alive if you can.",
       "The enemy flagship is within reach near {L}. Destroy its escorts and, if possible, capture the admiral."},
  };
  return Known(type) ? kPools[type] : kNone;
}

// The text a stored variant selects: pools of ten map one to one, pools of one
// serve every variant, the pools of two split 1..4 and 5..10.
const char* BriefingFor(int type, int variant) {
  const Pool& pool = Briefings(type);
  if (variant < 1 || variant > MissionTextVariants(type) || pool.empty()) return "";
  if (pool.size() == 1) return pool[0];
  if (pool.size() == 2) return pool[variant <= 4 ? 0 : 1];
  return pool[static_cast<size_t>(variant - 1)];
}

std::string Fill(std::string_view text, const IntRow& m) {
  const std::string location = Game.LocationText[m[Mis::System]][m[Mis::Location]][1];
  const std::string system = Game.SystemText[m[Mis::System]][1];
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, "{L}") == 0) {
      out += location;
      i += 2;
    } else if (text.compare(i, 3, "{S}") == 0) {
      out += system;
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool IsShipFight(int type) { return type == 1 || type == 4 || type == 9 || type == 12; }
bool IsDelivery(int type) { return type == 3 || type == 6 || type == 11; }
bool HasCallSign(int type) { return type == 5 || type == 18; }
bool IsNavpointRoute(int type) { return type == 2 || type == 10 || type == 14 || type == 15; }
bool IsFleet(int type) { return type >= 20 && type <= 26; }

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string PlaceName(int system, int location) {
  return Game.LocationText[system][location][1] + " (in the " + Game.SystemText[system][1] + " system)";
}

}  // namespace

std::string MissionName(int type) {
  if (!Known(type)) return "";
  std::string name = kTypes[type].name;
  for (size_t at; (at = name.find("&&")) != std::string::npos;) name.erase(at, 1);
  return name;
}

std::string MissionPanelName(int type) {
  if (type == 10) return "Combat Patrol";
  if (type == 11) return "Combat Transport";
  return MissionName(type);
}

std::string MissionLogo(int type) { return Known(type) ? kTypes[type].logo : ""; }

int MissionTextVariants(int type) { return type == 20 ? 4 : type == 27 ? 3 : 10; }

std::string MissionDescription(int type, bool forActive, int system, int slot) {
  IntRow& m = forActive ? Game.ActiveMission : Game.Missions[system][slot];
  if (!Known(type)) return "";
  int& variant = m[Mis::TextVariant];
  if (variant < 1 || variant > MissionTextVariants(type)) variant = Random(MissionTextVariants(type)) + 1;
  return Fill(BriefingFor(type, variant), m);
}

std::string CallSignName(int type, int index) {
  static const char* const kBounty[] = {"Rustbeard", "Razorteeth", "Black Joe", "Nightmare", "Iceman",
                                        "Ray The Killer", "Dark Messiah", "Dark Morgan", "Jester", "Hellkid"};
  static const char* const kAbduction[] = {"Starkiller", "Angel", "Hunter", "Fang", "Jester",
                                           "Torpedo", "Iceman", "Maniac", "Kamikaze", "Lady"};
  if (index < 1 || index > 10 || !HasCallSign(type)) return "Troublemaker";
  return type == 5 ? kBounty[index - 1] : kAbduction[index - 1];
}

std::string MissionTargetName() {
  IntRow& m = Game.ActiveMission;
  if (m[Mis::Active] <= 0 || !HasCallSign(m[Mis::Type])) return "";
  if (m[Mis::CallSign] == 0) m[Mis::CallSign] = Random(10) + 1;
  return Quoted(CallSignName(m[Mis::Type], m[Mis::CallSign]));
}

std::string MissionDetail(const IntRow& m) {
  const int type = m[Mis::Type];
  if (IsDelivery(type))
    return "Required goods:" + Game.CommodityName[m[Mis::Object]] + " (" + std::to_string(m[Mis::Party]) +
           " units)";
  if (HasCallSign(type))
    return "Wanted:" + Quoted(CallSignName(type, m[Mis::CallSign])) + " (" + shipName(m[Mis::Object]) + ")";
  if (IsShipFight(type))
    return "Expected resistance:" + Game.FactionText[m[Mis::Party]][FacT::ShortName] + " " +
           shipName(m[Mis::Object]);
  if (IsFleet(type)) return "Expected resistance:Hostile fleet";
  return "Expected resistance:Unknown";
}

std::string MissionTarget(const IntRow& m) {
  const int type = m[Mis::Type];
  if (type == 19) return "Every colonised planet";
  if (IsNavpointRoute(type))
    return Game.LocationText[m[Mis::Nav1System]][m[Mis::Nav1Location]][1] + ", " +
           Game.LocationText[m[Mis::Nav2System]][m[Mis::Nav2Location]][1] + ", " +
           Game.LocationText[m[Mis::Nav3System]][m[Mis::Nav3Location]][1];
  if (type == 16 || type == 17)
    return PlaceName(m[Mis::Nav1System], m[Mis::Nav1Location]) + ", " +
           PlaceName(m[Mis::Nav2System], m[Mis::Nav2Location]);
  return PlaceName(m[Mis::System], m[Mis::Location]);
}

std::string MissionPlace(const IntRow& m) {
  const int type = m[Mis::Type];
  if (type == 16 || type == 17)
    return Game.SystemText[m[Mis::Nav1System]][1] + ", " + Game.SystemText[m[Mis::Nav2System]][1];
  if (type == 19) return "-";
  return Game.SystemText[m[Mis::System]][1];
}

std::string MissionProgress(const IntRow& m) {
  const int type = m[Mis::Type];
  if (type == 19) return "Planets left: " + std::to_string(m[Mis::Object]);
  if (IsNavpointRoute(type) || type == 16 || type == 17)
    return "Next nav point: " + PlaceName(m[Mis::System], m[Mis::Location]);
  return "";
}

std::string MissionBoardHeading() {
  static const char* const kHeading[] = {
      "Available missions for \"Fighter-class\" pilots:", "Available missions for \"Corvette-class\" pilots:",
      "Available missions for \"Destroyer-class\" captains:", "Available missions for \"Cruiser-class\" captains:",
      "Available missions for \"Battleship-class\" captains:"};
  return kHeading[PlayerShipClass() - 1];
}

}  // namespace qm
