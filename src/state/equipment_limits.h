#pragma once
// How many items each equipment family has (item indices are 0-based).
namespace qm {

constexpr int kGunItems = 9;        // 0..8
constexpr int kMissileItems = 11;   // 0..10
constexpr int kEngineItems = 7;     // 0..6
constexpr int kCargoSystemItems = 6;  // 0..5
constexpr int kTargetingItems = 7;  // 0..6
constexpr int kEcmItems = 6;        // 0..5

// Equipment category numbers of the equipment screen.
namespace Category {
enum : int { Guns = 1, Missiles = 2, Engines = 3, CargoSystems = 4, Targeting = 5, Ecm = 6 };
}

}  // namespace qm
