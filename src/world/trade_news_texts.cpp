#include "world/trade_news_texts.h"

#include <array>

namespace qm {
namespace {

using Ten = std::array<std::string_view, 10>;

constexpr Ten kOpeners = {
    "Good morning! Today we have some news for space traders and merchants.",
    "Everyone interested in transporting goods should be interested in our report today.",
    "To all traders, merchants, and dealers: we have some interesting information for you.",
    "For our special report this morning – a break from the war efforts – we have some economic news for you.",
    "For those of you interested in trading, tune in!",
    "Business, anyone? We have information that you might find very interesting.",
    "I know that some of you are eager to hear the latest from the markets. No worry, we’re here to keep you "
    "informed.",
    "Recent activities have brought some changes in the prices of goods.",
    "Breaking news in the economic world.",
    "We have a statement from our business department this morning.",
};

constexpr Ten kNeedReports = {
    "We’ve got reports of a shortage of {C} in the {S} system. Supplies have already reached a critical point.",
    "As a result of the recent military activities in the {S} system, the prices of {C} have skyrocketed.",
    "Travellers have reported that the shortage of {C} in the {S} system is even more severe than last week’s. The "
    "situation seems desperate.",
    "The {S} system is seeing a sudden shortage of {C}. Prices are increasing as we speak.",
    "Representatives from the {S} system say that they are seeing shortages of {C}. Prices are expected to rise "
    "significantly.",
    "The price of {C} in the {S} system rose sharply in the past 24 hours. Already, traders are headed towards the "
    "system looking to make a profit.",
    "The price of {C} in the {S} system is registering a record high. Many believe that the recent pirate attacks "
    "on trade routes may have been the cause.",
    "{C} prices in the {S} system are at the highest point since the shortage twenty years ago.",
    "Dealers in the {S} system are looking to buy {C}. Traders have already responded to the attractive prices.",
    "Officials from {S} stated yesterday that a group of criminals raided and destroyed much of their {C} storages. "
    "As a result, the price of {C} in {S} is at its highest level yet.",
};

constexpr Ten kNeedClosers = {
    "The government announced that at this time there is no way they can influence the markets to balance the "
    "current situation.",
    "We can be sure that reckless traders will be misusing this price difference for profit, that is, at the cost "
    "of the people in the X system.",
    "The government asks traders to increase their efforts in supplying the Y system with goods that they need, so "
    "that prices might return to normal.",
    "For more news on prices and trade routs, visit us online in the galaxynet.",
    "Stay tuned, we’ll keep you up to date.",
    "Stick around, we’ll have more news for you shortly.",
    "This could mean significant shifts in trade routes, at least for the time being.",
    "There is no doubt that these economic differences will bring a shift in wealth.",
    "Military leaders wonder how these prices will influence the war. After all, a faction’s military depends on "
    "its economic wellbeing.",
    "Analysts predict that this will result in an economic boom for some, and a depression for others.",
};

constexpr Ten kSurplusReports = {
    "The prices of {C} will drop significantly in the {S} system within the next few days.",
    "Rumors from the {S} system say that a huge load of {C} will arrive soon and the price is expected to drop "
    "significantly.",
    "The {S} system reports that there is a great surplus of {C} available at local centers. All traders wanting "
    "to purchase are welcome, however, the goods will be sold on a first come, first serve policy.",
    "Due to the recent influx of {C} in the {S} system, prices are dropping as we speak.",
    "If you’re looking to buy some {C}, then the {S} system is the place for you. Recent surpluses have brought a "
    "price drop.",
    "Already, we’re seeing merchant ships heading to the {S} system. Apparently, the price of {C} is quite "
    "attractive lately.",
    "All across the galaxy, traders are trying to get their hands on some {C} from the {S} system. Prices there "
    "are the cheapest yet.",
    "{C} prices in {S} hit a record low today. Representatives say that they are hoping this event will not "
    "significantly interfere in the system’s economic conditions.",
    "Travellers from {S} have told us that there is a significant drop in the price of {C}. No doubt, this news "
    "will bring traders.",
    "{C} prices plummeted today in {S} as the number of merchant ships there increased rapidly.",
};

// Surplus closers differ from the shortage closers in two sentences.
constexpr Ten kSurplusClosers = {
    kNeedClosers[0],
    "We can be sure that reckless traders will be misusing this price difference for profit, that is, at the cost "
    "of the common people.",
    kNeedClosers[2],
    "For more news on prices and trade routs, visit us in the galaxynet.",
    kNeedClosers[4],
    kNeedClosers[5],
    kNeedClosers[6],
    kNeedClosers[7],
    kNeedClosers[8],
    kNeedClosers[9],
};

constexpr Ten kPirateReports = {
    "Reports say that the rate of pirate attacks on unarmed vessels in the {S} system has reached a critical "
    "point. A small battlegroup has been sent to investigate. Traders are asked to avoid the system.",
    "Again an unarmed trader has been abducted in the {S} system. Officials have no track of his ship, his goods, "
    "or himself. In the last weeks, we’ve reported several pirate attacks in the system.",
    "Officials from the {S} system have informed us that they are working on a solution to the piracy problem. But "
    "in the meantime, the situation seems to have gotten worse.",
    "Some transporters of a well-known supplier of engine fuel to all four major factions, disappeared en route "
    "through the {S} system. Many fear that they have been boarded by pirates.",
    "Yesterday the garrison of the {S} system was moved out of the system due to the war. Hours later, pirate ships "
    "appeared and attacked the defenseless system.",
    "Civilians from the {S} system were shocked today as pirate ships appeared off their borders and began "
    "conducting organized raids on supply depots. Few civilians were killed, but the storages were emptied.",
    "A careless trader ventured several thousand kilometres off course this morning, and was ambushed by pirates. "
    "When rescue ships arrived, they found the crew unconscious and the cargo bay pillaged.",
    "Several distress calls were heard within the {S} system today. By the time military ships arrived, all they "
    "found was debris. You have been warned.",
    "Three unarmed trading ships were attacked and plundered today as they were passing through the asteroid field "
    "in the {S} system. They say that the pirate ships were large, terrifying, and not hesitant to open fire.",
    "Criminal activity in the {S} system has reached a peak, as distress calls average three a day. The military "
    "and the government are looking for solutions.",
};

constexpr Ten kPirateClosers = {
    "It’s quite obvious that this will have an effect on the markets.",
    "Bounty hunters will see this as a great opportunity – and so, we fear, will illegal traders and reckless "
    "traders.",
    "With the abundance of large vessels space munitions platforms, this problem might solve itself soon.",
    "Due to these activities, the X government has declared that all unarmed vessels travelling through the system "
    "must have an escort.",
    "And as a note from us: please know that safety comes first. We suggest that you stay out of the system for the "
    "time being.",
    "Officials from X tell traders that it is not – we repeat: NOT – safe there. There are no guarantees to what "
    "might happen should you choose to venture into the system.",
    "Some analysts believe that these events might cause trade lines to close.",
    "We recommend that you redirect your headings around the X system for now. There are other, safer, trading "
    "destinations.",
    "X officials have stated that unless these criminal actions are stopped, it is likely that trade lines in the "
    "system will be closed.",
    "To sum it up, in the past few weeks, X has experienced 37 ambushes, 107 pirate-related deaths, and thousands of "
    "tons of goods lost. You have been warned.",
};

constexpr Ten kPatrolReports = {
    "Government officials have declared that since ships have been despatched to patrol the {S} system, pirate "
    "activity has reduced drastically. It’s now as safe as any place can be during a civil war.",
    "The {S} fleet had been able to successfully overtake a hidden pirate outpost. Pirate activities have been "
    "reduced to a very low level.",
    "Just this morning, battleships {S} battleships engaged pirate forces and emerged victorious. Pirate activities "
    "are expected to drop dramatically.",
    "Due to recent activities, {S} officials have deployed several more patrols along the trade lines.",
    "{S} military has deployed several high-yield laser batteries around trading outposts. Piracy should decline "
    "within the week, they expect.",
    "Careful triangulations of recent pirate attacks have revealed the position of the pirates’ base. With a swift "
    "and decisive skirmish, the pirates were overrun.",
    "In an effort to protect the trading interests of {S}, the government has redirected several battle divisions "
    "to protect trade lines within the system.",
    "Due to the increased number of pirate raids in the {S} system, law enforcements have doubled shifts and added "
    "new waypoints to patrol paths.",
    "{S} battleships have successfully eliminated the pirate threat in the system. Trading levels are expected to "
    "return to normal.",
    "A {S} military ship was able to covertly trail a pirate ship back to its base. Not long after, the pirates "
    "were forced to surrender, leaving the piracy behind.",
};

constexpr Ten kPatrolClosers = {
    "With these new measures, it is expected that the system will see more traffic soon.",
    "With these new regulations, the criminals should have something to think about.",
    "Although the government was able to effectively deal with the threat this time, citizens can’t help but to "
    "wonder what a prolonged crisis might have brought.",
    "Even as we speak, citizens of {S} are rejoicing over the recent news.",
    "We spoke to travellers from the system not too long ago. They all seem very relieved by the recent government "
    "actions.",
    "Already, we’re seeing more merchant ships headed for the {S} system.",
    "With the trade lines back up, it should only be a matter of time before things are back to normal.",
    "Officials are expecting things to return to normal pace within the week.",
    "Traders are only too happy to hear this, since they will be able to use {S} as a trading point again.",
    "The trade lines are up and running again. It shouldn’t be long before the system’s supplies are replenished.",
};

// Reports and closers by kind 1..4.
constexpr const Ten* kReports[] = {&kNeedReports, &kSurplusReports, &kPirateReports, &kPatrolReports};
constexpr const Ten* kClosers[] = {&kNeedClosers, &kSurplusClosers, &kPirateClosers, &kPatrolClosers};

std::string_view Pick(const Ten& ten, int variant) {
  return variant >= 1 && variant <= 10 ? ten[static_cast<size_t>(variant - 1)] : std::string_view{};
}

}  // namespace

std::string_view tradeNewsOpener(int variant) { return Pick(kOpeners, variant); }

std::string_view tradeNewsReport(int kind, int variant) {
  return kind >= 1 && kind <= 4 ? Pick(*kReports[kind - 1], variant) : std::string_view{};
}

std::string_view tradeNewsCloser(int kind, int variant) {
  return kind >= 1 && kind <= 4 ? Pick(*kClosers[kind - 1], variant) : std::string_view{};
}

}  // namespace qm
