#pragma once
// The texts of the faction selection screen: background stories and quotations.
#include <string>

namespace qm {

// The background story of faction 1..4: paragraphs separated by "\n\n".
// "" outside 1..4.
std::string factionBackground(int faction);

// Quotation k (1 or 2) of faction 1..4: a quote in double quotes, " - " and the
// speaker. "" outside those ranges.
std::string factionQuotation(int faction, int k);

}  // namespace qm
