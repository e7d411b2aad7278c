#pragma once
// The sentences of the trade news articles. "{S}" stands for the system's
// name and "{C}" for the commodity's name.
#include <string_view>

namespace qm {

// Variants 1..10; anything else gives an empty sentence.
std::string_view tradeNewsOpener(int variant);
// Kinds 1..4 ("Need for", "Surplus of", "Pirates attack", "Increased patrols").
std::string_view tradeNewsReport(int kind, int variant);
std::string_view tradeNewsCloser(int kind, int variant);

}  // namespace qm
