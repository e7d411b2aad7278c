// Contact sheets of the art kit: renders groups of representative picture
// names into one PNG so the whole look can be judged at a glance.
//   quellmark-artsheet OUT.png [planets|ships|combat|people|ui|scenes|awards|all]
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "art/art_kit.h"

namespace {

struct Cell {
  std::string name;
  int w, h;
  std::string caption;
};

// The mission board's badges, one per mission type with a symbol of its own.
constexpr const char* kMissionLogos[] = {"Mission_SearchandDestroyLogo", "Mission_AttackCapLogo", "Mission_BountyLogo",
                                         "Mission_PatrolLogo",           "Mission_EscortLogo",    "Mission_ReportForDutyLogo",
                                         "Mission_TransportLogo",        "Mission_SupplyLogo",    "Mission_InfiltrateLogo",
                                         "Mission_ReconLogo",            "Mission_VIPabductLogo"};

std::vector<Cell> Group(const std::string& g) {
  std::vector<Cell> out;
  auto add = [&](std::string n, int w, int h, std::string cap = "") { out.push_back({std::move(n), w, h, std::move(cap)}); };
  if (g == "planets" || g == "all") {
    for (const char* p : {"Sun", "Earth", "Moon", "Mars", "Jupiter", "Saturn", "wormhole", "earth4", "earth3", "jungle1",
                          "desert1", "dark5", "red3", "toxic2", "ice1", "ocean1", "asteroids", "PirateBase", "earth11",
                          "desert7", "dark1", "red7", "jungle7", "toxic1"})
      add(std::string(p) + ".jpg", 72, 72);
    add("earth4r.jpg", 200, 200);
    add("Saturnr.jpg", 200, 200);
    add("Sunr.jpg", 200, 200);
    add("wormholer.jpg", 200, 200);
    add("earth4rg.jpg", 200, 200);
    for (const char* p : {"lifepod", "treasure", "ghostship", "alienartifact", "secretdata"}) add(std::string(p) + ".jpg", 72, 72);
    add("ghostshipr.jpg", 200, 200);
    add("treasurer.jpg", 200, 200);
    add("alienartifactr.jpg", 200, 200);
  }
  if (g == "ships" || g == "all") {
    const char* stems[] = {"Starwolf", "Stargun", "Avenger", "Killerbee", "Orion", "Shadowcat", "Paladin", "Hellcat",
                           "Patton", "Shark", "Ferendar", "OrionSquad", "Neptun", "Galaxy", "Corsair", "Marauder",
                           "Skybreaker", "Blackjack", "Spacestation"};
    const char* factions[] = {"Pirate_", "Federation_", "Outerrim_", "Coalition_", "Syndicate_"};
    int i = 0;
    for (const char* s : stems) add(std::string(factions[i++ % 5]) + s + "_scene.jpg", 240, 160);
    add("Federation_Starwolf_topwire.jpg", 120, 90);
    add("Pirate_Marauder_topwire.jpg", 120, 90);
    add("Coalition_Galaxy_topwire.jpg", 120, 90);
    add("Federation_Spacestation_topwire.jpg", 120, 90);
    add("Syndicate_Patton_sidewire.jpg", 300, 120);
    add("Outerrim_Hellcat_scene_sm.jpg", 150, 100);
    add("NotAvailable.jpg", 120, 90);
  }
  if (g == "combat" || g == "all") {
    add("Federation_Shadowcat_l_n.jpg", 260, 150);
    add("Federation_Shadowcat_l_s.jpg", 260, 150);
    for (int k = 1; k <= 8; ++k) add("Federation_Shadowcat_l_f" + std::to_string(k) + ".jpg", 260, 150);
    add("Pirate_Corsair_r_n.jpg", 260, 150);
    add("Pirate_Corsair_r_s.jpg", 260, 150);
    add("Pirate_Corsair_r_f3.jpg", 260, 150);
    add("Syndicate_Spacestation_r_f1.jpg", 260, 150);
    add("Equipment_ArrowMissile_Side_l.jpg", 90, 28);
    add("Equipment_Zeus_Side_r.jpg", 90, 28);
    add("Equipment_Mine_Side_r.jpg", 40, 40);
    add("Federation_Missile_R.jpg", 90, 28);
    for (int n : {0, 5, 12, 20, 30}) add("Shield_" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".jpg", 22, 120);
    for (int n : {0, 2, 5}) add("Combo_0" + std::to_string(n) + ".jpg", 120, 22);
    for (int n : {0, 4, 8}) add("AP8x" + std::to_string(n) + ".jpg", 140, 20);
    for (int n : {0, 9, 25}) add("Travelscreen_ShieldBar_" + std::to_string(n) + ".jpg", 140, 14);
    for (int n : {3, 19}) add("TravelScreen_ExpBar_" + std::to_string(n) + ".jpg", 140, 14);
    add("left_reinforcements_1.jpg", 64, 64);
    add("right_reinforcements_3.jpg", 64, 64);
    for (const char* s : {"ship_blue_large_left_on.bmp", "ship_blue_med_left_over.bmp", "ship_blue_small_left_off.bmp",
                          "station_blue_on.bmp", "ship_red_large_right_on.bmp", "station_red_over.bmp",
                          "red_ship_small_right.bmp", "starsystem_blue.bmp"})
      add(s, 56, 40);
  }
  if (g == "people" || g == "all") {
    for (int h = 1; h <= 3; ++h)
      for (const char* a : {"_20y", "_35y", "_50y", "_70y", "_150y"}) add("hero" + std::to_string(h) + a + ".jpg", 100, 120);
    for (const char* p : {"Fedpilot1", "Fedpilot2", "PiratePilot", "Trader", "Crew_Officer", "Crew_Rogue", "Crew_Droid"})
      add(std::string(p) + ".jpg", 100, 120);
    for (int r = 1; r <= 8; ++r) add("Fed_Rank" + std::to_string(r) + ".jpg", 64, 40);
    add("OR_Rank4.jpg", 64, 40);
    add("Coal_Rank5.jpg", 64, 40);
    add("Synd_Rank3.jpg", 64, 40);
    add("Fed-Medal-SilverStar.jpg", 60, 90);
    add("Fed-Medal-GoldStar.jpg", 60, 90);
    add("Outerrim-Medal-GoldStar.jpg", 60, 90);
    add("Synd-Medal-SilverStar.jpg", 60, 90);
    add("Coal-Medal-GoldStar.jpg", 60, 90);
    add("Fed-MedalofHonor.jpg", 60, 90);
    for (const char* f : {"Fed", "Outerrim", "Coal", "Synd"})
      for (int r = 1; r <= 11; ++r) add(std::string(f) + "-Ribbon" + std::to_string(r) + ".jpg", 34, 12);
    add("awardplace.jpg", 60, 18);
    add("Uni-Fed-blank.jpg", 120, 140);
    add("Uni-Synd-blank-com-fem.jpg", 120, 140);
    add("Uni-Fed-Capt-shoulder.jpg", 70, 24);
    add("Uni-OR-Lt-collar.jpg", 40, 30);
    add("Fed-Pilotwings.jpg", 80, 30);
    for (const char* l : {"FederationLogo", "OuterRimLogo", "CoalitionLogo", "SyndicateLogo"}) add(std::string(l) + ".jpg", 80, 80);
    for (const char* b : {"GalaxyMapBlip_Fed", "GalaxyMapBlip_OuterR", "GalaxyMapBlip_Coal", "GalaxyMapBlip_Synd", "Battleicon"})
      add(std::string(b) + ".jpg", 24, 24);
    add("FedAwardBackgr.jpg", 200, 150);
  }
  if (g == "ui" || g == "all") {
    add("StartScreen_06.jpg", 200, 32, "Start a new game");
    add("StartScreen_06_Highlighted.jpg", 200, 32, "Start a new game");
    add("GameSettings_02.jpg", 200, 28, "Music");
    add("GameSettingsMouseOver_02.jpg", 200, 28, "Music");
    add("GameSettingsON_02.jpg", 200, 28, "Music");
    add("GameSettingsON+_02.jpg", 200, 28, "Music");
    add("Mission-Screen_25.jpg", 240, 24, "Escort a freighter");
    add("Mission-ScreenH_25.jpg", 240, 24, "Escort a freighter");
    add("Message4Int_02.jpg", 90, 28, "Yes");
    add("Message4Int_02_Highlighted.jpg", 90, 28, "Yes");
    add("StartScreen_03.jpg", 40, 40);
    add("StartScreen_03_Highlighted.jpg", 40, 40);
    for (const char* s : {"Skill_Fire_Gun", "Skill_Fire_Missiles", "Skill_ECM", "Skill_Cloak", "Skill_EMP2",
                          "Skill_FocusedShield", "Skill_Trader", "Skill_CargoManagerAdv", "Skill_Flee", "Skill_Tractorbeam",
                          "Skill_Reinforcements", "Skill_shipspecial"}) {
      add(std::string(s) + "_on.jpg", 48, 48);
      add(std::string(s) + "_off.jpg", 48, 48);
    }
    add("Skill_EMP_ActiveMod.jpg", 32, 32);
    add("Skill_Lock_ActiveMod.jpg", 32, 32);
    for (const char* e : {"Equipment_Laser", "Equipment_Zeus", "Equipment_Traveller", "Equipment_Quicklock", "Equipment_Defender",
                          "Equipment_Hospital"})
      add(std::string(e) + ".jpg", 64, 64);
    add("equipment_gun_normal.jpg", 64, 40);
    add("equipment_gun_mouseover.jpg", 64, 40);
    add("equipment_gun_selected.jpg", 64, 40);
    // the boarding screen's deck plan, one row per state, from the nose to the stern
    for (const char* look : {"red", "grey", "blue"}) {
      add(std::string("crewcombat_") + look + "_bridge_normal.jpg", 236, 90);
      add(std::string("crewcombat_") + look + "_cargo_normal.jpg", 236, 128);
      add(std::string("crewcombat_") + look + "_corridor_normal.jpg", 236, 100);
      add(std::string("crewcombat_") + look + "_airlock_normal.jpg", 236, 90);
    }
    add("crewcombat_red_airlock_mouseover.jpg", 236, 90, "Airlock (Enemy)");
    add("crewcombat_blue_bridge_mouseover.jpg", 236, 90, "Bridge (Friendly)");
    for (const char* m : kMissionLogos) add(std::string(m) + ".jpg", 62, 62);
    add("Mission_PatrolLogo.jpg", 92, 92);
    add("Mission_AttackCapLogo.jpg", 92, 92);
    add("Marker_Player.jpg", 30, 30);
    add("Marker_Mission.jpg", 30, 30);
    add("Marker_Select.jpg", 30, 30);
  }
  if (g == "awards") {  // the mission badges and campaign ribbons at the sizes the screens use
    for (int size : {62, 92})
      for (const char* m : kMissionLogos) add(std::string(m) + ".jpg", size, size);
    add("Mission_Marine.jpg", 62, 62);
    add("PirateLogo.jpg", 62, 62);
    add("FederationLogo.jpg", 62, 62);
    for (const char* f : {"Fed", "Outerrim", "Coal", "Synd"})
      for (int r = 1; r <= 11; ++r) add(std::string(f) + "-Ribbon" + std::to_string(r) + ".jpg", 28, 10);
    for (const char* f : {"Fed", "Synd"})
      for (int r = 1; r <= 11; r += 5) add(std::string(f) + "-Ribbon" + std::to_string(r) + ".jpg", 200, 64);
  }
  if (g == "small") {
    for (const char* p : {"Sun", "Earth", "Moon", "Mars", "Jupiter", "Saturn", "wormhole", "earth4", "desert1", "dark5",
                          "asteroids", "PirateBase", "lifepod", "treasure", "ghostship", "alienartifact", "secretdata"})
      add(std::string(p) + ".jpg", 28, 28);
    for (const char* s : {"Skill_Fire_Gun_on", "Skill_Cloak_off", "Skill_EMP_ActiveMod", "Skill_Trader_on"})
      add(std::string(s) + ".jpg", 24, 24);
    add("hero1_20y.jpg", 48, 58);
    add("Fedpilot1.jpg", 48, 58);
    add("FederationLogo.jpg", 24, 24);
    add("Fed_Rank6.jpg", 32, 20);
    add("Federation_Paladin_topwire.jpg", 60, 45);
    add("Pirate_Patton_scene.jpg", 100, 66);
    add("Pirate_Patton_l_f2.jpg", 100, 60);
    add("GameSettingsON_02.jpg", 90, 16, "Music");
  }
  if (g == "worlds") {
    for (const char* p : {"earth1", "earth2", "earth3", "earth4", "earth5", "earth6", "earth7", "earth8", "earth11", "earth12",
                          "earth13", "earth15", "red1", "red2", "red3", "red4", "red5", "red6", "red7", "dark1", "dark3",
                          "dark5", "dark6", "dark7", "desert1", "desert3", "desert5", "desert6", "desert7", "desert8",
                          "jungle1", "jungle2", "jungle7", "toxic1", "toxic2", "ice1", "ocean1"})
      add(std::string(p) + ".jpg", 56, 56);
  }
  if (g == "wires") {
    for (const char* t : {"Starwolf", "Killerbee", "Orion", "Shadowcat", "Hellcat", "Patton", "Shark", "Ferendar", "Neptun",
                          "Galaxy", "Corsair", "Marauder", "Skybreaker", "Blackjack", "OrionSquad", "Spacestation"})
      add(std::string("Federation_") + t + "_topwire.jpg", 140, 105);
  }
  if (g == "big") {
    add("hero2_20y.jpg", 200, 240);
    add("hero1_70y.jpg", 200, 240);
    add("Pirate_Marauder_scene.jpg", 480, 320);
    add("StartScreen_01.jpg", 800, 600);
  }
  if (g == "scenes" || g == "all") {
    add("StartScreen_01.jpg", 400, 300);
    add("Message3_01.jpg", 300, 200, "Not enough money!");
    for (const char* s : {"news", "explosion", "Victory", "Victoryg", "Battlefleet", "GeneralMissionPic", "Ruvevid"})
      add(std::string(s) + ".jpg", 240, 160);
    add("", 120, 60);
    add("\xff\xfe weird name \x01.jpg", 120, 60, "bad \xe9 caption");
    add("Shield_99999999999999.jpg", 20, 60);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quellmark-artsheet OUT.png [planets|ships|combat|people|ui|scenes|awards|all]\n");
    return 2;
  }
  const std::string group = argc > 2 ? argv[2] : "all";
  const std::vector<Cell> cells = Group(group);
  if (cells.empty()) {
    std::fprintf(stderr, "unknown group %s\n", group.c_str());
    return 2;
  }
  // Simple shelf packing, rows of at most 1200 pixels.
  const int maxW = 1200, pad = 8, label = 14;
  struct Placed {
    int x, y;
  };
  std::vector<Placed> at;
  int x = pad, y = pad, rowH = 0, width = 0;
  for (const Cell& c : cells) {
    if (x + c.w + pad > maxW && x > pad) {
      x = pad;
      y += rowH + label + pad;
      rowH = 0;
    }
    at.push_back({x, y});
    x += std::max(c.w, 60) + pad;
    rowH = std::max(rowH, c.h);
    width = std::max(width, x);
  }
  const int height = y + rowH + label + pad;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 9);
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    qm::art::Image img = qm::art::Draw({c.name, c.w, c.h, c.caption});
    if (img.width > 0) {
      cairo_surface_t* s = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(img.pixels.data()),
                                                               CAIRO_FORMAT_ARGB32, img.width, img.height, img.width * 4);
      cairo_set_source_surface(cr, s, at[i].x, at[i].y);
      cairo_paint(cr);
      cairo_surface_destroy(s);
    }
    std::string shown = c.name.substr(0, 22);
    for (char& ch : shown)
      if (static_cast<unsigned char>(ch) < 32 || static_cast<unsigned char>(ch) > 126) ch = '?';
    cairo_set_source_rgb(cr, 0.75, 0.78, 0.82);
    cairo_move_to(cr, at[i].x, at[i].y + c.h + 10);
    cairo_show_text(cr, shown.c_str());
  }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(sheet, argv[1]) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", argv[1]);
  return ok ? 0 : 1;
}
