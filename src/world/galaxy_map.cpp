#include "world/galaxy_map.h"

#include <algorithm>

#include "state/frontend.h"
#include "world/market.h"
#include "world/money.h"

namespace qm {
namespace {

struct MapEntry {
  MapPosition position;
  const char* label;
};

constexpr MapEntry kMap[kSystems] = {
    {{186, 501}, "Sol"},          {{140, 447}, "Carse"},        {{238, 362}, "Hope"},
    {{206, 430}, "Sirius"},       {{145, 337}, "New Manchester"}, {{44, 341}, "New Germany"},
    {{280, 273}, "Moor"},         {{269, 428}, "Finis"},        {{320, 486}, "Warfield"},
    {{361, 414}, "New Ireland"},  {{402, 470}, "Baiton"},       {{422, 346}, "Hyraxan VII"},
    {{83, 149}, "New Moscow"},    {{458, 411}, "New Scotland"}, {{442, 253}, "Lands End"},
    {{43, 250}, "New France"},    {{140, 225}, "New Italy"},    {{66, 448}, "New England"},
    {{192, 104}, "New Cuba"},     {{280, 47}, "Tortuga"},       {{386, 70}, "Barbados"},
    {{289, 158}, "Westwind"},     {{373, 187}, "Kimberley"},    {{447, 146}, "Glenshire"},
};

// The price label sits this far left of and below its system's picture.
constexpr int kPriceLabelLeft = 16;
constexpr int kPriceLabelDown = 45;

bool ValidSystem(int s) { return s >= 1 && s <= kSystems; }
bool ValidFaction(int f) { return f >= 1 && f <= kFactions; }

bool PricesKnown(int s) { return Run.KnownSystemPrices[s] == 1; }

// The owner is at war with the player's faction, both existing.
bool AtWarWithPlayer(int owner) {
  const int mine = Game.Player[Pl::Faction];
  if (!ValidFaction(owner) || !ValidFaction(mine)) return false;
  if (Game.FactionData[owner][Fac::Exists] <= 0 || Game.FactionData[mine][Fac::Exists] <= 0) return false;
  return Game.FactionData[mine][Fac::RelationBase + owner] > 0;
}

bool Tradeable(int c) { return Game.BasePrice[c] > 0; }

MapSystem BuildSystem(int s, int commodity) {
  MapSystem m;
  const auto& data = Game.SystemData[s];
  m.exists = data[Sys::Exists] > 0;
  m.label = mapLabel(s);
  m.x = mapPosition(s).x;
  m.y = mapPosition(s).y;
  m.priceX = m.x - kPriceLabelLeft;
  m.priceY = m.y + kPriceLabelDown;
  m.selected = s == Run.CurrentSystem;
  m.playerHere = s == Game.Ship[Sh::System];
  if (!m.exists) return m;
  m.underInvasion = data[Sys::UnderAttack] == 1;
  m.picture = m.underInvasion ? "Battleicon.jpg" : blipPicture(data[Sys::Owner]);
  m.atWar = AtWarWithPlayer(data[Sys::Owner]);
  m.pricesKnown = PricesKnown(s);
  for (int c = 1; c <= kCommodities; ++c)
    if (m.pricesKnown && Tradeable(c)) m.knownPrice[static_cast<size_t>(c)] = Game.SystemPrices[s][c];
  if (commodity >= 1 && commodity <= kCommodities && Tradeable(commodity))
    m.priceLabel = m.pricesKnown ? "($ " + FormatMoney(Game.SystemPrices[s][commodity]) + ")" : "($ ?)";
  return m;
}

}  // namespace

MapPosition mapPosition(int system) { return ValidSystem(system) ? kMap[system - 1].position : MapPosition{0, 0}; }

std::string mapLabel(int system) { return ValidSystem(system) ? kMap[system - 1].label : ""; }

std::string blipPicture(int faction) {
  static const char* const kBlips[] = {"GalaxyMapBlip_Fed.jpg", "GalaxyMapBlip_OuterR.jpg", "GalaxyMapBlip_Coal.jpg",
                                       "GalaxyMapBlip_Synd.jpg"};
  return ValidFaction(faction) ? kBlips[faction - 1] : "";
}

std::string classLine(int planetClass) {
  static const char* const kClasses[] = {"Agricultural", "Mining", "Luxury", "Industrial", "Local capital", "Capital"};
  if (planetClass < 1 || planetClass > 6) return "Class: ?";
  return std::string("Class: ") + kClasses[planetClass - 1];
}

std::vector<MapLane> wormholeLanes() {
  std::vector<MapLane> lanes;
  for (int s = 1; s <= kSystems; ++s) {
    if (Game.SystemData[s][Sys::Exists] <= 0) continue;
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      const int t = loc[Loc::Target];
      if (loc[Loc::Exists] <= 0 || loc[Loc::Kind] != Kind::Wormhole || !ValidSystem(t) || t == s) continue;
      if (Game.SystemData[t][Sys::Exists] <= 0) continue;
      const int a = std::min(s, t), b = std::max(s, t);
      auto it = std::find_if(lanes.begin(), lanes.end(), [&](const MapLane& m) { return m.a == a && m.b == b; });
      if (it == lanes.end()) it = lanes.insert(lanes.end(), MapLane{a, b, 0, 0});
      int& days = s == a ? it->daysAtoB : it->daysBtoA;
      if (days == 0) days = std::max(1, loc[Loc::JumpDays]);
    }
  }
  std::sort(lanes.begin(), lanes.end(),
            [](const MapLane& x, const MapLane& y) { return x.a != y.a ? x.a < y.a : x.b < y.b; });
  return lanes;
}

