// The art kit: every picture family is reached by its names, variants and
// numbers change the picture, and no name or size can make it fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "state/equipment_limits.h"
#include "catalogue/ships.h"
#include "art/art_kit.h"
#include "art/paint.h"

namespace qm::art {
namespace {

Image Pic(const std::string& name, int w = 64, int h = 64, const std::string& caption = "") {
  return Draw({name, w, h, caption});
}

bool Drawn(const Image& img) {
  for (uint32_t p : img.pixels)
    if (p >> 24) return true;
  return false;
}

// Premultiplied pixels never have a colour brighter than their alpha.
bool Premultiplied(const Image& img) {
  for (uint32_t p : img.pixels) {
    const uint32_t a = p >> 24;
    if (((p >> 16) & 255) > a || ((p >> 8) & 255) > a || (p & 255) > a) return false;
  }
  return true;
}

size_t Differing(const Image& a, const Image& b) {
  if (a.pixels.size() != b.pixels.size()) return SIZE_MAX;
  size_t n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

// Names of every family with the family that draws them.
const std::vector<std::pair<std::string, std::string>>& FamilyCases() {
  static const std::vector<std::pair<std::string, std::string>> cases = {
      {"Shield_07.jpg", "gauge"},
      {"Combo_03.jpg", "gauge"},
      {"AP8x5.jpg", "gauge"},
      {"Travelscreen_ShieldBar_12.jpg", "gauge"},
      {"TravelScreen_ExpBar_4.jpg", "gauge"},
      {"left_reinforcements_2.jpg", "gauge"},
      {"ship_blue_large_left_on.bmp", "fleet"},
      {"red_station_off.bmp", "fleet"},
      {"starsystem_red.bmp", "fleet"},
      {"Equipment_ArrowMissile_Side_l.jpg", "missile"},
      {"Federation_Missile_R.jpg", "missile"},
      {"Skill_Fire_Gun_on.jpg", "icon"},
      {"Skill_EMP_ActiveMod.jpg", "icon"},
      {"Skill_Reinforcements_on.jpg", "icon"},
      {"Skill_ShieldBoost_off.jpg", "icon"},
      {"Equipment_Laser.jpg", "icon"},
      {"equipment_gun_selected.jpg", "icon"},
      {"Federation_Starwolf_scene.jpg", "ship"},
      {"Pirate_Marauder_topwire.jpg", "ship"},
      {"Outerrim_Hellcat_sidewire.jpg", "ship"},
      {"Syndicate_Corsair_l_f4.jpg", "ship"},
      {"Coalition_Galaxy_r_s.jpg", "ship"},
      {"Pirate_Spacestation_Scene.jpg", "ship"},
      {"NotAvailable.jpg", "ship"},
      {"Fed_Rank3.jpg", "insignia"},
      {"Synd-Medal-GoldStar.jpg", "insignia"},
      {"Fed-Ribbon7.jpg", "insignia"},
      {"Uni-Fed-blank-com-fem.jpg", "insignia"},
      {"Uni-OR-Capt-shoulder.jpg", "insignia"},
      {"FederationLogo.jpg", "insignia"},
      {"Mission_PatrolLogo.jpg", "emblem"},
      {"Mission_Marine.jpg", "emblem"},
      {"GalaxyMapBlip_Coal.jpg", "insignia"},
      {"Battleicon.jpg", "insignia"},
      {"awardplace.jpg", "insignia"},
      {"FedAwardBackgr.jpg", "insignia"},
      {"hero2_50y.jpg", "portrait"},
      {"Fedpilot1.jpg", "portrait"},
      {"PiratePilot.jpg", "portrait"},
      {"Trader.jpg", "portrait"},
      {"Crew_Droid.jpg", "portrait"},
      {"lifepod.jpg", "object"},
      {"treasurer.jpg", "object"},
      {"ghostshipr.jpg", "object"},
      {"ghostship.jpg", "object"},
      {"alienartifact.jpg", "object"},
      {"secretdata.jpg", "object"},
      {"Sun.jpg", "planet"},
      {"earth4.jpg", "planet"},
      {"wormholer.jpg", "planet"},
      {"asteroids.jpg", "planet"},
      {"PirateBase.jpg", "planet"},
      {"earth13rg.jpg", "planet"},
      {"news.jpg", "scene"},
      {"explosion.jpg", "scene"},
      {"Battlefleet.jpg", "scene"},
      {"GeneralMissionPic.jpg", "scene"},
      {"StartScreen_06_Highlighted.jpg", "button"},
      {"GameSettingsON+_02.jpg", "button"},
      {"Mission-ScreenH_25.jpg", "button"},
      {"crewcombat_red_airlock_normal.jpg", "button"},
      {"SomethingNobodyDrew.jpg", "fallback"},
  };
  return cases;
}

TEST(ArtKit, EveryFamilyIsReachedByItsNames) {
  for (const auto& [name, family] : FamilyCases()) {
    EXPECT_EQ(FamilyOf(name), family) << name;
    const Image img = Pic(name);
    EXPECT_TRUE(Drawn(img)) << name;
    EXPECT_TRUE(Premultiplied(img)) << name;
    const Size natural = NaturalSize(name);
    EXPECT_GT(natural.width, 0) << name;
    EXPECT_GT(natural.height, 0) << name;
  }
}

// Every picture name the game's catalogue builds lands in the family meant for it.
TEST(ArtKit, TheCataloguesNamesReachTheirFamilies) {
  for (int id = 1; id <= 37; ++id) {
    const std::string base = combatActionPicture(id);
    ASSERT_FALSE(base.empty()) << id;
    for (const char* suffix : {"_on.jpg", "_off.jpg", "_ActiveMod.jpg"}) EXPECT_EQ(FamilyOf(base + suffix), "icon") << base;
  }
  for (int id = 1; id <= 31; ++id) {
    const std::string base = abilityPicture(id);
    if (base.empty()) continue;
    EXPECT_EQ(FamilyOf(base + "_on.jpg"), "icon") << base;
  }
  for (int faction = 0; faction <= 4; ++faction) {
    for (int type = -1; type <= kShipTypes; ++type) {
      if (type == 0) continue;
      const std::string stem = shipPictureName(type, faction);
      for (const char* suffix : {"_scene.jpg", "_scene_sm.jpg", "_topwire.jpg", "_sidewire.jpg", "_l_n.jpg", "_l_s.jpg",
                                 "_l_f2.jpg", "_r_n.jpg", "_r_f8.jpg", "_Scene.jpg", "_R.jpg"})
        EXPECT_EQ(FamilyOf(stem + suffix), "ship") << stem + suffix;
    }
  }
  EXPECT_EQ(FamilyOf(shipPictureName(0, 1) + ".jpg"), "ship");
  for (int item = 0; item < kGunItems; ++item) EXPECT_EQ(FamilyOf(gunPictureBase(item) + ".jpg"), "icon");
  for (int item = 0; item < kMissileItems; ++item) {
    EXPECT_EQ(FamilyOf(missilePictureBase(item) + ".jpg"), "icon");
    EXPECT_EQ(FamilyOf(missilePictureBase(item) + "_Side_l.jpg"), "missile");
    EXPECT_EQ(FamilyOf(missilePictureBase(item) + "_Side_r.jpg"), "missile");
  }
  for (int item = 0; item < kEngineItems; ++item) EXPECT_EQ(FamilyOf(enginePictureBase(item) + ".jpg"), "icon");
  for (int item = 0; item < kTargetingItems; ++item) EXPECT_EQ(FamilyOf(targetingPictureBase(item) + ".jpg"), "icon");
  for (int item = 0; item < kEcmItems; ++item) EXPECT_EQ(FamilyOf(ecmPictureBase(item) + ".jpg"), "icon");
  for (int item = 0; item < kCargoSystemItems; ++item) EXPECT_EQ(FamilyOf(cargoSystemPictureBase(item) + ".jpg"), "icon");
  for (int portrait = 0; portrait <= 2; ++portrait)
    for (int age : {20, 40, 60, 100, 200}) EXPECT_EQ(FamilyOf(portraitPicture(portrait, age)), "portrait");
  // the location pictures by number, and their large and grey views
  for (const char* name : {"Sun", "Earth", "Moon", "Mars", "Jupiter", "Saturn", "wormhole", "earth4", "earth3", "earth2",
                           "jungle1", "desert1", "dark5", "red3", "dark3", "dark1", "red6", "dark6", "earth5", "earth6",
                           "earth7", "red7", "dark7", "asteroids", "PirateBase", "earth15", "red4", "toxic2", "desert6",
                           "desert7", "desert3", "jungle2", "red5", "earth8", "toxic1", "desert5", "ice1", "desert8",
                           "earth11", "earth13", "earth12", "ocean1", "red1", "earth1", "jungle7", "red2"}) {
    for (const char* suffix : {".jpg", "r.jpg", "rg.jpg"}) EXPECT_EQ(FamilyOf(std::string(name) + suffix), "planet") << name;
  }
}

TEST(ArtKit, VariantsOfOneItemDifferButKeepTheirSize) {
  const std::vector<std::vector<std::string>> groups = {
      {"StartScreen_06.jpg", "StartScreen_06_Highlighted.jpg"},
      {"GameSettings_02.jpg", "GameSettingsMouseOver_02.jpg", "GameSettingsON_02.jpg", "GameSettingsON+_02.jpg"},
      {"Mission-Screen_25.jpg", "Mission-ScreenH_25.jpg"},
      {"HighScoresScreen_34.jpg", "HighScoresScreen_34_H.jpg"},
      {"Skill_Cloak_on.jpg", "Skill_Cloak_off.jpg", "Skill_Cloak_ActiveMod.jpg"},
      {"equipment_gun_normal.jpg", "equipment_gun_mouseover.jpg", "equipment_gun_selected.jpg"},
      {"ship_blue_med_left_on.bmp", "ship_blue_med_left_over.bmp", "ship_blue_med_left_off.bmp"},
      {"Federation_Paladin_l_n.jpg", "Federation_Paladin_l_s.jpg", "Federation_Paladin_l_f1.jpg",
       "Federation_Paladin_l_f5.jpg", "Federation_Paladin_r_n.jpg"},
      {"earth4.jpg", "earth4r.jpg", "earth4rg.jpg"},
      {"Victory.jpg", "Victoryg.jpg"},
  };
  for (const auto& group : groups) {
    std::vector<Image> images;
    for (const std::string& name : group) images.push_back(Pic(name, 160, 40, "Caption"));
    for (size_t i = 0; i < images.size(); ++i) {
      EXPECT_EQ(images[i].width, 160);
      EXPECT_EQ(images[i].height, 40);
      for (size_t j = i + 1; j < images.size(); ++j)
        EXPECT_GT(Differing(images[i], images[j]), 0u) << group[i] << " vs " << group[j];
    }
  }
}

TEST(ArtKit, GaugesFollowTheNumberAndClampOutOfRange) {
  auto distinct = [](const std::vector<std::string>& names, int w, int h) {
    std::set<std::vector<uint32_t>> seen;
    for (const std::string& n : names) seen.insert(Pic(n, w, h).pixels);
    return seen.size();
  };
  std::vector<std::string> shields, bars, exp;
  for (int i = 0; i <= 30; ++i) shields.push_back("Shield_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".jpg");
  for (int i = 0; i <= 25; ++i) bars.push_back("Travelscreen_ShieldBar_" + std::to_string(i) + ".jpg");
  for (int i = 0; i <= 19; ++i) exp.push_back("TravelScreen_ExpBar_" + std::to_string(i) + ".jpg");
  EXPECT_EQ(distinct(shields, 20, 124), 31u);
  EXPECT_EQ(distinct(bars, 130, 12), 26u);
  EXPECT_EQ(distinct(exp, 120, 12), 20u);
  EXPECT_EQ(distinct({"Combo_00.jpg", "Combo_01.jpg", "Combo_02.jpg", "Combo_03.jpg", "Combo_04.jpg", "Combo_05.jpg"}, 120, 20),
            6u);
  std::vector<std::string> ap;
  for (int i = 0; i <= 8; ++i) ap.push_back("AP8x" + std::to_string(i) + ".jpg");
  EXPECT_EQ(distinct(ap, 140, 20), 9u);
  EXPECT_EQ(distinct({"left_reinforcements_1.jpg", "left_reinforcements_2.jpg", "left_reinforcements_3.jpg",
                      "right_reinforcements_1.jpg"}, 64, 64),
            4u);
  // beyond the scale the gauge shows its end, never something else
  EXPECT_EQ(Pic("Shield_45.jpg", 20, 120).pixels, Pic("Shield_30.jpg", 20, 120).pixels);
  EXPECT_EQ(Pic("Shield_99999999999999999999.jpg", 20, 120).pixels, Pic("Shield_30.jpg", 20, 120).pixels);
  EXPECT_EQ(Pic("Combo_77.jpg", 120, 20).pixels, Pic("Combo_05.jpg", 120, 20).pixels);
  EXPECT_EQ(Pic("Travelscreen_ShieldBar_26.jpg", 130, 12).pixels, Pic("Travelscreen_ShieldBar_25.jpg", 130, 12).pixels);
}

TEST(ArtKit, PlanetsShipsAndPeopleDifferByName) {
  auto allDistinct = [](const std::vector<std::string>& names, int w, int h) {
    std::set<std::vector<uint32_t>> seen;
    for (const std::string& n : names) seen.insert(Pic(n, w, h).pixels);
    return seen.size() == names.size();
  };
  EXPECT_TRUE(allDistinct({"earth1.jpg", "earth2.jpg", "earth3.jpg", "earth4.jpg", "desert1.jpg", "desert3.jpg",
                           "dark1.jpg", "red3.jpg", "toxic1.jpg", "ice1.jpg", "ocean1.jpg", "Jupiter.jpg", "Saturn.jpg",
                           "Moon.jpg", "Mars.jpg", "Earth.jpg", "Sun.jpg", "wormhole.jpg"},
                          48, 48));
  // the same ship in every livery, and every ship type in one livery
  EXPECT_TRUE(allDistinct({"Pirate_Patton_scene.jpg", "Federation_Patton_scene.jpg", "Outerrim_Patton_scene.jpg",
                           "Coalition_Patton_scene.jpg", "Syndicate_Patton_scene.jpg"},
                          150, 100));
  std::vector<std::string> types;
  for (const char* s : {"Starwolf", "Stargun", "Avenger", "Killerbee", "Orion", "Shadowcat", "Paladin", "Hellcat",
                        "Patton", "Shark", "Ferendar", "OrionSquad", "Neptun", "Galaxy", "Corsair", "Marauder",
                        "Skybreaker", "Blackjack", "Spacestation"})
    types.push_back(std::string("Federation_") + s + "_topwire.jpg");
  EXPECT_TRUE(allDistinct(types, 120, 90));
  EXPECT_TRUE(allDistinct({"hero1_20y.jpg", "hero1_35y.jpg", "hero1_50y.jpg", "hero1_70y.jpg", "hero1_150y.jpg",
                           "hero2_20y.jpg", "hero3_20y.jpg"},
                          100, 120));
  EXPECT_TRUE(allDistinct({"Fed_Rank1.jpg", "Fed_Rank2.jpg", "Fed_Rank5.jpg", "Fed_Rank8.jpg", "OR_Rank1.jpg"}, 64, 40));
  EXPECT_TRUE(allDistinct({"FederationLogo.jpg", "OuterRimLogo.jpg", "CoalitionLogo.jpg", "SyndicateLogo.jpg"}, 64, 64));
}

// The share of pixels whose colour or cover differs clearly (by more than 24 in a channel).
double Apart(const Image& a, const Image& b) {
  if (a.pixels.size() != b.pixels.size() || a.pixels.empty()) return 1;
  size_t n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    for (int s = 0; s < 32; s += 8)
      if (std::abs(static_cast<int>((a.pixels[i] >> s) & 255) - static_cast<int>((b.pixels[i] >> s) & 255)) > 24) {
        ++n;
        break;
      }
  return static_cast<double>(n) / a.pixels.size();
}

double Share(const Image& img, bool (*test)(uint32_t)) {
  size_t n = 0;
  for (uint32_t p : img.pixels) n += test(p);
  return img.pixels.empty() ? 0 : static_cast<double>(n) / img.pixels.size();
}

const std::vector<std::string> kMissionLogos = {
    "Mission_SearchandDestroyLogo.jpg", "Mission_AttackCapLogo.jpg", "Mission_BountyLogo.jpg",
    "Mission_PatrolLogo.jpg",           "Mission_EscortLogo.jpg",    "Mission_ReportForDutyLogo.jpg",
    "Mission_TransportLogo.jpg",        "Mission_SupplyLogo.jpg",    "Mission_InfiltrateLogo.jpg",
    "Mission_ReconLogo.jpg",            "Mission_VIPabductLogo.jpg"};

// Each mission type has a badge of its own at both board sizes: a solid
// badge with a bright symbol in the middle, never the skull that a name
// ending in "Logo" without a faction gets.
TEST(ArtKit, MissionBadgesDifferByTypeAndNeverShowTheSkull) {
  for (int size : {62, 92}) {
    const Image skull = Pic("NobodysLogo.jpg", size, size);
    const Image plain = Pic("Mission_SomethingNewLogo.jpg", size, size);
    std::vector<Image> badges;
    for (const std::string& name : kMissionLogos) {
      EXPECT_EQ(FamilyOf(name), "emblem") << name;
      const Image img = Pic(name, size, size);
      EXPECT_GT(Share(img, [](uint32_t p) { return (p >> 24) == 255; }), 0.5) << name << " " << size;
      // the symbol: pixels in the middle quarter of the badge lit far above the dark enamel
      size_t bright = 0;
      for (int y = size * 3 / 8; y < size * 5 / 8; ++y)
        for (int x = size * 3 / 8; x < size * 5 / 8; ++x) {
          const uint32_t p = img.pixels[static_cast<size_t>(y * size + x)];
          bright += std::max({(p >> 16) & 255, (p >> 8) & 255, p & 255}) > 170;
        }
      EXPECT_GT(bright, static_cast<size_t>(size * size / 16 / 10)) << name << " " << size;
      EXPECT_GT(Apart(img, skull), 0.3) << name << " " << size;
      EXPECT_GT(Apart(img, plain), 0.05) << name << " " << size;
      badges.push_back(img);
    }
    for (size_t i = 0; i < badges.size(); ++i)
      for (size_t j = i + 1; j < badges.size(); ++j)
        EXPECT_GT(Apart(badges[i], badges[j]), 0.08) << kMissionLogos[i] << " vs " << kMissionLogos[j] << " " << size;
    // mission types without a symbol of their own still get a mission badge
    for (const char* name : {"Mission_SomethingNewLogo.jpg", "Mission_Marine.jpg", "mission_analysis.jpg"}) {
      EXPECT_EQ(FamilyOf(name), "emblem") << name;
      EXPECT_GT(Apart(Pic(name, size, size), skull), 0.3) << name;
    }
  }
  // the faction logos keep their own look
  for (const char* name : {"FederationLogo.jpg", "OuterRimLogo.jpg", "CoalitionLogo.jpg", "SyndicateLogo.jpg"}) {
    EXPECT_EQ(FamilyOf(name), "insignia") << name;
    EXPECT_GT(Apart(Pic(name, 62, 62), Pic("Mission_SomethingNewLogo.jpg", 62, 62)), 0.2) << name;
  }
  EXPECT_NE(FamilyOf("Mission_05.jpg"), "emblem");
}

// Ribbons: the eleven of a faction all differ, even at the uniform's 28 x 10,
// every one carries the faction's colour, covers its whole picture and sits
// in the same metal frame as the rest of its set.
TEST(ArtKit, CampaignRibbonsDifferWithinASetAndWearTheFactionColour) {
  const char* prefixes[] = {"Fed", "Outerrim", "Coal", "Synd"};
  for (int faction = 1; faction <= 4; ++faction) {
    const Rgb main = FactionColor(faction);
    for (auto [w, h] : std::vector<std::pair<int, int>>{{28, 10}, {200, 64}}) {
      std::vector<Image> set;
      for (int k = 1; k <= 11; ++k) {
        const std::string name = std::string(prefixes[faction - 1]) + "-Ribbon" + std::to_string(k) + ".jpg";
        const Image img = Pic(name, w, h);
        EXPECT_EQ(Share(img, [](uint32_t p) { return (p >> 24) == 255; }), 1.0) << name;
        // the faction colour, unshaded along the middle row, in both edge bands
        size_t signature = 0;
        for (int x = 0; x < w; ++x) {
          const uint32_t p = img.pixels[static_cast<size_t>(h / 2 * w + x)];
          signature += std::abs(static_cast<int>((p >> 16) & 255) - main.r * 255) < 30 &&
                       std::abs(static_cast<int>((p >> 8) & 255) - main.g * 255) < 30 &&
                       std::abs(static_cast<int>(p & 255) - main.b * 255) < 30;
        }
        EXPECT_GE(signature, static_cast<size_t>(w / 5)) << name << " " << w << "x" << h;
        set.push_back(img);
      }
      auto border = [w = w, h = h](const Image& img) {
        std::vector<uint32_t> ring;
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x)
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) ring.push_back(img.pixels[static_cast<size_t>(y * w + x)]);
        return ring;
      };
      for (size_t k = 1; k < set.size(); ++k)
        EXPECT_EQ(border(set[k]), border(set[0])) << prefixes[faction - 1] << " ribbon " << k + 1 << " frame";
      // at least two full columns of the cloth tell any two ribbons apart
      for (size_t i = 0; i < set.size(); ++i)
        for (size_t j = i + 1; j < set.size(); ++j)
          EXPECT_GE(Apart(set[i], set[j]) * w * h, 2.0 * (h - 2))
              << prefixes[faction - 1] << " ribbons " << i + 1 << " and " << j + 1 << " at " << w << "x" << h;
    }
  }
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      EXPECT_GT(Apart(Pic(std::string(prefixes[a]) + "-Ribbon5.jpg", 28, 10), Pic(std::string(prefixes[b]) + "-Ribbon5.jpg", 28, 10)),
                0.3)
          << prefixes[a] << " vs " << prefixes[b];
}

// The enemy's combat views face left: they are the player's views mirrored.
TEST(ArtKit, EnemyViewsFaceLeft) {
  const int w = 200, h = 120;
  auto farApart = [](uint32_t p, uint32_t q) {
    for (int s = 0; s < 32; s += 8)
      if (std::abs(static_cast<int>((p >> s) & 255) - static_cast<int>((q >> s) & 255)) > 8) return true;
    return false;
  };
  for (const char* stem : {"Federation_Paladin", "Pirate_Marauder", "Coalition_Galaxy"}) {
    const Image left = Pic(std::string(stem) + "_l_n.jpg", w, h);
    const Image right = Pic(std::string(stem) + "_r_n.jpg", w, h);
    int mirrored = 0, straight = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const uint32_t p = left.pixels[static_cast<size_t>(y * w + x)];
        mirrored += farApart(p, right.pixels[static_cast<size_t>(y * w + (w - 1 - x))]);
        straight += farApart(p, right.pixels[static_cast<size_t>(y * w + x)]);
      }
    }
    EXPECT_LT(mirrored, w * h / 100) << stem;
    EXPECT_GT(straight, w * h / 20) << stem;
  }
}

