#include "world/planet_services.h"

#include <cstdint>
#include <limits>

#include "catalogue/career.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/day_cycle.h"
#include "world/money.h"
#include "world/planet_pictures.h"

namespace qm {
namespace {

constexpr int kAmnestyPrice = 100000;
constexpr int kAmnestyAbility = 30;

const IntRow& HereRow() { return Game.LocationData[Game.Ship[Sh::System]][Game.Ship[Sh::Location]]; }
bool AtExistingLocation() { return Game.Ship[Sh::Location] >= 1 && HereRow()[Loc::Exists] > 0; }

bool IsHiddenHideout(const IntRow& loc) {
  return loc[Loc::Exists] == 0 && loc[Loc::Kind] == Kind::Hideout && loc[Loc::Target] == 0;
}

// " We are at war with the A, B and the C." or the clause for peace.
std::string WarClause() {
  const int own = Game.Player[Pl::Faction];
  std::string names[kFactions];
  int count = 0;
  for (int f = 1; f <= kFactions; ++f)
    if (f != own && Game.FactionData[own][Fac::RelationBase + f] > 0) names[count++] = Game.FactionText[f][FacT::FullName];
  if (count == 0) return " Right now we are not at war. But I am sure not for long.";
  std::string clause = " We are at war with the " + names[0];
  for (int i = 1; i < count; ++i) clause += (i == count - 1 ? " and the " : ", ") + names[i];
  return clause + ".";
}

}  // namespace

std::string locationClassLine(int kind) {
  static const char* const kPlanetClasses[] = {"Agricultural", "Mining", "Luxury", "Industrial", "Local capital",
                                               "Capital"};
  if (kind >= 1 && kind <= 6) return std::string("Class: ") + kPlanetClasses[kind - 1];
  if (kind == Kind::Hideout) return "Class: Pirate hideout";
  if (kind == Kind::Sun) return "Class: Sun";
  if (kind == Kind::Wormhole) return "Class: Wormhole";
  return "Class: ?";
}

PlanetFacts planetFacts(int system, int location) {
  const auto& loc = Game.LocationData[system][location];
  const auto& text = Game.LocationText[system][location];
  PlanetFacts f;
  f.name = text[1];
  f.description = text[2];
  f.faction = "Faction: " + Game.FactionText[loc[Loc::Owner]][FacT::FullName];
  f.classLine = locationClassLine(loc[Loc::Kind]);
  switch (loc[Loc::Special]) {
    case 9: f.picture = "city_earth"; break;
    case 10: f.picture = "city_sirius"; break;
    case 11: f.picture = "city_hope"; break;
    case 12: f.picture = "city7"; break;
    default: f.picture = "Sun"; break;
  }
  return f;
}

std::string planetScreenPicture(int system, int location) {
  PlanetFacts f = planetFacts(system, location);
  return f.picture != "Sun" ? f.picture : locationPictureName(system, location) + "r";
}

bool atPlanet() {
  return AtExistingLocation() && HereRow()[Loc::Kind] > 0 && HereRow()[Loc::Target] != 1;  // not an asteroid field
}

bool atHideout() { return AtExistingLocation() && HereRow()[Loc::Kind] == Kind::Hideout; }

int drinkPrice() {
  const int64_t h = Game.Player[Pl::HideoutsBought];
  const int64_t square = h * h;  // at most 2^62
  if (square > std::numeric_limits<int32_t>::max() / 5000) return std::numeric_limits<int32_t>::max();
  return static_cast<int>(square * 5000);
}

int hiddenHideouts(int system) {
  int count = 0;
  for (int l = 1; l <= kLocations; ++l) count += IsHiddenHideout(Game.LocationData[system][l]) ? 1 : 0;
  return count;
}

void orderDrink() {
  const int price = drinkPrice();
  const int system = Game.Ship[Sh::System];
  if (hiddenHideouts(system) == 0) {
    DailyUpdate();
    return Notify("Smalltalk", "You spend a whole day in the local spaceport bar enjoying your life.");
  }
  DailyUpdate();
  if (!AskYesNo("Bribe?", "You order some drinks at the bar. After some time the barkeeper comes over to you. He "
                          "whispers to you that for " +
                              FormatMoney(price) +
                              " $ he might have some valuable information for you. Would you like to pay?"))
    return;
  auto& credits = Game.Player[Pl::Credits];
  if (credits < price) return Notify("Sorry", "You do not have enough money!");
  credits -= price;
  Game.Player[Pl::HideoutsBought] = Saturate(static_cast<int64_t>(Game.Player[Pl::HideoutsBought]) + 1);
  for (int l = 1; l <= kLocations; ++l) {
    auto& loc = Game.LocationData[system][l];
    if (!IsHiddenHideout(loc)) continue;
    loc[Loc::Exists] = 1;
    loc[Loc::Target] = 1;
  }
  UI().RefreshMainScreen(system);
  Notify("Pirate hideout", "You get to know the location of a hidden pirate hideout in this sector...");
}

void hide() {
  const int days = Game.Player[Pl::CriminalFlag];
  if (days <= 0)
    return Notify("N/A",
                  "You are not criminal flagged at this time. If you have been caught comitting a crime you can use "
                  "this option to wait until your criminal flag has been lifted.");
  if (!AskYesNo("Hide", "Do you really wish to hide " + std::to_string(days) +
                            " days until the criminal flag wears off?"))
    return;
  for (int day = 0; day < days; ++day) {
    DailyUpdate();
    if (Game.Ship[Sh::Alive] <= 0 || Run.QuitToMenu) break;
  }
  Game.Player[Pl::CriminalFlag] = 0;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

std::string governorGreeting() {
  const int rank = Game.Player[Pl::Rank];
  const std::string who = rankName(rank) + " " + Game.PlayerName;
  const std::string war = WarClause();
  std::string g;
  if (rank <= 1)
    g = "Welcome to our fleet " + who + "!" + war +
        " You\u2019ll soon find out that true combat is different than the simulator games you were doing at the "
        "academy!";
  else if (rank <= 3)
    g = "Good morning " + who + "! You did well so far." + war +
        " I heard some of the former cadets of your class have died in service for us and for the other side. "
        "It\u2019s really a shame that in this war brothers fight against brothers.";
  else if (rank <= 5)
    g = "Welcome back " + who +
        "! It\u2019s always a pleasure to meet you. I heard about you from fellow captains. You seem to be doing "
        "very good out there!" + war;
  else if (rank <= 7)
    g = who + "! I am honoured, Sir! We are all very glad to have you on our side." + war;
  else
    g = "It\u2019s the legendary " + who + "! Everyone is speaking about you and your deeds." + war +
        " I am at your service, Sir!";
  return "\u201c" + g + "\u201d";
}

std::string criminalStatusText() {
  const int flag = Game.Player[Pl::CriminalFlag];
  return flag > 0 ? "Yes (" + std::to_string(flag) + " turns)" : "No";
}

bool amnestyOffered() {
  return Game.Player[Pl::CriminalFlag] > 0 && Game.NonCombatAbilities[kAmnestyAbility] == 1;
}

void buyAmnesty() {
  if (!amnestyOffered()) return Notify("N/A", "The governor has no amnesty to offer you.");
  if (!AskYesNo("Amnesty", "The governor offers you an amnesty for your criminal deeds. For $ 100.000 you are "
                           "reinstated as a fleet officer."))
    return;
  auto& credits = Game.Player[Pl::Credits];
  if (credits < kAmnestyPrice)
    return Notify("Not enough money", "Unfortunately you do not have enough money to buy the amnesty!");
  credits -= kAmnestyPrice;
  Game.Player[Pl::CriminalFlag] = 0;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Notify("Success", "You buy the amnesty. The criminal flag is lifted. You are a fleet officer once again!");
}

}  // namespace qm
