#include "world/planet_pictures.h"

#include <array>

#include "catalogue/lookup.h"
#include "state/game_state.h"

namespace qm {
namespace {

constexpr std::array<const char*, 49> kPictures = {
    "Sun",     "Sun",     "Earth",    "Moon",    "Mars",    "Jupiter", "Saturn",  "wormhole", "earth4",  "earth3",
    "earth2",  "jungle1", "desert1",  "dark5",   "red3",    "dark3",   "dark1",   "red6",     "dark6",   "earth5",
    "earth6",  "earth7",  "red7",     "dark7",   "asteroids", "PirateBase", "earth15", "red4", "toxic2", "desert6",
    "desert7", "desert3", "jungle2",  "red5",    "earth8",  "earth8",  "toxic1",  "toxic1",   "desert5", "ice1",
    "desert8", "earth11", "earth13",  "earth12", "ocean1",  "red1",    "earth1",  "jungle7",  "red2",
};

}  // namespace

std::string planetPictureName(int picture) {
  const char* name = entry(kPictures, picture);
  return name ? name : "Sun";
}

std::string locationPictureName(int system, int location) {
  return planetPictureName(Game.LocationData[system][location][Loc::Picture]);
}

}  // namespace qm
