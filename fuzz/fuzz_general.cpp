// The general data (settings, slot names, highscores) from a hostile hand: the
// input is cut into GeneralData.int and GeneralData.str and read as at a start.
// What was read must write back and read again to the same values.
#include "fuzz_support.h"
#include "state/file_io.h"
#include "state/game_state.h"
#include "state/savegame.h"

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (SetSaveDirectory(fuzz::Folder()), true);
  (void)ready;
  const size_t cut = fuzz::SplitPoint(size, kGeneralIntBytes, kGeneralStrBytes);
  fuzz::WriteFile("GeneralData.int", data, cut);
  fuzz::WriteFile("GeneralData.str", data + cut, size - cut);
  LoadGeneralData();
  for (int s = 1; s <= 4; ++s) fuzz::Check(General.SaveSlotName[s].size() <= 4 * 30, "slot names are cut");
  for (int e = 1; e <= 5; ++e) fuzz::Check(General.HighscoreName[e].size() <= 4 * 30, "highscore names are cut");
  const auto ints = EncodeGeneralInts();
  const auto strs = EncodeGeneralStrings();
  fuzz::Check(DecodeGeneral(ints, strs), "written general data decodes");
  fuzz::Check(EncodeGeneralInts() == ints && EncodeGeneralStrings() == strs, "general data reads back the same");
  return 0;
}
