#include "world/main_screen.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/money.h"
#include "world/planet_pictures.h"
#include "world/planet_services.h"
#include "world/missions.h"
#include "world/news.h"
#include "world/trade_news.h"

namespace qm {
namespace {

constexpr int kShieldSteps = 25;
constexpr int kExperienceSteps = 19;
constexpr int kLastLevel = 19;

int MaxShields() { return std::max(1, shipStat(Game.Ship[Sh::ShipType], Stat::MaxShields)); }
int ExperienceNeeded() { return std::max(1, experienceForLevel(Game.Player[Pl::Level])); }

// "year.day" of the game's calendar (360 days a year, from the year 2450);
// days before the first day fall into the years before.
std::string Date(int64_t days) {
  const int64_t year = days >= 0 ? days / 360 : -((-days + 359) / 360);
  return std::to_string(year + 2450) + "." + std::to_string(days - year * 360);
}

}  // namespace

std::string starDateText(int64_t days) { return Date(days); }

int shieldBarIndex() {
  const int64_t energy = Game.Ship[Sh::ShieldEnergy];
  int64_t b = energy * kShieldSteps / MaxShields();
  if (energy > 0 && b == 0) b = 1;
  return static_cast<int>(std::clamp<int64_t>(b, 0, kShieldSteps));
}

int experienceBarIndex() {
  if (Game.Player[Pl::Level] >= kLastLevel) return kExperienceSteps;
  const int64_t e = std::max<int64_t>(Game.Player[Pl::Experience], 0) * kExperienceSteps / ExperienceNeeded();
  return static_cast<int>(std::clamp<int64_t>(e, 0, kExperienceSteps));
}

std::string shipsLogLine() {
  return "Ship\u00b4s log - Star date: " + Date(std::max(0, Game.StarDate));
}

std::string newsLine(int row) {
  if (row < 1 || row > kNewsEntries || Game.NewsData[row][News::Present] <= 0) return "";
  return Date(Game.NewsData[row][News::Date]) + " - " + Game.NewsText[row];
}

std::string newsArticleTitle(int row) {
  const int kind = Game.NewsData[row][News::Kind];
  return kind >= 1 && kind <= 4 ? "Trade news!" : "War news!";
}

std::string newsArticle(int row) {
  if (row < 1 || row > kNewsEntries || Game.NewsData[row][News::Present] <= 0) return "";
  const std::string article = NewsStory(row);
  // Without a written article the dialog repeats the headline.
  return article.empty() ? Game.NewsText[row] : article;
}

std::string spaceObjectTitle(int kind) {
  switch (kind) {
    case 1: return "Lifepod";
    case 2: return "Treasure";
    case 3: return "Ghost ship";
    case 4: return "Artifact";
    case 20:
    case 21: return "Secret data";
  }
  return "?";
}

std::string spaceObjectPicture(int kind) {
  switch (kind) {
    case 2: return "treasure.jpg";
    case 3: return "ghostship.jpg";
    case 4: return "alienartifact.jpg";
    case 20:
    case 21: return "secretdata.jpg";
  }
  return "lifepod.jpg";
}

TargetDescription describeTarget(int selection) {
  TargetDescription d;
  const int system = Run.CurrentSystem;
  if (selection >= 0) {
    const int l = std::clamp(selection == 0 ? 1 : selection, 1, kLocations);
    const PlanetFacts facts = planetFacts(system, l);
    d.title = facts.name;
    d.picture = locationPictureName(system, l) + "r.jpg";
    d.text = facts.description;
    d.faction = facts.faction;
    d.classLine = facts.classLine;
    return d;
  }
  const int kind = Game.SpaceObjects[system][std::min(-selection, kObjectPlaces)][Obj::Kind];
  d.title = spaceObjectTitle(kind);
  d.faction = "Faction: -";
  d.classLine = "Class: Unknown object";
  switch (kind) {
    case 1:
      d.picture = "Lifepodr.jpg";
      d.text = "On your sensors you notice a small lifepod flying lonely in space. It could be worth checking it out.";
      break;
    case 2:
      d.picture = "treasurer.jpg";
      d.text = "On your sensors you notice a strange container disguised as an asteroid. The hidden treasures of a "
               "buccanneer?";
      break;
    case 3:
      d.picture = "ghostshipr.jpg";
      d.text = "On your sensors you notice a vessel floating without thrust in space. A ghost ship? Let\u00b4s find out!";
      break;
    case 4:
      d.picture = "alienartifactr.jpg";
      d.text = "From a source deep out in space you get some strange signals. You have no idea what it might be.";
      break;
    case 20:
    case 21:
      d.picture = "GeneralMissionPic.jpg";
      d.text = "From this location you should be able to receive transmissions with secret informations, which you "
               "could sell on the black market (Illegal activity!).";
      break;
    default:
      d.picture = "GeneralMissionPic.jpg";
      d.text = "This is an unknown object.";
  }
  return d;
}

std::string travelButtonCaption() {
  const int sel = Run.SelectedLocation;
  if (sel != Game.Ship[Sh::Location] || sel < 1) return "Fly to";
  const int kind = Game.LocationData[Game.Ship[Sh::System]][sel][Loc::Kind];
  if (kind == Kind::Wormhole) return "Jump";
  if ((kind >= 1 && kind <= 6) || kind == Kind::Hideout) return "Dock";
  return "Fly to";
}

std::string tradeButtonCaption() {
  const int sel = Run.SelectedLocation;
  if (sel >= 1 && sel == Game.Ship[Sh::Location]) {
    const int kind = Game.LocationData[Game.Ship[Sh::System]][sel][Loc::Kind];
    if (kind >= 1 && kind <= 6) return "Trade";
  }
  return "Prices";
}

std::string planetPriceLabel(int l) {
  const int c = Run.SelectedCommodity;
  const auto& loc = Game.LocationData[Run.CurrentSystem][l];
  if (c < 1 || c > kCommodities || loc[Loc::Exists] <= 0 || loc[Loc::Kind] <= 0) return "";
  if (Run.KnownLocationPrices[l] == 0) return "?";
  return "$ " + FormatMoney(Game.LocationPrices[Run.CurrentSystem][l][c]);
}

namespace {
// Where the ship is, for the spoken lines: a location, an object, or the open
// space an object has left.
std::string PositionName(int system, int here) {
  if (here >= 1) return Game.LocationText[system][here][1];
  const auto& obj = Game.SpaceObjects[system][std::clamp(-here, 1, kObjectPlaces)];
  return obj[Obj::Present] > 0 ? spaceObjectTitle(obj[Obj::Kind]) : std::string("open space");
}
}  // namespace

std::vector<std::string> compatibilityLines() {
  const auto& s = Game.Ship;
  const auto& p = Game.Player;
  const int64_t shields = static_cast<int64_t>(s[Sh::ShieldEnergy]) * 100 / MaxShields();
  const int64_t experience =
      p[Pl::Level] >= kLastLevel ? 100 : std::max<int64_t>(p[Pl::Experience], 0) * 100 / ExperienceNeeded();
  const int system = Run.CurrentSystem;
  const int here = s[Sh::Location];
  std::vector<std::string> lines = {
      "Your ship: " + shipName(s[Sh::ShipType]) + " (Click for ship status screen)",
      "Your name is: " + rankName(p[Pl::Rank]) + " " + Game.PlayerName + " (Click for personal status)",
      "Your shields: " + std::to_string(std::clamp<int64_t>(shields, 0, 100)) + "%",
      "Experience " + std::to_string(std::clamp<int64_t>(experience, 0, 100)) + "% until level up.",
      "Your money: $ " + FormatMoney(p[Pl::Credits]),
      "Star system: " + Game.SystemText[system][1],
      "Your position: " + PositionName(s[Sh::System], here),
  };
  const int sel = Run.SelectedLocation;
  lines.push_back(sel != 0 ? "Selected target: " + describeTarget(sel).title
                           : std::string("No target selected (click on a planet or an object)."));
  int cargo = 0;
  for (int c = 1; c <= 100; ++c) cargo += std::max(0, Game.Cargo[c]);
  lines.push_back("Cargo hold: " + std::to_string(cargo) + " of " + std::to_string(s[Sh::CargoCapacity]) +
                  " units used.");
  lines.push_back("Star date: " + Date(std::max(0, Game.StarDate)));
  const IntRow& m = Game.ActiveMission;
  lines.push_back(m[Mis::Active] > 0 ? "Active mission: " + MissionPanelName(m[Mis::Type])
                                     : std::string("No active mission."));
  const std::string news = newsLine(1);
  lines.push_back(news.empty() ? std::string("No news.") : "Latest news: " + news);
  return lines;
}

// The combat message interval follows the switch (CombatMessageInterval); the
// stored timers keep the "Longer delays" choice for when the mode is left.
void setCompatibilityMode(bool on) {
  if (on) {
    if (!AskYesNo("Compatibility mode",
                  "This game offers a compatibility mode for the blind and visually impaired. It will add additional "
                  "text and help to the interface. Not recommended for the general user. Do you wish to turn this mode "
                  "on?"))
      return;
    General.Option.CompatibilityMode = true;
  } else {
    General.Option.CompatibilityMode = false;
    Notify("Compatibility mode", "The compatibility mode for the blind and visually impaired has been turned off.");
  }
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

MissionsOutcome missionsAction() {
  if (!MayServeHere()) return MissionsOutcome::Refused;
  if (Game.SystemData[Game.Ship[Sh::System]][Sys::UnderAttack] > 0) return MissionsOutcome::Campaign;
  if (Game.ActiveMission[Mis::Active] > 0) return MissionsOutcome::MissionStatus;
  return MissionUplink() ? MissionsOutcome::MissionSelection : MissionsOutcome::Refused;
}

bool sensorsAction() {
  const int here = Game.Ship[Sh::Location];
  if (here >= 1 && Game.LocationData[Game.Ship[Sh::System]][here][Loc::Kind] == Kind::Hideout) {
    Notify("Ship sensors", "The use of ship sensors makes everyone know about your presence - not a wise thing to do "
                           "nearby a pirate base!");
    return false;
  }
  for (int row = 1; row <= kSystemShipRows; ++row)
    if (Game.SystemShips[row][1] > 0) return true;
  Notify("Ship sensors", "You cannot detect any ships. You should wait some time.");
  return false;
}

bool invasionAlertVisible() { return Game.SystemData[Run.CurrentSystem][Sys::UnderAttack] > 0; }

bool invasionAlertAction() {
  if (Game.Player[Pl::CriminalFlag] >= 1) {
    Notify("N/A", "You have been flagged criminal and cannot take part in the battle as long as the flag has not "
                  "weared off!");
    return false;
  }
  return MayJoinInvasion(Run.CurrentSystem);
}

int missionMarkerTarget() {
  const auto& m = Game.ActiveMission;
  if (m[Mis::Active] <= 0 || m[Mis::System] != Run.CurrentSystem) return 0;
  const int target = m[Mis::Location];
  if (target == 0 || target > kLocations || target < -kObjectPlaces) return 0;
  if (Run.CurrentSystem == Game.Ship[Sh::System] && target == Game.Ship[Sh::Location]) return 0;
  return target;
}

}  // namespace qm
