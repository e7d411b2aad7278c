#pragma once
// How a boarding ends: plunder, capture, the ship hospital, closing the screen.

namespace qm {

// The cargo bay is blown up after its cargo was looted: the enemy ship is destroyed.
void PlunderCargoBay();
// The bridge is taken: the ship is captured, sold or kept, and its passengers pay.
void CaptureShip();
// With the hospital cargo module half of the crew lost in this boarding returns.
void ShipHospital();
// Closes the boarding screen; the ship battle ends with it.
void CloseBoardingScreen();

}  // namespace qm