// A picture drawn at twice the size, shrunk back, is the same picture: every
// measure follows the requested size, so a larger window only makes it sharper.
TEST(ArtKit, TwiceTheSizeIsTheSamePictureSharper) {
  struct Case {
    const char* name;
    int w, h;
    const char* caption;
    double limit;  // mean difference per channel, 0..255
  };
  const Case cases[] = {{"StartScreen_06.jpg", 200, 32, "", 2},        {"StartScreen_06.jpg", 200, 32, "Start a new game", 10},
                        {"earth4.jpg", 64, 64, "", 4},                 {"Pirate_Corsair_r_f3.jpg", 200, 120, "", 2},
                        {"hero2_50y.jpg", 100, 120, "", 2},            {"Shield_12.jpg", 20, 120, "", 2},
                        {"Skill_Cloak_on.jpg", 48, 48, "", 2},         {"Federation_Paladin_topwire.jpg", 120, 90, "", 3},
                        {"FederationLogo.jpg", 64, 64, "", 2},         {"StartScreen_01.jpg", 400, 300, "", 2},
                        {"Federation_Marauder_scene.jpg", 300, 200, "", 2}, {"Fed_Rank5.jpg", 64, 40, "", 3},
                        {"Mission_ReconLogo.jpg", 62, 62, "", 3}, {"Mission_AttackCapLogo.jpg", 62, 62, "", 3}};
  for (const Case& k : cases) {
    const Image small = Draw({k.name, k.w, k.h, k.caption});
    const Image large = Draw({k.name, 2 * k.w, 2 * k.h, k.caption});
    double total = 0;
    for (int y = 0; y < k.h; ++y) {
      for (int x = 0; x < k.w; ++x) {
        for (int s = 0; s < 32; s += 8) {
          double mean = 0;
          for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) mean += (large.pixels[static_cast<size_t>((2 * y + dy) * 2 * k.w + 2 * x + dx)] >> s) & 255;
          total += std::abs(mean / 4 - static_cast<double>((small.pixels[static_cast<size_t>(y * k.w + x)] >> s) & 255));
        }
      }
    }
    EXPECT_LT(total / (k.w * k.h * 4), k.limit) << k.name << " " << k.caption;
  }
}

