// Chapter 3: travel, markets, contraband and the police, the bank, the bar and the hideouts.
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddTrade(Document& d) {
  d.Chapter("Travel and trade",
            "Trade is the safest way to wealth: every planet sells what it has plenty of and pays well for what it "
            "lacks. Between the planets lie the days of travel, the pirates and the police.");
  d.Section("Flying");
  d.Paragraph("Double-click a place on the map, or select it and press \"Fly to\". The flight takes days: the "
              "farther the place and the slower your engines, the more days, but never fewer than two and never "
              "more than 99. The days pass one after the other on the travel screen, and with every day the galaxy "
              "moves on: prices change, news come in, your loan runs, your shields recharge. On any day of the "
              "flight hostile ships may find you (see the combat chapter).");
  d.Paragraph("A ship needs its minimum crew of crewmen, officers or pirates to fly well; marines and battle "
              "droids do not count. With too few hands you may still fly, but every flight takes three times as "
              "long, and six times as long to a space object. Old pilots are slower too: from the age of 70 every "
              "flight takes a day more for every year beyond it.");
  d.Section("Wormholes");
  d.Figure(Picture{"wormholer.jpg", 88, 88, "", ""},
           {"The systems are linked by wormholes. Fly to a wormhole and press \"Jump\" to cross to the system on "
            "the other side; the jump takes the days written in the table of systems at the end of this manual, and "
            "they are not always the same in both directions. Fighters have no jump engines: to leave your home "
            "system you need at least a corvette."});
  d.Section("Markets and prices");
  d.Paragraph("Eighteen commodities are traded. Each planet class produces some of them: agricultural worlds grow "
              "supplies and delicacies, mining worlds dig ore, diamonds and antimatter, industrial worlds build "
              "weapons, robotics and engines, luxury worlds trade in pets and jewelry. Where a commodity is "
              "plentiful it is cheap; where it is missing it is dear, and neighbouring systems at peace with each "
              "other even out their prices a little. A system under attack pays half as much again for everything.");
  d.AddTable(CommodityTable());
  d.Paragraph("Prices wander from day to day within a tenth of their level, and every planet holds only so much "
              "stock. Buying and selling happen at the same price, in steps of 1, 10, 25 or 100 units; \"Buy all\" "
              "fills your hold with as much as you can pay for, \"Sell all\" empties it. You know the prices of the "
              "place you are at and of your own system; of the others you know some each day, more with the "
              "**Trader** abilities or the Price Algorithms targeting system.");
  d.Note("Trade routes: look up the price of a commodity on the galaxy map, buy it where it is cheapest within "
         "your reach, and sell it where it is dearest. Expensive goods bring more per unit of hold, but they tie "
         "up more money.");
  d.Section("Contraband and the police");
  d.Paragraph("The commodities marked with a star are contraband. Only pirate hideouts sell them; the planets "
              "pay for them well, since none has any in stock, and every unit you sell earns you 20 points of "
              "experience as well as the money. But when you arrive at a planet or a wormhole with contraband in "
              "the hold, the police may search your ship: if they find it you are flagged criminal and must fight "
              "a police ship at once. The **Clean record** ability and a hidden cargo bay make a search less "
              "likely to succeed.");
  d.Paragraph("A **criminal flag** lasts for a number of days. While it lasts you cannot land at planets (unless "
              "the **Street rules** abilities help you sneak in), you get no missions, and crew that is not used to "
              "foul deeds may leave your ship. Attacking a ship of your own faction flags you criminal too. The "
              "flag wears off with time; you can wait for it at a pirate hideout, or buy an amnesty from a "
              "governor if you have learned the **Amnesty** ability.");
  d.Section("The bank");
  d.Paragraph("The bank lends you money: a small loan and a large one, both larger the higher your rank. A loan "
              "must be paid back in full within its term; if you pay back early, within the first eighth of the "
              "term, you only pay half of what you owe. A loan not repaid in time doubles and runs for another 500 "
              "days. You can take a new loan only when the old one is paid.");
  d.Paragraph("**War bonds** support your faction\u2019s war: they strengthen its fleets in the invasions it fights, "
              "and buying them earns you experience. They cannot be sold for some time after you bought them, and "
              "on bad days they lose a little of their value; they never gain any.");
  d.Section("The bar and the pirate hideouts");
  d.Paragraph("A drink at the spaceport bar costs you a day. Sometimes the barkeeper knows the way to a pirate "
              "hideout hidden in the system and sells it to you; each secret costs more than the last. At the bar "
              "you also hire crew and, when the time has come, retire.");
  d.Paragraph("At a pirate hideout you are safe from the law: hiding there lets the days pass until your criminal "
              "flag has worn off. Pirates hire on there and nowhere else, and the black market sells contraband a "
              "fifth below the price the planets pay. Pilots with the **Syndicate** ability know every hideout of "
              "the galaxy.");
}

}  // namespace qm::manual
