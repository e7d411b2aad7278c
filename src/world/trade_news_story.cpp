#include "world/news.h"

#include "state/game_state.h"

namespace qm {

// Until the trade stories are written a trade article repeats its headline.
std::string TradeNewsStory(int row) { return Game.NewsText[row]; }

}  // namespace qm