TEST(ArtKit, ButtonsCarryTheirCaption) {
  const Image plain = Pic("StartScreen_06.jpg", 200, 32);
  const Image a = Pic("StartScreen_06.jpg", 200, 32, "Start a new game");
  const Image b = Pic("StartScreen_06.jpg", 200, 32, "Exit");
  EXPECT_GT(Differing(plain, a), 50u);
  EXPECT_GT(Differing(a, b), 50u);
  // a large item of the same family is the screen's backdrop, not a stretched button
  EXPECT_EQ(FamilyOf("StartScreen_01.jpg"), "button");
  EXPECT_TRUE(Drawn(Pic("StartScreen_01.jpg", 800, 600)));
  // in a window twice the canvas size a button is still a button: the kit
  // judges it by its size on the canvas, not by its pixels
  const Image small = Draw({"TravelScreen_01.jpg", 104, 44, ""});
  const Image sharp = Draw({"TravelScreen_01.jpg", 208, 88, "", 2.0});
  const Image panel = Draw({"TravelScreen_01.jpg", 208, 88, ""});
  // how far a 208 x 88 picture is from the small button shown twice as large
  const auto offButton = [&small](const Image& big) {
    double sum = 0;
    for (int y = 0; y < 88; ++y)
      for (int x = 0; x < 208; ++x) {
        const uint32_t a = big.pixels[static_cast<size_t>(y) * 208 + x];
        const uint32_t b = small.pixels[static_cast<size_t>(y / 2) * 104 + x / 2];
        for (int shift = 0; shift < 32; shift += 8)
          sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
      }
    return sum / (208.0 * 88 * 4);
  };
  EXPECT_LT(offButton(sharp), 12.0);
  EXPECT_GT(offButton(panel), 2 * offButton(sharp)) << "a panel of that size is drawn another way";
}

