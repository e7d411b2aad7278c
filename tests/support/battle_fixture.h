#pragma once
// A battle between the new pilot's Starwolf and a pirate Starwolf, ready for
// the player's first move, with every random draw under the test's control.
#include <gtest/gtest.h>

#include "combat/combat_rules.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/new_game.h"

namespace qm::test {

class BattleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // Combat Trader: Starwolf; Taunt, Discipline, Focused shield
    StartNewGame(c);
    General.Option = Options{};
    SetupShipCombat(1, 0, 2, 1);
    // A plain opponent: Laser, Arrow Mk. I, nobody coming to help.
    E[Sh::Guns] = 0;
    E[Sh::Missiles] = 0;
    E[Cb::Reinforcements] = -1;
    S[Cb::Reinforcements] = -1;
    ClearRandomDraws();
    fe.shown.clear();
    fe.panel.clear();
  }
  void TearDown() override { ClearRandomDraws(); }

  int AP() const { return S[Cb::AP]; }
  void Learn(int id) { Game.CombatAbilities[id] = 1; }
  bool PlayerHas(int id) const { return combat::Has(Combat.PlayerEffects, id); }
  bool EnemyHas(int id) const { return combat::Has(Combat.EnemyEffects, id); }
  const Shown& Last() const { return fe.shown.back(); }

  ScriptedFrontend fe;
  IntRow& S = Game.Ship;
  IntRow& E = Combat.EnemyShip;
};

}  // namespace qm::test
