// The player's manual: its tables come from the catalogues and agree with the
// game's rules, its typesetting keeps everything on the page, and the PDF the
// build wrote is complete.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cairo-pdf.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "manual/manual.h"
#include "manual/pages.h"
#include "manual/tables.h"
#include "state/game_state.h"
#include "world/retirement.h"

namespace qm::manual {
namespace {

namespace fs = std::filesystem;

long long Digits(const std::string& s) {
  std::string d;
  for (char c : s)
    if (std::isdigit(static_cast<unsigned char>(c))) d += c;
  return d.empty() ? -1 : std::stoll(d);
}

const std::vector<std::string>* RowNamed(const Table& t, const std::string& name) {
  for (const auto& r : t.rows)
    if (!r.empty() && r[0] == name) return &r;
  return nullptr;
}

TEST(ManualTables, TheShipTableHasEveryShipOfTheCatalogueWithItsNumbers) {
  const Table t = ShipTable();
  ASSERT_EQ(t.rows.size(), static_cast<size_t>(kShipTypes) + 1) << "every ship type and the starbase";
  for (int type = 1; type <= kShipTypes; ++type) {
    const auto* row = RowNamed(t, shipName(type));
    ASSERT_NE(row, nullptr) << shipName(type);
    ASSERT_EQ(row->size(), t.columns.size());
    EXPECT_EQ((*row)[1], shipClassName(type));
    EXPECT_EQ(Digits((*row)[3]), shipStat(type, Stat::MaxShields)) << shipName(type);
    EXPECT_EQ((*row)[8], Money(shipStat(type, Stat::Price))) << shipName(type);
  }
  EXPECT_NE(RowNamed(t, shipName(kStarbase)), nullptr);
  // Every ship a faction's shipyard sells appears in the shipyard table.
  std::string yards;
  for (const auto& r : ShipyardTable().rows)
    for (const auto& cell : r) yards += cell + ",";
  for (const char* sold : {"Starwolf", "Orion", "Shadowcat", "Patton", "Neptun", "Galaxy"})
    EXPECT_NE(yards.find(sold), std::string::npos) << sold;
  EXPECT_EQ(yards.find(shipName(16)), std::string::npos) << "battleships are never sold";
}

TEST(ManualTables, EquipmentTablesListEveryItemWithItsPriceForTheSmallestClassOfferedIt) {
  const int counts[] = {0, kGunItems, kMissileItems, kEngineItems, kCargoSystemItems, kTargetingItems, kEcmItems};
  for (int category = 1; category <= 6; ++category) {
    const Table t = EquipmentTable(category);
    ASSERT_EQ(t.rows.size(), static_cast<size_t>(counts[category])) << "category " << category;
    for (const auto& row : t.rows) {
      ASSERT_EQ(row.size(), t.columns.size());
      EXPECT_FALSE(row[0].empty());
      EXPECT_EQ(row[0].find(" cm)"), std::string::npos) << "the calibre differs by class: " << row[0];
    }
  }
  const Table guns = EquipmentTable(Category::Guns);
  // A Laser for a fighter costs 14,000 and is offered from the fighter up to the cruiser.
  const auto* laser = RowNamed(guns, "Laser");
  ASSERT_NE(laser, nullptr);
  EXPECT_EQ(laser->back(), "$ 14,000");
  EXPECT_EQ((*laser)[laser->size() - 2], "F C D Cr");
  // The Quantum gun is offered to battleships only, at a battleship's price.
  const auto* quantum = RowNamed(guns, "Quantum");
  ASSERT_NE(quantum, nullptr);
  EXPECT_EQ((*quantum)[quantum->size() - 2], "B");
  EXPECT_EQ(quantum->back(), Money(gunPrice(16, 4)));
  // Missile damage is told as a multiple of the standard missile.
  const Table missiles = EquipmentTable(Category::Missiles);
  EXPECT_EQ(missiles.rows[0][1], "\u00d71");
  EXPECT_EQ((*RowNamed(missiles, "Destroyer"))[1], "\u00d710");
  EXPECT_EQ((*RowNamed(missiles, "Arrow Dummy"))[1], "\u00d71/5");
}

TEST(ManualTables, AbilityTablesCoverBothTreesAndTellTheCostsOfTheEquipmentActions) {
  const IntRow shipBefore = Game.Ship;
  const Table combat = CombatAbilityTable();
  const Table other = NonCombatAbilityTable();
  EXPECT_TRUE(Game.Ship == shipBefore) << "working out the costs must leave the player's ship as it was";
  for (const Table* t : {&combat, &other}) {
    EXPECT_EQ(t->rows.size(), 30u);
    std::set<std::string> names;
    for (const auto& r : t->rows) EXPECT_TRUE(names.insert(r[1]).second) << "listed twice: " << r[1];
  }
  const auto cost = [&](int id) {
    const auto* row = [&]() -> const std::vector<std::string>* {
      for (const auto& r : combat.rows)
        if (r[1] == combatActionName(id)) return &r;
      return nullptr;
    }();
    return row ? (*row)[2] : "(not in the trees)";
  };
  EXPECT_EQ(cost(4), "guns + 2") << combatActionName(4);
  EXPECT_EQ(cost(7), "1") << combatActionName(7);
  EXPECT_EQ(cost(16), "5") << combatActionName(16);
  const Table start = StartingActionsTable();
  ASSERT_EQ(start.rows.size(), 3u);
  EXPECT_EQ(start.rows[0][1], "guns");
  EXPECT_EQ(start.rows[1][1], "missile");
  EXPECT_EQ(start.rows[2][1], "ECM");
  // The first two abilities of a tree need nothing; the third needs the first.
  EXPECT_EQ(other.rows[0][2], "\u2013");
  EXPECT_EQ(other.rows[1][2], "\u2013");
  EXPECT_EQ(other.rows[2][2], other.rows[0][1]);
}

TEST(ManualTables, CareerScoreRangesMeetWithoutGapsAndMatchTheRetirementRule) {
  const Table t = CareerTable();
  ASSERT_EQ(t.rows.size(), 10u);
  EXPECT_EQ(t.rows[0][1], "President");
  EXPECT_EQ(t.rows[0][2], "above 2,000,000");
  EXPECT_EQ(t.rows[9][2], "up to 5,000");
  for (size_t i = 1; i + 1 < t.rows.size(); ++i) {
    const std::string& range = t.rows[i][2];
    const long long low = Digits(range.substr(0, range.find(' ')));
    const int place = static_cast<int>(i) + 1;
    EXPECT_EQ(CareerForScore(low).place, place) << range;
    EXPECT_EQ(CareerForScore(low - 1).place, place + 1) << range;
    EXPECT_EQ(t.rows[i][1], CareerAtPlace(place).name);
  }
}

TEST(ManualTables, LevelsBringTheRanksInOrder) {
  const Table levels = LevelTable();
  ASSERT_EQ(levels.rows.size(), 19u);
  EXPECT_EQ(Digits(levels.rows[0][1]), experienceForLevel(1));
  std::string awards;
  for (const auto& r : levels.rows) awards += r[2] + "|";
  size_t at = 0;
  for (int rank = 2; rank <= 7; ++rank) {
    const size_t found = awards.find("rank of " + rankName(rank), at);
    ASSERT_NE(found, std::string::npos) << rankName(rank);
    at = found;
  }
  const Table ranks = RankTable();
  ASSERT_EQ(ranks.rows.size(), 7u);
  const int expected[] = {1, 4, 7, 10, 13, 15, 18};
  for (size_t r = 0; r < 7; ++r) EXPECT_EQ(Digits(ranks.rows[r][2]), expected[r]) << ranks.rows[r][0];
}

TEST(ManualTables, MoneyCommoditiesAndSystems) {
  EXPECT_EQ(Money(0), "$ 0");
  EXPECT_EQ(Money(999), "$ 999");
  EXPECT_EQ(Money(1000), "$ 1,000");
  EXPECT_EQ(Money(1234567), "$ 1,234,567");
  EXPECT_EQ(Money(10000000), "$ 10,000,000");
  EXPECT_EQ(Money(-2500), "$ -2,500");
  const Table goods = CommodityTable();
  ASSERT_EQ(goods.rows.size(), 18u);
  for (const auto& r : goods.rows)
    EXPECT_EQ(r[0][0] == '*', r[2].find("hideouts") != std::string::npos) << r[0];
  const Table systems = SystemTable();
  ASSERT_EQ(systems.rows.size(), 24u);
  for (const auto& r : systems.rows) EXPECT_FALSE(r[4].empty()) << r[1] << " has no wormhole";
}

// A PDF surface that writes nothing, to measure and lay out with.
struct Scratch {
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(nullptr, nullptr, kPageW, kPageH);
  cairo_t* cr = cairo_create(surface);
  ~Scratch() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
};

TEST(ManualTypeset, TextStaysInsideTheTypeAreaAndTablesRepeatTheirHeader) {
  Document d;
  d.Chapter("A chapter", "The lead-in.");
  std::string longText;
  for (int i = 0; i < 120; ++i) longText += "Wormholes link the **twenty-four** systems of the galaxy. ";
  d.Paragraph(longText);
  d.Paragraph("Press \"Fly to\" (\"Dock\") and it's done.");
  d.Bullets({longText.substr(0, 600), "short"});
  d.Definitions({{"A rather long term to explain", longText.substr(0, 400)}});
  Table t{{{"Col A", 1}, {"Number", 1, true}}, {}, "a note"};
  for (int r = 0; r < 90; ++r)
    t.rows.push_back({"row " + std::to_string(r) + " with a long cell " + longText.substr(0, 90), Money(r * 1000)});
  d.AddTable(t);
  Scratch s;
  const Measure m(s.cr);
  const Layout layout = LayOut(d, m);
  EXPECT_TRUE(layout.problems.empty());
  ASSERT_GE(layout.pages.size(), 4u);
  int headers = 0;
  for (const Page& page : layout.pages) {
    for (const Item& i : page.items) {
      if (i.kind != Item::Text || i.text.empty()) continue;
      const double w = m.Width(i.style, i.text);
      const double left = i.rightAligned ? i.x - w : i.x, right = i.rightAligned ? i.x : i.x + w;
      EXPECT_GE(left, kLeft - 0.01) << i.text;
      EXPECT_LE(right, kRight + 0.01) << i.text;
      EXPECT_GE(i.y, kTop) << i.text;
      EXPECT_LE(i.y, kBottom) << i.text;
      headers += i.text == "Col A";
    }
  }
  EXPECT_GE(headers, 2) << "the table's header repeats on the page it continues on";
  // Straight quotes and apostrophes are set as typographic ones.
  std::string words;
  for (const Page& page : layout.pages)
    for (const Item& i : page.items) words += i.text + " ";
  EXPECT_NE(words.find("\u201cFly to\u201d (\u201cDock\u201d) and it\u2019s done."), std::string::npos);
}

TEST(ManualTypeset, ABlockTallerThanAPageOrAnUnwritableFileIsAnError) {
  Document tall;
  tall.Figure(Picture{"Earthr.jpg", 300, 900, "", ""});
  TypesetResult result;
  std::string error;
  const std::string path = (fs::temp_directory_path() / ("qm_manual_" + std::to_string(getpid()) + ".pdf")).string();
  EXPECT_FALSE(WritePdf(tall, PdfInfo{"t", "s", "a", "2026-01-01"}, path, result, error));
  EXPECT_NE(error.find("does not fit"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(path));

  Document small;
  small.Paragraph("Hello.");
  error.clear();
  EXPECT_FALSE(WritePdf(small, PdfInfo{"t", "s", "a", "2026-01-01"}, "/nonexistent-folder/x.pdf", result, error));
  EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

TEST(ManualPdf, TheManualHasEveryShipAndItsContentsPointForward) {
  const Document doc = BuildManual();
  std::set<std::string> ships;
  for (const Block& b : doc.Blocks())
    if (b.kind == BlockKind::TableBlock && !b.table.columns.empty() && b.table.columns[0].title == "Ship")
      for (const auto& r : b.table.rows) ships.insert(r[0]);
  for (int type = 1; type <= kShipTypes; ++type) EXPECT_TRUE(ships.count(shipName(type))) << shipName(type);

  const std::string path = (fs::temp_directory_path() / ("qm_manual_" + std::to_string(getpid()) + ".pdf")).string();
  TypesetResult result;
  std::string error;
  ASSERT_TRUE(WriteManual(path, "2026-01-01", result, error)) << error;
  fs::remove(path);
  EXPECT_GE(result.pages, 12);
  EXPECT_LE(result.pages, 30);
  ASSERT_FALSE(result.headings.empty());
  EXPECT_GE(result.headings.front().page, 3) << "after the title page and the contents";
  for (size_t i = 1; i < result.headings.size(); ++i)
    EXPECT_GE(result.headings[i].page, result.headings[i - 1].page) << result.headings[i].title;
}

TEST(ManualPdf, TheBuiltManualIsACompletePdf) {
  std::ifstream in(QM_MANUAL_PDF, std::ios::binary);
  ASSERT_TRUE(in) << "the build writes " << QM_MANUAL_PDF;
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string pdf = bytes.str();
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  std::string tail = pdf.substr(pdf.size() - std::min<size_t>(pdf.size(), 16));
  tail.erase(tail.find_last_not_of("\r\n") + 1);
  EXPECT_TRUE(tail.size() >= 5 && tail.compare(tail.size() - 5, 5, "%%EOF") == 0) << "the file is cut short";
  int pages = 0;
  for (size_t at = 0; (at = pdf.find("/Type /Page", at)) != std::string::npos; at += 11)
    if (pdf.compare(at + 11, 1, "s") != 0) ++pages;
  EXPECT_GE(pages, 12);
  EXPECT_LE(pages, 30);
  const size_t count = pdf.find("/Count ");
  ASSERT_NE(count, std::string::npos);
  EXPECT_EQ(std::stoi(pdf.substr(count + 7)), pages);
}

}  // namespace
}  // namespace qm::manual