TEST(ArtKit, SizesOutsideTheCanvasGiveAnEmptyImage) {
  for (auto [w, h] : std::vector<std::pair<int, int>>{{0, 10}, {10, 0}, {-5, 20}, {20, -1}, {100000, 10},
                                                      {10, 1 << 30}, {16384, 16384}}) {
    const Image img = Draw({"earth4.jpg", w, h, ""});
    EXPECT_EQ(img.width, 0) << w << "x" << h;
    EXPECT_TRUE(img.pixels.empty());
  }
  const Image one = Draw({"earth4.jpg", 1, 1, ""});
  EXPECT_EQ(one.width, 1);
  EXPECT_EQ(one.pixels.size(), 1u);
  const Image thin = Draw({"StartScreen_06.jpg", 4000, 2, "Long"});
  EXPECT_EQ(thin.pixels.size(), 8000u);
  // every family copes with slivers and single pixels
  for (const auto& entry : FamilyCases()) {
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {2, 300}, {300, 2}, {7, 5}}) {
      const Image img = Draw({entry.first, w, h, "Caption"});
      EXPECT_EQ(img.pixels.size(), static_cast<size_t>(w) * h) << entry.first;
      EXPECT_TRUE(Premultiplied(img)) << entry.first << " " << w << "x" << h;
    }
  }
}

