// The system events of the day: each one is a trade news entry that names a
// system and, for shortages and surpluses, a commodity.
#include <string>
#include <string_view>

#include "state/game_state.h"
#include "state/random.h"
#include "world/market.h"
#include "world/news.h"
#include "world/trade_news.h"
#include "world/trade_news_texts.h"

namespace qm {
namespace {

constexpr int kCommodityDraws = 1000;

// The event kind by a draw of 0..99.
int EventKind(int r) {
  if (r < 31) return NewsKind::NeedFor;
  if (r <= 60) return NewsKind::SurplusOf;
  if (r <= 80) return NewsKind::PiratesAttack;
  return NewsKind::IncreasedPatrols;
}

std::string Headline(int kind, int system, int commodity) {
  std::string text = Game.SystemText[system][1] + " : ";
  switch (kind) {
    case NewsKind::NeedFor: return text + "Need for " + Game.CommodityName[commodity];
    case NewsKind::SurplusOf: return text + "Surplus of " + Game.CommodityName[commodity];
    case NewsKind::PiratesAttack: return text + "Pirates attack";
    default: return text + "Increased patrols";
  }
}

// Replaces every "{S}" by the system's name and "{C}" by the commodity's name.
std::string Fill(std::string_view sentence, const std::string& system, const std::string& commodity) {
  std::string out;
  out.reserve(sentence.size() + 32);
  for (size_t i = 0; i < sentence.size(); ++i) {
    if (sentence[i] == '{' && i + 2 < sentence.size() && sentence[i + 2] == '}') {
      if (sentence[i + 1] == 'S') { out += system; i += 2; continue; }
      if (sentence[i + 1] == 'C') { out += commodity; i += 2; continue; }
    }
    out += sentence[i];
  }
  return out;
}

// A stored variant, drawn now when the row holds none yet.
int Variant(IntRow& row, int field) {
  if (row[field] < 1 || row[field] > 10) row[field] = Random(10) + 1;
  return row[field];
}

}  // namespace

int drawEventCommodity() {
  for (int tries = 0; tries < kCommodityDraws; ++tries) {
    int c = Random(101);
    if (c > 10) c = 0;
    if (Game.BasePrice[c] > 0) return c;
  }
  return 0;
}

void updateMarketEvents() {
  for (int r = 1; r <= kNewsEntries; ++r) {
    IntRow& row = Game.NewsData[r];
    if (row[News::Present] > 0 && row[News::DaysLeft] > 0) row[News::DaysLeft] -= 1;
  }
  if (Random(100) > 5) return;
  const int kind = EventKind(Random(100));
  int commodity = 0;
  if (kind == NewsKind::NeedFor || kind == NewsKind::SurplusOf) {
    commodity = drawEventCommodity();
    if (commodity == 0) return;  // no tradeable good found: no event today
  }
  const int days = 20 + Random(30);
  const int system = 1 + Random(kSystems);
  const int r = AddNewsEntry();
  IntRow& row = Game.NewsData[r];
  row[News::Present] = 1;
  row[News::Kind] = kind;
  row[News::Date] = Game.StarDate;
  row[News::DaysLeft] = days;
  row[News::Commodity] = commodity;
  row[News::System] = system;
  Game.NewsText[r] = Headline(kind, system, commodity);
}

std::string tradeNewsText(int r) {
  if (r < 1 || r > kNewsEntries) return "";
  IntRow& row = Game.NewsData[r];
  const int kind = row[News::Kind];
  if (row[News::Present] <= 0 || kind < NewsKind::NeedFor || kind > NewsKind::IncreasedPatrols) return "";
  const std::string system = Game.SystemText[row[News::System]][1];
  const std::string commodity = Game.CommodityName[row[News::Commodity]];
  const int opener = Variant(row, News::Opener);
  const int report = Variant(row, News::Report);
  const int closer = Variant(row, News::Closer);
  return "\"" + std::string(tradeNewsOpener(opener)) + " " + Fill(tradeNewsReport(kind, report), system, commodity) +
         " " + Fill(tradeNewsCloser(kind, closer), system, commodity) + "\"";
}

}  // namespace qm
