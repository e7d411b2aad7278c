#include "world/news.h"

#include "state/game_state.h"

namespace qm {

int AddNewsEntry() {
  for (int r = kNewsEntries; r >= 2; --r) {
    Game.NewsData[r] = Game.NewsData[r - 1];
    Game.NewsText[r] = Game.NewsText[r - 1];
  }
  Game.NewsData[1] = IntRow{};
  Game.NewsText[1].clear();
  return 1;
}

}  // namespace qm