PricePanel BuildPricePanel(int system) {
  PricePanel p;
  p.system = system;
  p.systemName = Game.SystemText[system][1];
  p.known = ValidSystem(system) && Game.SystemData[system][Sys::Exists] > 0 && PricesKnown(system);
  for (int c = 1; c <= kCommodities; ++c) {
    if (!Tradeable(c)) continue;
    const std::string price = p.known ? FormatMoney(Game.SystemPrices[system][c]) : "?";
    p.rows.push_back({c, Game.CommodityName[c], "$ " + price, c == Run.SelectedCommodity});
  }
  p.holdLine = std::to_string(cargoHeld()) + "/" + std::to_string(Game.Ship[Sh::CargoCapacity]);
  return p;
}

InfoPanel BuildInfoPanel(int system) {
  InfoPanel i;
  const int owner = Game.SystemData[system][Sys::Owner];
  i.name = Game.SystemText[system][1];
  i.description = Game.SystemText[system][2];
  i.classLine = classLine(Game.SystemData[system][Sys::SystemClass]);
  i.factionLine = "Faction: " + Game.FactionText[owner][FacT::FullName];
  i.logo = Game.FactionText[owner][FacT::Logo].empty() ? "" : Game.FactionText[owner][FacT::Logo] + ".jpg";
  return i;
}

GalaxyMap BuildGalaxyMap() {
  GalaxyMap map;
  map.currentSystem = Run.CurrentSystem;
  map.selectedCommodity = Run.SelectedCommodity;
  for (int s = 1; s <= kSystems; ++s) map.systems[static_cast<size_t>(s)] = BuildSystem(s, Run.SelectedCommodity);
  map.lanes = wormholeLanes();
  map.prices = BuildPricePanel(Run.CurrentSystem);
  map.info = BuildInfoPanel(Run.CurrentSystem);
  return map;
}

void OpenGalaxyMap() {
  Run.CurrentSystem = Game.Ship[Sh::System];
  UI().PlaySound("maxi.wav");
}

void SelectMapSystem(int system) {
  if (ValidSystem(system)) Run.CurrentSystem = system;
}

void CloseGalaxyMap() {
  Run.CurrentSystem = Game.Ship[Sh::System];
  UI().PlaySound("mini.wav");
}

}  // namespace qm
