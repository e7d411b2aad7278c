#pragma once
// The boarding and fleet screens of the console. In `pilot manual` mode the
// next script lines are the moves (`board ...`, `fleet ...`) until the script
// hands over with `pilot auto` or runs dry; otherwise, and from then on, the
// built-in leader decides until the screen closes. A ship battle or boarding
// opened from such a screen reads its own moves (`act`, `end`, `board ...`)
// from the lines that follow.

namespace qm {

class ConsoleFrontend;

void RunConsoleBoarding(ConsoleFrontend& frontend);
void RunConsoleFleetBattle(ConsoleFrontend& frontend);

}  // namespace qm
