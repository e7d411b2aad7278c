#pragma once
// The world hands the battles below it what they need from it (rewards, the
// mission book, death, the tutorial, new space objects). Done once at start-up
// and again by every new world, so no battle can run unconnected.
namespace qm {

void ConnectCombatToWorld();

}  // namespace qm
