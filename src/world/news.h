#pragma once
// The news list: twenty entries, the newest in row 1.
#include <string>

namespace qm {

// Kinds of a news entry (NewsData field 2).
namespace NewsKind {
enum : int { NeedFor = 1, SurplusOf = 2, PiratesAttack = 3, IncreasedPatrols = 4, WarDeclared = 5, CeaseFire = 6,
             UnderAttack = 7, Conquered = 8, InvasionFailed = 9 };
}

// Shifts rows 1..19 (every field and the headline) down to rows 2..20, dropping
// row 20, and returns row 1, emptied, for the new entry.
int AddNewsEntry();

// The full article of news row r (1..20): war stories for kinds 5..9, trade
// stories for kinds 1..4; the story variant is drawn on first use and kept.
// Empty for an empty row.
std::string NewsStory(int row);

}  // namespace qm
