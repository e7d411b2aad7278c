// Chapter 5: missions, wars and invasions, the news.
#include "manual/manual.h"
#include "manual/tables.h"
#include "world/missions.h"

namespace qm::manual {
namespace {

// "Patrol, Combat patrol and Escort" from mission types, with the names the board shows.
std::string Names(std::initializer_list<int> types) {
  std::vector<std::string> names;
  for (int t : types) names.push_back("**" + MissionName(t) + "**");
  std::string out;
  for (size_t i = 0; i < names.size(); ++i)
    out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return out;
}

}  // namespace

void AddMissionsAndWar(Document& d) {
  d.Chapter("Missions and war",
            "Your faction always has work for a pilot: cargo to move, routes to patrol, enemies to hunt. In times "
            "of war the missions decide the fate of whole star systems.");
  d.Section("The mission board");
  d.Paragraph("\"Missions\" on the main screen opens the mission board of the system, in the systems of your own "
              "faction. It offers up to six missions that suit the class of your ship; a bigger ship is offered "
              "harder missions and bigger rewards. Select one to read its briefing, the expected resistance, the "
              "target and the reward, then accept it. You can run one mission at a time, and there is no time limit. "
              "While a mission runs, \"Missions\" shows its report, and an amber marker on the map shows the next "
              "place to go. A criminal gets no missions, and when an enemy ship jams the radio you must fly to "
              "another place of the system to reach the board.");
  d.Gallery({Picture{"Mission_SearchandDestroyLogo.jpg", 44, 44, MissionName(1), ""},
             Picture{"Mission_PatrolLogo.jpg", 44, 44, MissionName(2), ""},
             Picture{"Mission_TransportLogo.jpg", 44, 44, MissionName(3), ""},
             Picture{"Mission_BountyLogo.jpg", 44, 44, MissionName(5), ""},
             Picture{"Mission_EscortLogo.jpg", 44, 44, MissionName(14), ""},
             Picture{"Mission_ReconLogo.jpg", 44, 44, MissionName(15), ""},
             Picture{"Mission_VIPabductLogo.jpg", 44, 44, MissionName(18), ""}});
  d.Definitions({
      {"Fights", Names({1, 4, 9, 12}) + ": fly to the target and fight the ship waiting there. An ambush is a "
                 "ship bigger than your own; the board warns you before you accept it."},
      {"Routes", Names({2, 10, 14, 15}) + ": visit three navigation points one after the other. A recon needs "
                 "the Spy sensors targeting system at every point."},
      {"Deliveries", Names({3, 6, 11}) + ": buy the goods named in the briefing and sell them at the target; "
                     "you may deliver them in parts."},
      {"Passengers", Names({7, 16, 17}) + ": take a team to its target, or pick people up at one place and "
                     "bring them to another."},
      {"Hunts", Names({5, 18}) + ": the target was last seen in a system. Watch your ship sensors there and in "
                "the neighbouring systems; a bounty ends when you destroy the wanted ship, an abduction when you "
                "board it and take the bridge. Destroying the man you should abduct fails the mission."},
      {"Intelligence", Names({13, 19}) + ": infiltrate a system with spy equipment, or collect the economic "
                       "data of many planets by visiting each of them."},
      {"Fleet battles", Names({20, 21, 22, 23, 24, 25, 26}) + ": the missions of an invasion. Allied ships join "
                        "you at the target and you fight a fleet battle (see the combat chapter)."},
      {"Campaigns", Names({8}) + ": report to the commander of a battle group and receive the missions of "
                          "its campaign."},
  });
  d.Paragraph("A completed mission pays its reward and earns experience; a failed one pays nothing, but costs "
              "nothing either, unless you lost your ship in it.");
  d.Section("Wars and invasions");
  d.Paragraph("The four factions are at war and at peace with each other by turns: wars are declared, cease-fires "
              "agreed, and the news reports every change. A faction at war invades the enemy systems on its borders. "
              "An invasion is a siege of two hundred days or more, fought out day by day; at its end the system "
              "falls to the invader or the invasion fails. A conquered system changes hands with all its planets, "
              "and with it the planets where you may land.");
  d.Figure(Picture{"Victory.jpg", 170, 113, "", ""},
           {"While a system is under invasion, the alert panel on the main screen opens the **campaign screen** if "
            "your faction is the invader or the defender. It shows the state of the battle and how much you have "
            "done for it. There you ask for campaign missions, which count for the campaign, or, in command of a "
            "battleship, strike the enemy starbase directly: win that fleet battle and the system falls at once, "
            "lose it and the invasion is over.",
            "Every mission you complete for a campaign tips the scales; supplies and troops count most. War bonds "
            "from the bank strengthen your faction\u2019s fleets in every invasion it fights, and the Command HQ "
            "targeting system makes your missions count more."});
  d.Section("The news");
  d.Paragraph("The main screen lists the latest news; the list keeps twenty reports. Wars, cease-fires, invasions, "
              "conquests and failed invasions are war news; shortages, surpluses, pirate attacks and police patrols "
              "are trade news, the talk of the spaceports. News of an invasion open by themselves when they come "
              "in, unless the game setting \"War messages never popup automatically\" is on.");
}

}  // namespace qm::manual
