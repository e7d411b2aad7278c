// The ship status sheet and the installed items' figures the ship status
// screen prints.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/new_game.h"
#include "world/ship_sheets.h"

namespace qm {
namespace {

class ShipSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    StartNewGame(c);
  }
  static std::string ValueOf(const Sheet& sheet, const std::string& label) {
    for (const SheetLine& l : sheet)
      if (l.label == label) return l.value;
    return "<missing " + label + ">";
  }
  test::ScriptedFrontend fe;
};

constexpr int kPatton = 9;
constexpr int kBoardingShuttle = 5, kShipHospital = 4;

TEST_F(ShipSheets, TheCrewMaximumIsTheOneHiringEnforces) {
  ASSERT_EQ(shipName(kPatton), "Patton");
  Game.Ship[Sh::ShipType] = kPatton;
  Game.Ship[Sh::CargoSpace] = kShipHospital;
  Game.Ship[Sh::Crewmen] = 16;
  Game.Ship[Sh::Marines] = 4;
  Sheet sheet = shipStatusSheet();
  EXPECT_EQ(ValueOf(sheet, "Crew (Min./Max.):"), "16 / 40");
  EXPECT_EQ(ValueOf(sheet, "Current crew:"), "20");
  EXPECT_EQ(ValueOf(sheet, "Marines:"), "4");
  // The boarding shuttle carries a fifth more.
  Game.Ship[Sh::CargoSpace] = kBoardingShuttle;
  sheet = shipStatusSheet();
  EXPECT_EQ(ValueOf(sheet, "Crew (Min./Max.):"), "16 / 48");
}

TEST_F(ShipSheets, EquipmentFiguresAreTheSheetsLinesBetweenDescriptionAndSpeciality) {
  Game.Ship[Sh::ShipType] = kPatton;
  for (int category = Category::Guns; category <= Category::Ecm; ++category) {
    const int item = upgradeOption(shipStat(kPatton, Stat::Class), category, 2);
    const Sheet sheet = equipmentItemSheet(category, item);
    const Sheet figures = equipmentFigures(category, item);
    ASSERT_FALSE(figures.empty()) << "category " << category;
    ASSERT_GE(sheet.size(), figures.size() + 4);
    for (size_t i = 0; i < figures.size(); ++i) {
      EXPECT_EQ(figures[i].label, sheet[i + 2].label);
      EXPECT_EQ(figures[i].value, sheet[i + 2].value);
    }
    EXPECT_EQ(sheet[figures.size() + 2].label, "Speciality:");
  }
  const int laser = 0;
  EXPECT_EQ(ValueOf(equipmentFigures(Category::Guns, laser), "Damage:"),
            std::to_string(gunDamage(kPatton, laser)));
  EXPECT_EQ(ValueOf(equipmentFigures(Category::Engines, 1), "Speed:"),
            std::to_string(engineSpeed(kPatton, 1)) + " p/hour");
}

}  // namespace
}  // namespace qm
