// Chapter 6: ship battles, combat abilities, encounters, boarding, fleet battles, the simulator.
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddCombat(Document& d) {
  d.Chapter("Combat",
            "Sooner or later every pilot has to fight: pirates lie in wait on the trade routes, the police chase "
            "smugglers, and the war needs every gun. Battles are fought in turns, and the wise use of your "
            "abilities wins them more often than the size of your guns.");
  d.Section("A ship battle");
  d.Gallery({Picture{"Federation_Shadowcat_scene.jpg", 200, 133, "Your ship", ""},
             Picture{"Pirate_Corsair_scene.jpg", 200, 133, "The enemy", ""}});
  d.Paragraph("Your ship is on the left, the enemy on the right, each with its shield gauge; the shields are the "
              "ship\u2019s life, and a ship whose shields collapse explodes. Below your ship the gauge of your "
              "**action points** (AP) shows what you can still do in this turn. Up to twelve ability buttons hold "
              "your combat abilities; every use costs AP. The icons above each ship show the effects that are "
              "active on its side, a small panel counts down the turns until a missile in flight hits, and the "
              "radar at the edge shows reinforcements on their way.");
  d.Paragraph("You move first. Use your abilities until your AP are spent, then press \"End this turn\" (or let "
              "the game end it for you, see the settings). The enemy acts in its turn, its messages appearing one "
              "by one. Then the effects count down, missiles close in or hit, reinforcements arrive, and your next "
              "turn begins with fresh AP: five for most ships, six for the largest.");
  d.Bullets({"**Guns** hit with a chance that starts from the gun and the ship and is changed by your targeting "
             "system, your abilities and the enemy\u2019s: evasion, taunts and manoeuvres all count. No chance is "
             "ever better than nine in ten. A hit does between half and all of its damage.",
             "**Missiles** take some turns to reach their target, so fire them early; ECM can stop them on the way. "
             "After a launch the rack needs time to reload.",
             "**Rapid-fire guns** (Turbo-Laser, Gatling) can overheat when fired again and again in one turn; "
             "overheated guns stay silent for two turns.",
             "**EMP** stuns the ship it hits for two turns: a stunned pilot can do nothing but end the turn. EMP "
             "resistance guards against it, and a stunned enemy is open to the Exploit attacks.",
             "**Escape**: Flee gives you a chance to get away, Cloak a better one if your ship carries a cloaking "
             "device. An enemy may try the same: a tractor beam stops any escape, a mark stops cloaking.",
             "**Reinforcements** come to your help after some turns when you fight in the systems of your faction "
             "(and elsewhere with the Combat patrol abilities); an SOS buoy brings them faster, the enemy\u2019s "
             "radio jammer slows them down. The enemy may have reinforcements of its own.",
             "**Shields** recharge a little every day of travel, and never start a day below half of their "
             "maximum. Abilities such as Shield boost recharge them in battle."});
  d.Paragraph("When the enemy ship explodes you earn experience and loot its cargo: the loot is paid in credits at "
              "once, as much as your hold could have carried. When your ship explodes you lose one of your lives "
              "(see the career chapter).");
  d.Section("Combat abilities");
  d.Gallery({Picture{"Skill_Fire_Gun_on.jpg", 38, 38, "Fire guns", ""},
             Picture{"Skill_Fire_Missiles_on.jpg", 38, 38, "Fire missiles", ""},
             Picture{"Skill_ECM_on.jpg", 38, 38, "ECM", ""}, Picture{"Skill_Taunt_on.jpg", 38, 38, "Taunt", ""},
             Picture{"Skill_Discipline_on.jpg", 38, 38, "Discipline", ""},
             Picture{"Skill_FocusedShield_on.jpg", 38, 38, "Focused shield", ""},
             Picture{"Skill_Tractorbeam_on.jpg", 38, 38, "Tractor beam", ""}});
  d.Paragraph("Every pilot can fire guns, fire missiles and use ECM; the profession adds three more abilities, and "
              "every new rank lets you learn one. The keys 1 to 9, 0, - and = use the twelve buttons from left to "
              "right, Enter ends the turn, and a right-click on a button explains its ability.");
  d.AddTable(StartingActionsTable());
  d.Paragraph("The combat abilities grow in three trees: **Defense**, **Attack** and **Ambush**. The first two "
              "abilities of a tree are open to everyone; each of the others needs one of the abilities before it in "
              "its tree.");
  d.AddTable(CombatAbilityTable());
  d.Section("Encounters and the ship sensors");
  d.Paragraph("On every day of a flight hostile ships may find you: pirates, the police of a system when you are "
              "wanted, and the ships of factions at war with yours. Systems under invasion are twice as dangerous. "
              "The **Criminalistics** abilities and extended sensors make encounters rarer.");
  d.Paragraph("\"Pirating\" opens the **ship sensors**: the radar shows the ships in the system, red for enemies, "
              "and tells you about the one you select. \"Communicate\" hails it, \"Intercept and attack\" starts a "
              "battle. Some ships are worth a closer look: a VIP who would bring a ransom, a pirate with a bounty on "
              "his head, a freighter with valuable cargo, a ship of the treasure fleet, or military supplies whose "
              "loss hurts the enemy\u2019s war. Attacking a ship of your own faction is a crime.");
  d.Subsection("Space objects");
  d.Gallery({Picture{"lifepodr.jpg", 58, 58, "Lifepod", ""}, Picture{"treasurer.jpg", 58, 58, "Treasure", ""},
             Picture{"ghostshipr.jpg", 58, 58, "Ghost ship", ""},
             Picture{"alienartifactr.jpg", 58, 58, "Alien artifact", ""},
             Picture{"secretdatar.jpg", 58, 58, "Secret data", ""}});
  d.Paragraph("Now and then objects appear in space for some days. Fly to one to open it: a lifepod may tell you "
              "where more objects lie, a treasure holds credits, a ghost ship has cargo to loot before its reactor "
              "blows, and an alien artifact can be sold on the black market or handed to your government for fame. "
              "Spies and traitors find places where secret data can be received, but only spy sensors decode it.");
  d.Section("Boarding");
  d.Paragraph("When the shields of an enemy ship are down to a quarter, you may be offered to board it, once in a "
              "battle and only when both ships are bigger than fighters. Boarding is a fight of crews through four "
              "areas of the enemy ship: the **airlock**, the **corridors**, the **cargo bay** and the **bridge**. "
              "Red areas can be attacked, grey ones not yet, blue ones are yours.");
  d.Gallery({Picture{"crewcombat_blue_airlock_normal.jpg", 96, 37, "Airlock (yours)", ""},
             Picture{"crewcombat_red_corridor_normal.jpg", 96, 41, "Corridors (enemy)", ""},
             Picture{"crewcombat_grey_cargo_normal.jpg", 96, 52, "Cargo bay (not yet)", ""},
             Picture{"crewcombat_grey_bridge_normal.jpg", 96, 37, "Bridge (not yet)", ""}});
  d.Definitions({
      {"Attack (A)", "All your crew strikes: crewmen and officers, marines and pirates; officers make everyone "
                     "fight better."},
      {"Commando strike (C)", "Only marines and battle droids strike, and the enemy strikes back less hard."},
      {"EMP strike (E)", "Stuns the enemy\u2019s battle droids, and some of them can be reprogrammed to join you."},
      {"Retreat (R)", "Back to your ship; the battle ends."},
  });
  d.Paragraph("Win the cargo bay and you may plunder it and blow the ship up. Win the bridge and the ship is yours: "
              "sell it for a fifth of its price, or keep it and leave your old ship behind; this is the only way to "
              "a battleship. Lose your whole crew and your ship is lost. A ship hospital brings half of the fallen "
              "back to service after the fight.");
  d.Section("Fleet battles");
  d.Gallery({Picture{"ship_blue_large_left_on.bmp", 52, 38, "Your ship", ""},
             Picture{"ship_blue_small_left_on.bmp", 52, 38, "An escort", ""},
             Picture{"ship_red_med_right_on.bmp", 52, 38, "A hostile ship", ""},
             Picture{"station_red_on.bmp", 52, 38, "A space station", ""}});
  d.Paragraph("The missions of an invasion and strikes on a starbase are fought as fleet battles: your ship and a "
              "few allied escorts against an enemy fleet, perhaps with a space station. Pick a hostile ship (keys 1 "
              "to 9 and 0, or Tab) and attack it yourself (A) in a normal ship battle, or pick one of your escorts "
              "(F1 to F10) and send it (S): its duel is fought out on the fleet screen. Damage carries over from "
              "duel to duel, and every ship you destroy yourself gives you back a quarter of your shields. The "
              "station can be attacked only when its escorts are gone. Once in a battle you may recharge your "
              "shields in an emergency (E), at the risk of losing crew; retreating (R) loses the battle.");
  d.Section("The combat simulator");
  d.Paragraph("\"Combat simulator\" on the main menu lets you practise without risking a career: choose a fighter "
              "and an expertise (trader, soldier or rogue) for yourself and for your opponent, and watch the duel "
              "run in real time. Your abilities recharge after each use; the speed buttons (F1 to F4) set the pace, "
              "Space pauses it.");
}

}  // namespace qm::manual
