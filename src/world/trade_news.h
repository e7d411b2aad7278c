#pragma once
// Market events: the system events of the day and their trade news.
#include <string>

namespace qm {

// Fields of a news row (NewsData) used by the market events.
namespace News {
enum : int { Present = 1, Kind = 2, FactionA = 3, FactionB = 4, Date = 5, DaysLeft = 6, Commodity = 8,
             System = 13, Opener = 21, Report = 22, Closer = 23 };
}

// Draws the commodity of a "Need for" or "Surplus of" event: a draw of 0..100
// where values above 10 count as 0, repeated until the commodity has a base
// price. Gives up after 1000 draws and returns 0.
int drawEventCommodity();

// The article of trade news row `row` (kinds 1..4), in quotation marks:
// opener, report and closer. Their variants are drawn the first time the
// article is built and kept in the row, so it reads the same every time.
// Any other row gives an empty text.
std::string tradeNewsText(int row);

}  // namespace qm
