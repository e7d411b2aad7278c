// The planet and its services played through the real window: landing on
// Earth, the planet screen and every service it opens, the bank's loans and
// war bonds, the bar, the governor's amnesty and the pirate hideout, by mouse
// and keys, with the rules' refusals changing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "state/game_state.h"
#include "support/ui_play.h"
#include "ui/Screen_Bank.h"
#include "ui/Screen_Bar.h"
#include "ui/Screen_Governor.h"
#include "ui/Screen_PirateHideout.h"
#include "ui/Screen_Planet.h"
#include "ui/screens.h"
#include "ui/window_frontend.h"

namespace qm {
namespace {

// A new game on the main screen at Earth (Sol's hideout, location 8, still hidden).
constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";
// The main screen's first action button: "Dock" where the ship is.
constexpr const char* kDock = "click 67 566\n";

// Canvas points of the screens' buttons (each window is centred on the canvas).
// Planet screen (439 x 460 at 180, 70): services 1..6 in a grid of three, "Back to space".
std::string Service(int k) {
  return std::to_string(260 + 139 * ((k - 1) % 3)) + " " + std::to_string(417 + 42 * ((k - 1) / 3));
}
constexpr const char* kBackToSpace = "538 500";
// Bank (798 x 368 at 1, 116).
constexpr const char* kSmallLoan = "145 383";
constexpr const char* kLargeLoan = "389 383";
constexpr const char* kBuyBonds = "597 383";
constexpr const char* kSellBonds = "714 383";
// Bar and hideout (454 x 300 at 173, 150): the three services and "Back".
std::string Third(int i) { return std::to_string(257 + 143 * (i - 1)) + " 367"; }
// Governor (467 x 424 at 166, 88).
constexpr const char* kMissions = "267 439";
constexpr const char* kAmnesty = "447 439";

std::string Click(const std::string& at) { return "click " + at + "\n"; }
std::string RightClick(const std::string& at) { return "rclick " + at + "\n"; }

class PlanetServicesPlay : public test::UiPlayWithSounds {};

TEST_F(PlanetServicesPlay, DockingAtEarthOpensThePlanetAndEachOfItsServices) {
  const auto t = Tops(std::string(kNewGame) + kDock + "dump\n" +
                      // each service by its button, and back with Escape
                      Click(Service(1)) + "dump\nkey Escape\n" + Click(Service(2)) + "dump\nkey Escape\n" +
                      Click(Service(3)) + "dump\nkey Escape\n" + Click(Service(4)) + "dump\nkey Escape\n" +
                      Click(Service(5)) + "dump\nkey Escape\n" + Click(Service(6)) + "dump\nkey Escape\ndump\n" +
                      // a right-click explains and opens nothing
                      RightClick(Service(5)) + "dump\nkey Return\ndump\n" + Click(kBackToSpace) + "dump\n");
  ASSERT_EQ(t.size(), 11u);
  const std::string& planet = t[0];
  EXPECT_TRUE(Has(planet, "window Screen_Planet 439x460 top")) << planet;
  EXPECT_TRUE(Has(planet, Label("Earth")));
  EXPECT_TRUE(Has(planet, Label("Sol system")));
  EXPECT_TRUE(Has(planet, Label("Faction: Federation Of Planets")));
  EXPECT_TRUE(Has(planet, Label("Class: Capital")));
  EXPECT_TRUE(Has(planet, "picture Earthr.jpg #CityPicture")) << "Earth has no city picture: its own view stands in";
  EXPECT_TRUE(Has(planet, Label("Your credits: $ 10,000")));
  for (const char* caption : {"Shipyard", "Equipment", "Trade", "Bar", "Bank", "Governor", "Back to space"})
    EXPECT_TRUE(Has(planet, "\"" + std::string(caption) + "\" PlanetScreen_")) << caption;
  EXPECT_FALSE(Has(planet, "disabled")) << "a planet has every service";

  const char* const opened[] = {"Screen_ShipPurchase", "Screen_ShipEquipment", "Screen_TradeScreenMoveable",
                                "Screen_Bar",          "Screen_Bank",          "Screen_Governor"};
  for (int k = 0; k < 6; ++k) EXPECT_TRUE(Has(t[static_cast<size_t>(1 + k)], "window " + std::string(opened[k]))) << k;
  EXPECT_TRUE(Has(t[7], "window Screen_Planet 439x460 top")) << "Escape leaves each service for the planet";
  EXPECT_TRUE(Has(t[8], Label("Bank"))) << t[8];
  EXPECT_TRUE(Has(t[8], "window Screen_Message3"));
  EXPECT_TRUE(Has(t[9], "window Screen_Planet 439x460 top")) << "the right-click opened nothing";
  EXPECT_TRUE(Has(t[10], "window Screen_Travel 800x600 top")) << "Back to space";
  EXPECT_EQ(Sounds("Screen_Planet"), 7) << "six services and Back; the right-click is silent";
}

TEST_F(PlanetServicesPlay, ArrowsAndNumberKeysChooseAServiceAndEnterOpensIt) {
  const auto t = Tops(std::string(kNewGame) + kDock + "key Right\nkey Right\nkey Down\ndump\nkey Return\ndump\n" +
                      "key Escape\nkey Down\ndump\nkey 6\ndump\nkey Escape\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_TRUE(Has(t[0], "button 05 \"Bank\" PlanetScreen_05_Highlighted.jpg hover")) << t[0];
  EXPECT_TRUE(Has(t[1], "window Screen_Bank 798x368 top")) << "Enter opens the highlighted service";
  EXPECT_TRUE(Has(t[2], "button 01 \"Shipyard\" PlanetScreen_01_Highlighted.jpg hover"))
      << "the highlight starts afresh when the planet is shown again" << t[2];
  EXPECT_TRUE(Has(t[3], "window Screen_Governor 467x424 top"));
  EXPECT_TRUE(Has(t[4], "window Screen_Travel 800x600 top"));
}

TEST_F(PlanetServicesPlay, ALoanIsTakenPaidBackEarlyAndTheBankRefusesWhatItMust) {
  const std::string bank = std::string(kNewGame) + kDock + "key 5\n";
  const auto t = Tops(bank + "dump\n" + Click(kSmallLoan) + "dump\nkey Return\ndump\n" +
                      // a second loan is refused while the first runs
                      Click(kSmallLoan) + "dump\nkey Return\ndump\n" +
                      // inside the early-payback window half the debt settles it
                      Click(kLargeLoan) + "dump\nkey Return\ndump\n" +
                      // the large loan, and a repayment without the money
                      "key 2\nkey Return\nset Player.Credits 1000\n" + Click(kLargeLoan) + "dump\nkey Return\ndump\n" +
                      "key Escape\n");
  ASSERT_EQ(t.size(), 9u);
  EXPECT_TRUE(Has(t[0], Label("Small loan:")));
  EXPECT_TRUE(Has(t[0], Label("\"We lend you $ 5,000 if you pay us $ 25,000 in 100 turns.\"")));
  EXPECT_TRUE(Has(t[0], Label("\"We lend you $C 25,000 if you pay us $C 100,000 in 500 turns.\"")));
  EXPECT_TRUE(Has(t[0], Label("Terms for the rank of Ensign")));
  EXPECT_TRUE(Has(t[0], Label("Your credits: $ 10,000")));

  EXPECT_TRUE(Has(t[1], Label("You loan $ 5,000 from the local bank. Remember to pay it back in time!"))) << t[1];
  EXPECT_TRUE(Has(t[2], Label("You owe: $ 25,000"))) << t[2];
  EXPECT_TRUE(Has(t[2], Label("Payback: 100 days.")));
  EXPECT_TRUE(Has(t[2], Label("\"Pay back $C 12,500 in 12 turns and the rest of your loan is waived.\"")));
  EXPECT_TRUE(Has(t[2], "button 02 \"Pay your debt\""));
  EXPECT_TRUE(Has(t[2], Label("Your credits: $ 15,000")));

  EXPECT_TRUE(Has(t[3], Label("You first have to repay your debts before you can get a bigger loan."))) << t[3];
  EXPECT_TRUE(Has(t[4], Label("You owe: $ 25,000"))) << "the refusal changed nothing";
  EXPECT_TRUE(Has(t[4], Label("Your credits: $ 15,000")));

  EXPECT_TRUE(Has(t[5], Label("You pay all your debts."))) << t[5];
  EXPECT_TRUE(Has(t[6], Label("Your credits: $ 2,500"))) << t[6];
  EXPECT_TRUE(Has(t[6], "button 02 \"Take this loan\""));

  EXPECT_TRUE(Has(t[7], Label("You do not have enough money to repay your debts."))) << t[7];
  EXPECT_TRUE(Has(t[8], Label("You owe: $ 100,000"))) << t[8];
  EXPECT_TRUE(Has(t[8], Label("Your credits: $ 1,000")));
  EXPECT_EQ(Game.Player[Pl::Debt], 100000);
  EXPECT_EQ(Game.Player[Pl::Credits], 1000);
  EXPECT_EQ(Game.Player[Pl::LoanDaysLeft], 500);
}

TEST_F(PlanetServicesPlay, WarBondsAreBoughtLockedAndSold) {
  const std::string bank = std::string(kNewGame) + kDock + "key 5\n";
  const auto t = Tops(bank + Click(kSellBonds) + "dump\nkey Return\n" + Click(kBuyBonds) + "dump\nkey Return\n" +
                      "set Player.Credits 30000\n" + Click(kBuyBonds) + "dump\nkey Return\ndump\nkey Return\ndump\n" +
                      Click(kSellBonds) + "dump\nkey Return\nset Player[25] 0\n" + Click(kSellBonds) +
                      "dump\nkey Return\ndump\nkey Escape\n");
  ASSERT_EQ(t.size(), 8u);
  EXPECT_TRUE(Has(t[0], Label("You do not have any war bonds to sell!"))) << t[0];
  EXPECT_TRUE(Has(t[1], Label("You do not have enough money to buy war bonds."))) << t[1];
  EXPECT_TRUE(Has(t[2], Label("Thank you for supporting your nation!"))) << t[2];
  EXPECT_TRUE(Has(t[3], "picture FederationLogo.jpg")) << t[3];
  EXPECT_TRUE(Has(t[4], Label("War bonds: $ 25,000"))) << t[4];
  EXPECT_TRUE(Has(t[4], Label("Effect on war efforts: Unknown yet")));
  EXPECT_TRUE(Has(t[4], Label("Selling possible in: 125 days")));
  EXPECT_TRUE(Has(t[4], Label("Your credits: $ 5,000")));
  EXPECT_TRUE(Has(t[5], Label("You cannot yet sell your war bonds."))) << t[5];
  EXPECT_TRUE(Has(t[6], Label("You sell your war bonds."))) << t[6];
  EXPECT_TRUE(Has(t[7], Label("War bonds: None"))) << t[7];
  EXPECT_TRUE(Has(t[7], Label("Your credits: $ 30,000")));
  EXPECT_EQ(Game.Player[Pl::WarBonds], 0);
  EXPECT_TRUE(Game.Player[Pl::Experience] > 0 || Game.Player[Pl::Level] > 1) << "bonds earn experience";
}

TEST_F(PlanetServicesPlay, TheBarkeeperSellsTheHideoutOnlyForTheMoneyAndThenThereIsSmalltalk) {
  const std::string bar = std::string(kNewGame) + kDock + "key 4\n";
  const auto t = Tops(bar + "dump\n" +
                      // no money: the offer is refused and nothing is revealed
                      "set Player.Credits 100\n" + Click(Third(1)) + "dump\nkey Return\ndump\nkey Return\n" +
                      // declined
                      "set Player.Credits 10000\n" + Click(Third(1)) + "key Escape\ndump\n" +
                      // paid
                      "key 1\nkey Return\ndump\nkey Return\ndump\n" +
                      // nothing left to tell
                      Click(Third(1)) + "dump\nkey Return\n" + RightClick(Third(3)) + "dump\nkey Return\n" +
                      Click(Third(2)) + "dump\nkey Escape\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 10u);
  EXPECT_TRUE(Has(t[0], "window Screen_Bar 454x300 top")) << t[0];
  EXPECT_TRUE(Has(t[0], Label("The barkeeper\u00b4s tip: $ 5,000")));
  EXPECT_TRUE(Has(t[1], Label("Bribe?"))) << t[1];
  EXPECT_TRUE(Has(t[1], "for 5,000 $ he might have some valuable information"));
  EXPECT_TRUE(Has(t[2], Label("You do not have enough money!"))) << t[2];
  EXPECT_TRUE(Has(t[3], "window Screen_Bar 454x300 top")) << "No keeps the money";
  EXPECT_TRUE(Has(t[3], Label("Your credits: $ 10,000")));
  EXPECT_TRUE(Has(t[4], Label("You get to know the location of a hidden pirate hideout in this sector..."))) << t[4];
  EXPECT_TRUE(Has(t[5], Label("The barkeeper\u00b4s tip: $ 20,000"))) << t[5];
  EXPECT_TRUE(Has(t[5], Label("Your credits: $ 5,000")));
  EXPECT_TRUE(Has(t[6], Label("You spend a whole day in the local spaceport bar enjoying your life."))) << t[6];
  EXPECT_TRUE(Has(t[7], Label("Retire"))) << "a right-click explains and does not retire: " << t[7];
  EXPECT_TRUE(Has(t[8], "window Screen_CrewHiring")) << t[8];
  EXPECT_TRUE(Has(t[9], "window Screen_Planet 439x460 top")) << t[9];
  EXPECT_EQ(Game.StarDate, 5) << "four visits at the bar, a day each";
  EXPECT_EQ(Game.Player[Pl::HideoutsBought], 2);
  EXPECT_EQ(Game.LocationData[1][8][Loc::Exists], 1);
  EXPECT_EQ(Game.Ship[Sh::Alive], 1) << "nobody retired";
}

TEST_F(PlanetServicesPlay, RetiringAtTheBarEndsTheGameAndReturnsToTheMainMenu) {
  std::string script = std::string(kNewGame) + kDock + "key 4\n" + Click(Third(3)) + "dump\n";
  for (int i = 0; i < 10; ++i) script += "key Return\n";  // yes, then the retirement's own dialogs
  const auto d = Play(script + "dump\n");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(Has(TopWindow(d[0]), Label("Retire?"))) << d[0];
  EXPECT_TRUE(Has(TopWindow(d[1]), "window Start 377x519 top")) << d[1];
  for (const char* unit : {"Screen_Bar", "Screen_Planet", "Screen_Travel"})
    EXPECT_FALSE(Has(d[1], "window " + std::string(unit))) << unit << " stayed open";
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
}

TEST_F(PlanetServicesPlay, TheGovernorSellsAnAmnestyToACriminalWhoKnowsHowToAsk) {
  const auto t = Tops(std::string(kNewGame) + kDock + "key 6\ndump\nkey Escape\n" +
                      // a criminal who has learned the ability (he sneaked in)
                      "set Player.CriminalFlag 40\nset NonCombatAbilities[30] 1\nkey 6\ndump\n" + Click(kMissions) +
                      "dump\nkey Return\n" + Click(kAmnesty) + "dump\nkey Return\ndump\nkey Return\ndump\n" +
                      "set Player.Credits 150000\nkey 2\nkey Return\ndump\nkey Return\ndump\nkey 2\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 9u);
  EXPECT_TRUE(Has(t[0], "window Screen_Governor 467x424 top")) << t[0];
  EXPECT_TRUE(Has(t[0], "\u201cWelcome to our fleet Ensign Incognito!"));
  EXPECT_TRUE(Has(t[0], Label("No")));
  EXPECT_FALSE(Has(t[0], "\"Buy amnesty\"")) << "no amnesty for the law-abiding";

  EXPECT_TRUE(Has(t[1], Label("Yes (40 turns)"))) << t[1];
  EXPECT_TRUE(Has(t[1], "button 02 \"Buy amnesty\""));
  EXPECT_TRUE(Has(t[2], "cannot accept any missions as long as the flag has not weared off!")) << t[2];
  EXPECT_TRUE(Has(t[3], Label("Amnesty"))) << t[3];
  EXPECT_TRUE(Has(t[3], "For $ 100.000 you are reinstated as a fleet officer."));
  EXPECT_TRUE(Has(t[4], Label("Unfortunately you do not have enough money to buy the amnesty!"))) << t[4];
  EXPECT_TRUE(Has(t[5], Label("Yes (40 turns)"))) << "the refusal changed nothing: " << t[5];
  EXPECT_TRUE(Has(t[6], Label("You buy the amnesty. The criminal flag is lifted. You are a fleet officer once again!")))
      << t[6];
  EXPECT_TRUE(Has(t[7], Label("No"))) << t[7];
  EXPECT_FALSE(Has(t[7], "\"Buy amnesty\""));
  EXPECT_TRUE(Has(t[8], "window Screen_Planet 439x460 top")) << "key 2 did nothing, Escape left: " << t[8];
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 50000);
}

TEST_F(PlanetServicesPlay, AtTheHideoutACriminalHidesTradesContrabandAndHiresPirates) {
  const std::string atHideout = std::string(kNewGame) +
                                "set LocationData[1][8][1] 1\nset Ship.Location 8\nset Run.SelectedLocation 8\n"
                                "set Player.CriminalFlag 5\n" + kDock;
  // Hiding runs the days one by one; on the last the flag wears off with its own notice.
  const auto t = Tops(atHideout + "dump\n" + Click(Third(1)) + "dump\nkey Return\ndump\nkey Return\ndump\n" +
                      Click(Third(1)) + "dump\nkey Return\n" + Click(Third(2)) +
                      "dump\nkey Escape\nkey 3\ndump\nkey Escape\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 8u);
  EXPECT_TRUE(Has(t[0], "window Screen_PirateHideout 454x300 top")) << t[0];
  EXPECT_TRUE(Has(t[0], Label("When visiting this hidden hideout your criminal flag will wear off automatically.")));
  EXPECT_TRUE(Has(t[0], Label("Yes (5 turns)")));
  EXPECT_TRUE(Has(t[1], Label("Do you really wish to hide 5 days until the criminal flag wears off?"))) << t[1];
  EXPECT_TRUE(Has(t[2], Label("Escaped!"))) << t[2];
  EXPECT_TRUE(Has(t[3], Label("No"))) << t[3];
  EXPECT_TRUE(Has(t[3], "Star date: 2450.6")) << "five days went by";
  EXPECT_TRUE(Has(t[4], "You are not criminal flagged at this time.")) << t[4];
  EXPECT_TRUE(Has(t[5], "window Screen_TradeScreenMoveable")) << t[5];
  EXPECT_TRUE(Has(t[6], "window Screen_CrewHiring")) << t[6];
  EXPECT_TRUE(Has(t[7], "window Screen_Travel 800x600 top")) << t[7];
  EXPECT_EQ(Game.StarDate, 6);
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 0);
}

TEST_F(PlanetServicesPlay, ServicesThePlaceDoesNotHaveAreSwitchedOffAndSaySo) {
  // At the wormhole a bar opened from the console has no drink to offer.
  const auto t = Tops(std::string(kNewGame) + "set Ship.Location 7\nscreen Screen_Bar\ndump\n" + Click(Third(1)) +
                      "key 1\nkey 2\ndump\n" + RightClick(Third(1)) + "dump\nkey Return\nkey Escape\n" +
                      "screen Screen_Planet\ndump\n" + Click(Service(5)) + "dump\nkey Escape\n" +
                      "set Ship.Location 2\nscreen Screen_PirateHideout\n" + Click(Third(1)) + "dump\nkey Escape\n");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_TRUE(Has(t[0], "button 01 \"Order a drink\" BarScreen_01.jpg disabled")) << t[0];
  EXPECT_TRUE(Has(t[0], "button 02 \"Hire crewmen\" BarScreen_02.jpg disabled"));
  EXPECT_TRUE(Has(t[1], "window Screen_Bar 454x300 top")) << "a switched-off service does nothing: " << t[1];
  EXPECT_TRUE(Has(t[2], Label("There is no spaceport bar at this place."))) << t[2];
  EXPECT_TRUE(Has(t[3], "button 05 \"Bank\" PlanetScreen_05.jpg disabled")) << t[3];
  EXPECT_TRUE(Has(t[4], "window Screen_Planet 439x460 top")) << t[4];
  EXPECT_TRUE(Has(t[5], "window Screen_PirateHideout 454x300 top")) << "no hiding at Earth: " << t[5];
  EXPECT_EQ(Game.StarDate, 1);
  // Only Escape sounded on each screen: the switched-off services kept silent.
  EXPECT_EQ(Sounds("Screen_Bar"), 1);
  EXPECT_EQ(Sounds("Screen_Planet"), 1);
  EXPECT_EQ(Sounds("Screen_PirateHideout"), 1);
}

// The buttons of each service screen lie inside its frame.
void CollectButtons(const ui::Panel& panel, int ox, int oy, std::vector<std::pair<std::string, ui::Rect>>& out) {
  for (const auto& c : panel.children) {
    const ui::Rect r{ox + c->rect.x, oy + c->rect.y, c->rect.w, c->rect.h};
    if (auto* b = dynamic_cast<const ui::Button*>(c.get())) out.emplace_back(b->caption, r);
    // The tutorial's pane may stand beside a small window; it is not the screen's own.
    if (auto* p = dynamic_cast<const ui::Panel*>(c.get()); p && p->name != "Tutorial")
      CollectButtons(*p, r.x, r.y, out);
  }
}

TEST_F(PlanetServicesPlay, EveryServiceScreenHasItsSizeAndKeepsItsButtonsInsideItsFrame) {
  std::vector<std::pair<ui::Window*, std::pair<int, int>>> windows;
  ui::RegisterScreen("Probe", [&] {
    windows = {{&ui::Instance<ui::Screen_Planet>(), {439, 460}},
               {&ui::Instance<ui::Screen_Bank>(), {798, 368}},
               {&ui::Instance<ui::Screen_Bar>(), {454, 300}},
               {&ui::Instance<ui::Screen_Governor>(), {467, 424}},
               {&ui::Instance<ui::Screen_PirateHideout>(), {454, 300}}};
    for (auto& [w, size] : windows) {
      EXPECT_EQ(w->Width(), size.first) << w->Unit();
      EXPECT_EQ(w->Height(), size.second) << w->Unit();
      const int frame = std::max(2, std::min(w->Width(), w->Height()) * 2 / 100) + 1;
      std::vector<std::pair<std::string, ui::Rect>> buttons;
      CollectButtons(w->Root(), 0, 0, buttons);
      for (const auto& [caption, r] : buttons) {
        EXPECT_GE(r.x, frame) << w->Unit() << " \"" << caption << "\"";
        EXPECT_GE(r.y, frame) << w->Unit() << " \"" << caption << "\"";
        EXPECT_LE(r.x + r.w, w->Width() - frame) << w->Unit() << " \"" << caption << "\"";
        EXPECT_LE(r.y + r.h, w->Height() - frame) << w->Unit() << " \"" << caption << "\"";
      }
    }
  });
  Play("screen Probe\n");
  EXPECT_EQ(windows.size(), 5u);
}

}  // namespace
}  // namespace qm
