// A savegame slot from a hostile hand: the input is cut into the slot's two
// files (.int, then .str), written to a folder and loaded as the game loads a
// slot. An accepted slot must play a day, show its news and save again into
// files that load.
#include <memory>

#include "fuzz_support.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "world/day_cycle.h"
#include "world/main_screen.h"
#include "world/save_load_actions.h"

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    SetSaveDirectory(fuzz::Folder());
    General.SaveSlotUsed[1] = 1;
    return true;
  }();
  (void)ready;
  const size_t cut = fuzz::SplitPoint(size, kSlotIntBytes, kSlotStrBytes);
  fuzz::WriteFile(SlotIntFileName(1), data, cut);
  fuzz::WriteFile(SlotStrFileName(1), data + cut, size - cut);

  (void)DescribeSlot(1);
  auto loaded = std::make_unique<GameState>();
  std::string why;
  if (!ReadSlotFiles(1, *loaded, why)) {
    fuzz::Check(!why.empty(), "a refused slot says why");
    return 0;
  }
  SeedRandom(1);
  ResetGameState();
  Game = *loaded;
  Run.CurrentSystem = Game.Ship[Sh::System];
  Run.SelectedLocation = Game.Ship[Sh::Location];
  DailyUpdate();
  for (int r = 1; r <= kNewsEntries; ++r) {
    (void)newsLine(r);
    (void)newsArticle(r);
  }
  (void)shipsLogLine();
  std::string error;
  fuzz::Check(WriteSlotFiles(1, error), "an accepted slot can be saved again");
  fuzz::Check(ReadSlotFiles(1, *loaded, why), "a slot saved from an accepted one loads");
  return 0;
}
