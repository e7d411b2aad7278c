#pragma once
// Battles sit below the world: travel, wars and missions start them, never the
// other way round. What a battle needs from the world above it (rewards, the
// mission book, the pilot's death, the tutorial, new space objects, a fresh
// world for the simulator) reaches it through these hooks, which the world
// hands down before any battle can start.
#include <cstdint>
#include <string>

namespace qm {

struct WorldHookTable {
  void (*gainMoney)(int64_t amount) = nullptr;       // with the reward abilities
  void (*gainExperience)(int64_t amount) = nullptr;  // with the fame abilities and the promotion check
  void (*regenerateMissionBoards)() = nullptr;
  void (*sendAwayCrewBeyondMaximum)() = nullptr;
  void (*awardSilverStar)() = nullptr;
  void (*awardGoldStar)() = nullptr;
  void (*handleDeath)() = nullptr;
  void (*spawnSpaceObject)(int system) = nullptr;
  bool (*completeBountyOnSensors)() = nullptr;
  bool (*failAbductionOnSensors)() = nullptr;
  bool (*completeAbductionByBoarding)() = nullptr;
  std::string (*missionTargetName)() = nullptr;
  void (*initialiseWorld)() = nullptr;
  // The player carried out ability `id` in a ship battle (it cost action points).
  void (*playerActed)(int id) = nullptr;
  // The player's turn of a ship battle is over and the battle goes on.
  void (*turnEnded)() = nullptr;
};

// The world hands its hooks down; every one must be filled in.
void ConnectWorldHooks(const WorldHookTable& hooks);

// The hooks handed down. Stops the program with a clear message when a battle
// runs before any world connected: a build fault, never a player's situation.
const WorldHookTable& WorldHooks();

}  // namespace qm
