#pragma once
// The picture families of the art kit. Each family recognises its names
// (Match) and draws them (Draw); art_kit.cpp holds the table that asks the
// families in order. Names are read without case and without extension.
#include <string>
#include <string_view>

#include "art/paint.h"

namespace qm::art {

// A picture name taken apart once for all families.
struct Name {
  std::string stem;   // without directory and extension, original case, at most 200 bytes
  std::string low;    // the stem in lower case
  bool bmp = false;   // the ".bmp" family (fleet symbols)
};
Name ParseName(std::string_view file);

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool Contains(std::string_view s, std::string_view part);
// The digits at the end of `s` (after any non-digit), or `fallback` when there are none.
// Very long digit runs saturate instead of overflowing.
int TrailingNumber(std::string_view s, int fallback);
// The faction named by a prefix word of the stem (original case): 0 pirates, 1..4, or -1.
int FactionOfWord(std::string_view stem);

using MatchFn = bool (*)(const Name&);
using DrawFn = void (*)(const Canvas&, const Name&, const std::string& caption);

// planets.cpp: planets, suns, wormholes, asteroid fields, hideouts and the space objects.
bool MatchPlanet(const Name& n);
void DrawPlanet(const Canvas& c, const Name& n, const std::string& caption);
bool MatchSpaceObject(const Name& n);
void DrawSpaceObject(const Canvas& c, const Name& n, const std::string& caption);

// ships.cpp: ship views in the faction liveries, missiles; fleet.cpp: tactical symbols.
bool MatchShip(const Name& n);
void DrawShip(const Canvas& c, const Name& n, const std::string& caption);
bool MatchMissile(const Name& n);
void DrawMissile(const Canvas& c, const Name& n, const std::string& caption);
bool MatchFleetSymbol(const Name& n);
void DrawFleetSymbol(const Canvas& c, const Name& n, const std::string& caption);

// portraits.cpp: the pilot by age and the people of the messages.
bool MatchPortrait(const Name& n);
void DrawPortrait(const Canvas& c, const Name& n, const std::string& caption);

// emblems.cpp: the mission board's badges ("Mission_PatrolLogo", "Mission_Marine"), one symbol
// per mission type and a plain badge for the rest; asked before the faction logos.
bool MatchEmblem(const Name& n);
void DrawEmblem(const Canvas& c, const Name& n, const std::string& caption);

// insignia.cpp: ranks, medals, ribbons, uniform parts, faction logos, map blips and markers.
bool MatchInsignia(const Name& n);
void DrawInsignia(const Canvas& c, const Name& n, const std::string& caption);

// gauges.cpp: bars and pips whose fill follows the number in the name; radars.
bool MatchGauge(const Name& n);
void DrawGauge(const Canvas& c, const Name& n, const std::string& caption);

// icons.cpp: ability buttons and effect icons, equipment items and category buttons.
bool MatchIcon(const Name& n);
void DrawIcon(const Canvas& c, const Name& n, const std::string& caption);

// scenes.cpp: the message pictures (news, explosion, victory, fleets, missions).
bool MatchScene(const Name& n);
void DrawScene(const Canvas& c, const Name& n, const std::string& caption);

// crew_combat.cpp: the boarding screen's areas, sections of the enemy ship's deck plan
// ("crewcombat_red_airlock_normal", "crewcombat_blue_bridge_mouseover").
bool MatchCrewCombat(const Name& n);
void DrawCrewCombat(const Canvas& c, const Name& n, const std::string& caption);

// buttons.cpp: screen items named prefix + number with their hover and on variants,
// and the screens' backgrounds and panels; also the fallback for any other name.
bool MatchButton(const Name& n);
void DrawButton(const Canvas& c, const Name& n, const std::string& caption);
void DrawFallback(const Canvas& c, const Name& n, const std::string& caption);

// Shared pieces used by more than one family.
// A ship seen from the side, nose to the right, filling the box (x, y, w, h).
void ShipSide(const Canvas& c, std::string_view base, int faction, double x, double y, double w, double h);
// A planet disc of radius r centred at (x, y), its look chosen by `base` (e.g. "earth4").
void PlanetDisc(const Canvas& c, std::string_view base, double x, double y, double r);
// One lit rock of radius r (asteroids, hideouts, disguised containers).
void Rock(cairo_t* cr, Rng& rng, double x, double y, double r, Rgb tone);
// A portrait bust for a person kind ("hero1", "fedpilot", ...) filling the canvas.
void Bust(const Canvas& c, std::string_view who, int age);

}  // namespace qm::art
