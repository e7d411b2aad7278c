#pragma once
// The built-in art kit: draws any picture of the game from its file name, so
// every screen is complete without picture files. It uses Cairo only (no
// window system), draws at the real pixel size it is asked for, and is safe to
// call with any name: an unknown name still gives a tasteful picture.
#include <cstdint>
#include <string>
#include <vector>

// Names the kit knows (case does not matter; ".jpg"/".bmp" and folders are ignored):
//   planets "Sun", "Earth", "earth4", "desert7", ... "wormhole", "asteroids", "PirateBase"
//     (+ "r" large view with backdrop, + "rg" the same in grey); space objects "lifepod",
//     "treasure", "ghostship", "alienartifact", "secretdata" (+ "r");
//   ships faction prefix + stem + "_scene", "_scene_sm", "_topwire", "_sidewire", "_l_n",
//     "_l_s", "_l_f<k>", "_r_..." (combat views are transparent around the ship), "_R"/"_L";
//     missiles "..._Side_l"/"_Side_r", "Federation_Missile_R"; "NotAvailable";
//   fleet symbols "ship_blue_large_left_on.bmp", "red_station_off.bmp", "starsystem_red.bmp";
//   gauges "Shield_NN", "Combo_0N", "AP8xN", "Travelscreen_ShieldBar_N", "TravelScreen_ExpBar_N",
//     "left_reinforcements_N" (numbers out of range are clamped);
//   portraits "hero1_20y" .. "hero3_150y", "Fedpilot1", "PiratePilot", "Trader", "Crew_...";
//   mission badges "Mission_" + type + "Logo" ("Mission_PatrolLogo"), other "Mission_..." a plain badge;
//   insignia "Fed_Rank3", "...-Medal-GoldStar", "...-Ribbon7", "Uni-...", "...Pilotwings",
//     "FederationLogo", "GalaxyMapBlip_Fed", "Battleicon", "awardplace", "FedAwardBackgr",
//     and any name containing "marker" (a reticle: "player" green, "mission" amber, else cyan);
//   icons "Skill_..._on/_off/_ActiveMod", "Equipment_Laser", "equipment_gun_normal/_mouseover/_selected";
//   message pictures "news", "explosion", "Victory", "Victoryg", "Battlefleet", "GeneralMissionPic";
//   screen items prefix + "_NN" with "_Highlighted"/"_H", "MouseOver", "ON", "ON+", "H" variants:
//     up to 64 px high (90 with a caption) a button, larger the screen's backdrop or panel.
// Any other name still gives a tasteful button or panel.
namespace qm::art {

struct Request {
  std::string name;     // bare picture file name, e.g. "Earth.jpg", "StartScreen_06_Highlighted.jpg"
  int width = 0;        // pixel size to draw at (the canvas size times the window's scale)
  int height = 0;
  std::string caption;  // text a button or panel picture carries, if any (drawn by the kit)
  double scale = 1.0;   // pixels per canvas unit: the kit tells buttons from panels by their canvas size
};

// Premultiplied ARGB, one uint32_t per pixel, row-major, no padding (Cairo's ARGB32 layout).
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Draws the picture; width or height below 1 (or above 16384) give an empty image.
// The same request always gives the same pixels.
Image Draw(const Request& request);

// The family a name is drawn by ("planet", "ship", "button", ... or "fallback").
std::string FamilyOf(const std::string& name);

// A sensible size for a picture whose screen gives no size of its own
// (e.g. a location picture 40 x 40, a ship scene 300 x 200).
struct Size {
  int width = 0;
  int height = 0;
};
Size NaturalSize(const std::string& name);

// Writes an image as PNG (for screenshots and contact sheets); false on failure.
bool WritePng(const Image& image, const std::string& path);

}  // namespace qm::art
