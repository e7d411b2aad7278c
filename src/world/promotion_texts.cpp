// The campaign ribbons of the four factions: their names as displayed and a
// motto for each, by ribbon number 1..11 (levels 2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17).
#include <array>
#include <string>

#include "world/promotion.h"

namespace qm {
namespace {

struct Ribbon {
  const char* name;
  const char* motto;
};
using FactionRibbons = std::array<Ribbon, 11>;

constexpr std::array<FactionRibbons, 4> kRibbons = {{
    {{
        {"\"Operation Spearhead\"", "\"The first ship through the breach carries all our hopes.\""},
        {"The \"Keep marching\"", "\"A fleet that stops moving has already lost.\""},
        {"\"Iron Resolve\"", "\"We bend, we burn, but we never break.\""},
        {"The \"Long Watch\"", "\"Someone must stay awake so that the worlds may sleep.\""},
        {"\"Defense of Earth\"", "\"Not one planet of the homeworlds shall fall while we breathe.\""},
        {"\"Men of Normandy\"", "\"They landed under fire and held the beach until dawn.\""},
        {"\"Duty\"", "\"Duty is heavier than a mountain, and we carry it gladly.\""},
        {"\"Battle of Sirius\"", "\"At Sirius the line held, and the line will hold again.\""},
        {"\"Devildog\"", "\"When the enemy hears us coming, he checks his escape routes.\""},
        {"\"Shield of the Core\"", "\"Behind us lie the worlds we swore to keep safe.\""},
        {"\"Last Stand\"", "\"If this is the end, let it be remembered.\""},
    }},
    {{
        {"\"Defense of Scotland\"", "\"The highlands remember every ship that stood for them.\""},
        {"The \"Freedom\"", "\"No one rules the Rim but the people of the Rim.\""},
        {"The \"Rim Patrol\"", "\"Far from the core, we are the law and the shield.\""},
        {"\"Breaking Chains\"", "\"Every link we break frees another world.\""},
        {"Wearing of the Green", "\"We wear the green so that the fallen walk beside us.\""},
        {"Price of Freedom", "\"Freedom is never free, but it is always worth the price.\""},
        {"\"Justice\"", "\"Justice travels slowly, but it always arrives.\""},
        {"\"Valor\"", "\"Courage is not the absence of fear but the mastery of it.\""},
        {"\"Forward\"", "\"There is no road back, only the road ahead.\""},
        {"\"Unbowed\"", "\"They took our ships, never our will.\""},
        {"\"True wisdom\"", "\"True wisdom knows when to fight and when to wait.\""},
    }},
    {{
        {"A New Day", "\"Every dawn brings a new market and a new chance.\""},
        {"The \"Operation Wall\"", "\"What we build, we defend.\""},
        {"The \"Prosperity\"", "\"A rich people is a strong people.\""},
        {"\"Fair Trade\"", "\"An honest deal is the strongest alliance.\""},
        {"Prosperity", "\"Wealth shared is power multiplied.\""},
        {"Property", "\"What is ours stays ours.\""},
        {"\"Power of capital\"", "\"Credits win wars long before the first shot is fired.\""},
        {"\"Peace\"", "\"Peace is the most profitable business of all.\""},
        {"\"Faith\"", "\"Trust in the Coalition, and the Coalition trusts in you.\""},
        {"\"Golden Convoy\"", "\"No freighter left behind, no cargo lost.\""},
        {"\"Open Markets\"", "\"Where trade flows freely, war runs dry.\""},
    }},
    {{
        {"The \"Operation Fate\"", "\"Fate favours those who strike first.\""},
        {"The \"Sacrifice\"", "\"Some give all so that the Syndicate endures.\""},
        {"\"Shadow Run\"", "\"Unseen, unheard, unstoppable.\""},
        {"The \"Serpent's Bite\"", "\"The serpent waits, and then it never misses.\""},
        {"\"Black Market\"", "\"Every rule has a price, and we know it.\""},
        {"Manipulation", "\"The wise move the pieces; fools are moved.\""},
        {"\"Swift strike\"", "\"Hit hard, hit fast, and be gone before they know.\""},
        {"\"Our System\"", "\"Our worlds, our laws, our future.\""},
        {"\"No retreat\"", "\"Behind us is only the void.\""},
        {"\"Berlin will fall\"", "\"No fortress is strong enough to stop us.\""},
        {"\"Iron Fist\"", "\"Strength is the only argument everyone understands.\""},
    }},
}};

constexpr std::array<int, 11> kRibbonLevels = {2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17};

const Ribbon* Find(int faction, int level) {
  if (faction < 1 || faction > 4) return nullptr;
  const int n = RibbonNumber(level);
  return n == 0 ? nullptr : &kRibbons[static_cast<size_t>(faction - 1)][static_cast<size_t>(n - 1)];
}

}  // namespace

int RibbonNumber(int level) {
  for (size_t i = 0; i < kRibbonLevels.size(); ++i)
    if (kRibbonLevels[i] == level) return static_cast<int>(i) + 1;
  return 0;
}

std::string RibbonName(int faction, int level) {
  const Ribbon* r = Find(faction, level);
  return r ? r->name : "";
}

std::string RibbonMotto(int faction, int level) {
  const Ribbon* r = Find(faction, level);
  return r ? r->motto : "";
}

}  // namespace qm
