#pragma once
// The fixed world of a new game: the factions, the 24 star systems with their
// locations, wormholes and space-object places, and the commodity list.
#include <string_view>

#include "state/game_state.h"

namespace qm {

// Fills the factions, systems, locations, space-object places and commodities
// of the fixed world table into g. Touches nothing else (no player, ship or
// market data); location indexes the table leaves out stay as they were.
void BuildWorld(GameState& g);

// Where a pilot of a faction starts: system and location. {0, 0} outside 1..4.
struct StartPlace {
  int system;
  int location;
};
StartPlace factionStart(int faction);

// The fixed descriptions of suns, wormholes and pirate hideouts.
inline constexpr std::string_view kInnerSunText = "A common sun - spending warmth and life in this solar system.";
inline constexpr std::string_view kOuterSunText = "The sun of this system.";
inline constexpr std::string_view kWormholeText =
    "Wormholes (\"Jumppoints\") allow star travelling between different star systems.";
inline constexpr std::string_view kHideoutText =
    "When visiting this hidden hideout your criminal flag will wear off automatically.";

// Descriptions written for the world (world_texts.cpp); empty where there is none.
std::string_view systemDescription(int system);
// The description of a planet or asteroid field (location kind 0..6).
std::string_view planetDescription(int system, int location);

}  // namespace qm