TEST(ArtKit, HostileNamesAndCaptionsStillDraw) {
  std::string nul("Shield_0\0x.jpg", 14);
  const std::vector<std::string> names = {
      "",
      ".",
      "..jpg",
      "_",
      "___.bmp",
      std::string(100000, 'x') + ".jpg",
      std::string(5000, '_') + "99",
      "../../etc/passwd",
      "C:\\Windows\\hero1_20y.jpg",
      "\xff\xfe\x80\xc3.jpg",
      nul,
      "Shield_-5.jpg",
      "AP8x-3.jpg",
      "Combo_.jpg",
      "hero9_99999999999999y.jpg",
      "hero1_.jpg",
      "Fed_Rank-2.jpg",
      "Fed_Rank99999999999.jpg",
      "Pirate_.jpg",
      "Federation__l_f99999.jpg",
      "Syndicate_X_r_.jpg",
      "earth999999999999999r.jpg",
      "Skill__on.jpg",
      "Fed-Ribbon4294967296.jpg",
      "Fed-Ribbon0.jpg",
      "Mission_.jpg",
      "Mission_Logo.jpg",
      "GameSettingsON+_.jpg",
      "_Highlighted.jpg",
      "ship_blue.bmp",
      "Uni-.jpg",
  };
  for (const std::string& name : names) {
    for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {3, 200}, {48, 48}, {300, 20}}) {
      const Image img = Draw({name, w, h, "\xe9t\xe9 \xff caption \x01 " + std::string(3000, 'W')});
      EXPECT_EQ(img.width, w) << name.substr(0, 40);
      EXPECT_EQ(img.pixels.size(), static_cast<size_t>(w) * h);
      EXPECT_TRUE(Premultiplied(img)) << name.substr(0, 40);
      if (w >= 48) {
        EXPECT_TRUE(Drawn(img)) << name.substr(0, 40);
      }
    }
  }
}

