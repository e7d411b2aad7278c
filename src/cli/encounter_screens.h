#pragma once
// The boarding and fleet screens of the console: moves given with `board ...`
// and `fleet ...` before the screen opened are played first, in order; then the
// built-in leader decides until the screen closes.
#include <iosfwd>

namespace qm {

void RunConsoleBoarding(std::ostream& out);
void RunConsoleFleetBattle(std::ostream& out);

}  // namespace qm
