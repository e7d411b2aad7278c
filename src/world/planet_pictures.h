#pragma once
#include <string>

namespace qm {

// The picture name of a location picture number (LocationData 13), e.g. 2 "Earth";
// any unknown number gives "Sun". Screens add ".jpg", large views "r.jpg".
std::string planetPictureName(int picture);
// The picture name of location l of system s.
std::string locationPictureName(int system, int location);

}  // namespace qm