TEST(ArtKit, TheSameRequestGivesTheSamePixels) {
  const std::vector<Request> requests = {{"StartScreen_01.jpg", 320, 240, ""},
                                         {"Pirate_Corsair_r_f3.jpg", 200, 120, ""},
                                         {"earth4r.jpg", 150, 150, ""},
                                         {"hero3_70y.jpg", 80, 96, ""},
                                         {"GameSettingsON+_02.jpg", 180, 28, "Music"}};
  std::vector<Image> first;
  for (const Request& r : requests) first.push_back(Draw(r));
  for (size_t i = requests.size(); i-- > 0;) EXPECT_EQ(Draw(requests[i]).pixels, first[i].pixels) << requests[i].name;
}

TEST(ArtKit, TextIsRepairedBeforeDrawing) {
  EXPECT_EQ(CleanText("plain"), "plain");
  EXPECT_EQ(CleanText("Ship\xb4s log"), "Ship\xc2\xb4s log");  // a Latin-1 byte becomes its character
  EXPECT_EQ(CleanText("caf\xc3\xa9"), "caf\xc3\xa9");          // valid UTF-8 stays
  EXPECT_EQ(CleanText("a\nb\x01"), "a b ");
  EXPECT_EQ(CleanText("\xc0\x80"), "\xc3\x80\xc2\x80");  // an overlong form is not passed on
  EXPECT_LE(CleanText(std::string(1000, 'a'), 40).size(), 41u);
}

TEST(ArtKit, WritesPng) {
  const auto path = std::filesystem::temp_directory_path() / "quellmark_art_test.png";
  std::filesystem::remove(path);
  EXPECT_TRUE(WritePng(Pic("Sun.jpg", 32, 32), path.string()));
  EXPECT_GT(std::filesystem::file_size(path), 100u);
  std::filesystem::remove(path);
  EXPECT_FALSE(WritePng(Image{}, path.string()));
  Image broken{10, 10, {}};
  EXPECT_FALSE(WritePng(broken, path.string()));
  EXPECT_FALSE(WritePng(Pic("Sun.jpg", 8, 8), "/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace qm::art
