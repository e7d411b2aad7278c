#pragma once
// Boarding a crippled enemy after a battle, area by area.

namespace qm {

// Sets up the first area and shows the boarding screen modally.
void StartBoarding();

}  // namespace qm
