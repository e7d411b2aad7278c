// Background stories and quotations shown on the faction selection screen.
#include "catalogue/faction_stories.h"

#include <array>
#include <iterator>

namespace qm {
namespace {

struct FactionStory {
  std::array<const char*, 3> paragraphs;
  std::array<const char*, 2> quotations;
};

constexpr FactionStory kStories[] = {
    // Federation Of Planets
    {{"For three centuries the Federation Of Planets ruled the known galaxy from Sol. Its fleets kept the "
      "wormholes open, its courts settled the quarrels of a hundred worlds, and its credit was good from Earth "
      "to the farthest rim colony.",
      "That order is breaking. The Outer Rim declared its independence, the Coalition bought its freedom and "
      "the Syndicate armed them all. Rebel fleets strike at Federation convoys, and worlds that were loyal for "
      "generations lower the flag one by one.",
      "Sol is the last stand of the Federation. Its admirals still command the largest fleet in the galaxy and "
      "its yards still build the heaviest warships. Serve the Federation, and you fight to hold mankind "
      "together - or go down with the old order."},
     {"\"Sol has stood for three hundred years. It will not fall while one of our ships can still fire.\" - "
      "Admiral Helena Vance, Home Fleet",
      "\"The rebels call it freedom. I call it every world for itself, and the pirates for all.\" - Senator "
      "Marcus Whitcombe, Earth"}},
    // Outer Rim Alliance
    {{"The worlds of the Outer Rim were settled by people who wanted to be left alone. For generations they "
      "paid Federation taxes and sent their young to Federation wars, and received little in return but "
      "governors and garrisons.",
      "When Sol raised the taxes once more to pay for its fleets, Hyraxan VII declared independence and the rim "
      "worlds followed. The Outer Rim Alliance became the strongest faction of the rebellion: proud, stubborn "
      "and used to hard times.",
      "The Alliance has fewer ships than the Federation, but its pilots know every rock and wormhole of the "
      "rim. Fly for the Outer Rim and you fight for freedom - and for your own life, should the Federation "
      "win."},
     {"\"We asked for a voice and they sent us governors. We asked again and they sent us warships.\" - "
      "President Ilsa Marrow, Hyraxan VII",
      "\"Out here you learn to fix your own ship, fly your own patrols and bury your own dead.\" - Captain "
      "Jarek Tolland, Seressa II yards"}},
    // Trading Coalition
    {{"The Trading Coalition began as a league of merchant houses in New France, New Germany and New England. "
      "Their freighters carried the goods of the Federation, and their banks paid for its wars.",
      "When the rebellion broke out, the Coalition saw a better deal. It left the Federation and declared its "
      "worlds free ports. Now it sells to every side, and its markets are the richest in the galaxy.",
      "But money does not stop warships. The Coalition's fleet is small, its worlds lie between the Federation "
      "and the rebels, and both covet its wealth. Traders prosper here - if they live long enough to spend "
      "it."},
     {"\"War is bad for business. Losing a war is worse. Selling to both sides is simply good accounting.\" - "
      "Etienne Duval, chairman of the Paris exchange",
      "\"A full cargo hold is the best armour a freighter can have - until somebody wants what is in it.\" - "
      "Old saying of the Lille spaceport"}},
    // Syndicate Of Arms
    {{"The Syndicate Of Arms was born in the arsenals of New Moscow, where weapon makers, smugglers and old "
      "crime families joined hands. Its engineers build weapons and ship systems that no other faction can "
      "copy.",
      "The Syndicate left the Federation early and armed the rebellion for profit. Its real power lies in the "
      "shadows: a network of hideouts in every system, illegal traders who move contraband past any blockade, "
      "and pirates who pay their dues.",
      "Join the Syndicate and the law will mean little to you. Its pilots know the secret routes and fly its "
      "unique technology - but every other faction in the galaxy would like to see the Syndicate crushed."},
     {"\"Every faction hates us. Every faction buys from us.\" - Dmitri Volkov, arms director of Moscow Prime",
      "\"A hideout is only secret until somebody sells its coordinates. So we sell them first.\" - A hideout "
      "keeper of Tortuga"}},
};

const FactionStory* StoryOf(int faction) {
  if (faction < 1 || faction > static_cast<int>(std::size(kStories))) return nullptr;
  return &kStories[faction - 1];
}

}  // namespace

std::string factionBackground(int faction) {
  const FactionStory* story = StoryOf(faction);
  if (!story) return "";
  std::string text;
  for (const char* paragraph : story->paragraphs) {
    if (!text.empty()) text += "\n\n";
    text += paragraph;
  }
  return text;
}

std::string factionQuotation(int faction, int k) {
  const FactionStory* story = StoryOf(faction);
  if (!story || k < 1 || k > static_cast<int>(story->quotations.size())) return "";
  return story->quotations[static_cast<size_t>(k - 1)];
}

}  // namespace qm
