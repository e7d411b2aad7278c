// The mission board and the running mission's status panel played through the
// real window: opening the board from the main screen, choosing offers by mouse
// and keys, accepting one, the panel from the Missions button, and the rules'
// refusals changing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/ui_play.h"
#include "ui/window.h"
#include "ui/window_frontend.h"
#include "world/missions.h"
#include "world/money.h"
#include "world/new_game.h"

namespace qm {
namespace {

// A new game on the main screen at Earth (Sol, system 1).
constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";
constexpr const char* kMissionsButton = "400 566";

// The board (741 x 560 at 29, 20): offers run down three columns of two.
std::string Offer(int slot) {
  return std::to_string(165 + 234 * ((slot - 1) / 2)) + " " + std::to_string(131 + 124 * ((slot - 1) % 2));
}
constexpr const char* kAccept = "551 546";
constexpr const char* kBack = "696 546";
// The status panel (290 wide) on the left of the view at (28, 108), "Close" at its top right.
constexpr const char* kPanelClose = "269 134";

std::string Click(const std::string& at) { return "click " + at + "\n"; }
std::string RightClick(const std::string& at) { return "rclick " + at + "\n"; }
std::string Board() { return std::string(kNewGame) + Click(kMissionsButton); }

class MissionsScreen : public test::UiPlayWithSounds {
 protected:
  // The line of offer `slot` in a dump of the board ("" when it is not shown).
  static std::string OfferLine(const std::string& dump, int slot) {
    const std::string key = "offer " + std::to_string(slot) + " ";
    const size_t at = dump.find(key);
    return at == std::string::npos ? "" : dump.substr(at, dump.find('\n', at) - at);
  }
};

TEST_F(MissionsScreen, TheBoardOpensFromTheMainScreenAndAnAcceptedOfferBecomesTheRunningMission) {
  const auto t = Tops(Board() + "dump\n" + Click(Offer(2)) + "dump\n" + Click(kAccept) + "dump\nkey Return\ndump\n" +
                      Click(kMissionsButton) + "dump\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 6u);
  const std::string& board = t[0];
  ASSERT_TRUE(Has(board, "window Screen_Missions 741x560 top")) << board;
  EXPECT_TRUE(Has(board, Label("Available missions for \"Fighter-class\" pilots:")));
  for (int slot = 1; slot <= 5; ++slot) {
    const std::string line = OfferLine(board, slot);
    EXPECT_TRUE(Has(line, "Mission-Screen_0" + std::to_string(slot) + ".jpg Mission_")) << line;
    EXPECT_TRUE(Has(line, "\"$ ")) << "every offer shows its reward: " << line;
  }
  EXPECT_TRUE(Has(OfferLine(board, 1), " selected")) << "slot 1 is selected until another is clicked";

  const std::string& chosen = t[1];
  const std::string line = OfferLine(chosen, 2);
  ASSERT_TRUE(Has(line, " selected")) << chosen;
  EXPECT_FALSE(Has(OfferLine(chosen, 1), " selected"));
  // The briefing repeats the offer's name and reward.
  const size_t nameAt = line.find('"') + 1;
  const std::string name = line.substr(nameAt, line.find('"', nameAt) - nameAt);
  EXPECT_TRUE(Has(chosen, Label("Selected Mission: " + name))) << chosen;
  EXPECT_TRUE(Has(chosen, Label("Target:")));

  EXPECT_TRUE(Has(t[2], Label("Mission accepted!"))) << t[2];
  EXPECT_TRUE(Has(t[2], Label("You have accepted the selected mission.")));
  EXPECT_TRUE(Has(t[3], "window Screen_Travel 800x600 top")) << "the board closes after an acceptance: " << t[3];
  ASSERT_EQ(Game.Ship[Sh::System], 1);
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1);
  EXPECT_EQ(MissionName(Game.ActiveMission[Mis::Type]), name);
  EXPECT_TRUE(Has(line, "\"$ " + FormatMoney(Game.ActiveMission[Mis::Reward]) + "\"")) << line;
  EXPECT_EQ(Game.Missions[1][2][Mis::Active], 1) << "the rules refilled the taken slot";

  // The Missions button now shows the running mission.
  const std::string& panel = t[4];
  ASSERT_TRUE(Has(panel, "window MissionPanel 290x")) << panel;
  EXPECT_TRUE(Has(panel, Label(MissionPanelName(Game.ActiveMission[Mis::Type]))));
  EXPECT_TRUE(Has(panel, Label("Reward: $" + FormatMoney(Game.ActiveMission[Mis::Reward]))));
  EXPECT_TRUE(Has(panel, Label("Target:")));
  EXPECT_TRUE(Has(t[5], "window Screen_Travel 800x600 top"));
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1) << "closing the panel leaves the mission running";
  EXPECT_EQ(Sounds("Screen_Missions"), 2) << "the offer and Accept";
}

TEST_F(MissionsScreen, ArrowKeysStepThroughTheOffersAndEnterAcceptsTheSelectedOne) {
  // Slot 6 is taken off the board: the steps pass over it.
  const auto t = Tops(std::string(kNewGame) + "set Missions[1][6][1] 0\n" + Click(kMissionsButton) +
                      "key Down\ndump\nkey Right\ndump\nkey Right\ndump\nkey Down\ndump\nkey Up\nkey Left\ndump\n" +
                      "key Escape\ndump\n" + Click(kMissionsButton) + "dump\nkey Return\ndump\nkey Return\ndump\n");
  ASSERT_EQ(t.size(), 9u);
  EXPECT_TRUE(Has(OfferLine(t[0], 2), " selected")) << t[0];
  EXPECT_TRUE(Has(OfferLine(t[1], 4), " selected")) << "Right: the next column, the same row";
  EXPECT_TRUE(Has(OfferLine(t[2], 5), " selected")) << "offer 6 is gone, so Right takes the column's other offer";
  EXPECT_TRUE(Has(OfferLine(t[3], 1), " selected")) << "Down passes over the empty slot and wraps to the first";
  EXPECT_TRUE(Has(OfferLine(t[4], 3), " selected")) << "Up wraps back to 5, Left goes to the middle column";
  EXPECT_EQ(OfferLine(t[4], 6), "") << "an empty slot is not shown";
  EXPECT_TRUE(Has(t[4], Label("Keys: \u2190 \u2192 \u2191 \u2193 choose an offer  \u00b7  Enter accept  \u00b7  Esc back")));

  EXPECT_TRUE(Has(t[5], "window Screen_Travel 800x600 top")) << "Escape leaves the board";
  // The Missions button opens the board again, not the panel: Escape took nothing.
  ASSERT_TRUE(Has(t[6], "window Screen_Missions 741x560 top")) << t[6];
  EXPECT_TRUE(Has(OfferLine(t[6], 3), " selected")) << "the board keeps the last selection";

  // Enter takes the selected offer (a capital-ship fight asks first).
  const bool danger = Has(t[7], Label("Danger!"));
  if (!danger) {
    EXPECT_TRUE(Has(t[7], Label("Mission accepted!"))) << t[7];
  }
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1);
  EXPECT_EQ(Sounds("Screen_Missions"), 2) << "Escape and Enter press their buttons; the arrows only select";
}

TEST_F(MissionsScreen, RefusalsAndRightClicksChangeNothing) {
  const std::string script =
      std::string(kNewGame) + "set Missions[1][6][1] 0\n" + Click(kMissionsButton) +
      // a right-click explains an offer and Accept, and selects or takes nothing
      RightClick(Offer(3)) + "dump\nkey Return\n" + RightClick(kAccept) + "dump\nkey Return\ndump\n" +
      // the empty slot's place does nothing
      Click(Offer(6)) + "dump\n" +
      // busy with a mission
      "set ActiveMission[1] 1\n" + Click(kAccept) + "dump\nkey Return\ndump\n" +
      // the selected slot emptied under the board
      "set ActiveMission[1] 0\nset Missions[1][1][1] 0\n" + Click(kAccept) + "dump\nkey Return\ndump\n" +
      Click(kBack) + "dump\n";
  const auto t = Tops(script);
  ASSERT_EQ(t.size(), 9u);
  EXPECT_TRUE(Has(t[0], "window Screen_Message")) << t[0];
  EXPECT_TRUE(Has(t[0], "\"")) << "the offer's briefing";
  EXPECT_TRUE(Has(t[1], Label("Accept mission"))) << t[1];
  EXPECT_TRUE(Has(OfferLine(t[2], 1), " selected")) << "right-clicks select nothing: " << t[2];
  EXPECT_TRUE(Has(t[3], "window Screen_Missions 741x560 top")) << t[3];

  EXPECT_TRUE(Has(t[4], Label("You are busy!"))) << t[4];
  EXPECT_TRUE(Has(t[5], "window Screen_Missions 741x560 top")) << "a refusal leaves the board open";
  EXPECT_TRUE(Has(t[6], Label("No mission selected!"))) << t[6];
  EXPECT_TRUE(Has(t[6], Label("You have selected no mission. Please select one of the available missions and try "
                              "again.")));
  EXPECT_EQ(OfferLine(t[7], 1), "") << "the board shows the emptied slot after the refusal";
  EXPECT_TRUE(Has(t[8], "window Screen_Travel 800x600 top")) << "Back";

  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0) << "nothing was accepted";
  EXPECT_EQ(Game.Missions[1][1][Mis::Active], 0) << "a refusal does not refill the board";
  for (int slot = 2; slot <= 5; ++slot) EXPECT_EQ(Game.Missions[1][slot][Mis::Active], 1) << slot;
  EXPECT_EQ(Sounds("Screen_Missions"), 3) << "Accept twice and Back; right-clicks and the empty place are silent";
}

TEST_F(MissionsScreen, AnAmbushAsksFirstAndANoLeavesTheOfferOnTheBoard) {
  // Offer 1 becomes a fight against a bigger ship: the rules ask before they accept.
  const auto t = Tops(std::string(kNewGame) + "set Missions[1][1][2] 4\n" + Click(kMissionsButton) + "dump\n" +
                      Click(kAccept) + "dump\nkey Escape\ndump\nkey Return\nkey Return\ndump\nkey Return\ndump\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_TRUE(Has(OfferLine(t[0], 1), "\"Ambush\"")) << t[0];
  EXPECT_TRUE(Has(t[0], Label("Selected Mission: Ambush")));
  EXPECT_TRUE(Has(t[1], Label("Danger!"))) << t[1];
  EXPECT_TRUE(Has(t[1], Label("During this mission you will have to attack a much bigger ship. This would be a tough "
                              "fight! Do you still wish to accept this mission?")));
  // No: the board stays as it was, the same offer selected.
  EXPECT_TRUE(Has(t[2], "window Screen_Missions 741x560 top")) << t[2];
  EXPECT_TRUE(Has(OfferLine(t[2], 1), "\"Ambush\"") && Has(OfferLine(t[2], 1), " selected")) << t[2];
  // Yes: accepted.
  EXPECT_TRUE(Has(t[3], Label("Mission accepted!"))) << t[3];
  EXPECT_TRUE(Has(t[4], "window Screen_Travel 800x600 top")) << t[4];
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1);
  EXPECT_EQ(Game.ActiveMission[Mis::Type], 4);
}

TEST_F(MissionsScreen, ThePanelShowsTheRunningAnalysisAndClosesByButtonAndKeys) {
  const std::string analysis =
      "set ActiveMission[1] 1\nset ActiveMission[2] 19\nset ActiveMission[3] 123456\nset ActiveMission[8] 37\n"
      "set ActiveMission[30] 1\n";
  const auto t = Tops(std::string(kNewGame) + analysis + Click(kMissionsButton) + "dump\n" + RightClick(kPanelClose) +
                      "dump\nkey Return\ndump\n" + Click(kPanelClose) + "dump\n" + Click(kMissionsButton) +
                      "key Return\ndump\n" + Click(kMissionsButton) + "key Escape\ndump\n");
  ASSERT_EQ(t.size(), 6u);
  const std::string& panel = t[0];
  ASSERT_TRUE(Has(panel, "window MissionPanel 290x")) << panel;
  EXPECT_TRUE(Has(panel, Label("Analysis")));
  EXPECT_TRUE(Has(panel, "picture Mission_Analysis.jpg #logo"));
  EXPECT_TRUE(Has(panel, Label("\"" + MissionDescription(19, true, 0, 0) + "\"")));
  EXPECT_TRUE(Has(panel, Label("Every colonised planet")));
  EXPECT_TRUE(Has(panel, Label("Planets left: 37")));
  EXPECT_TRUE(Has(panel, Label("Reward: $123,456")));
  EXPECT_TRUE(Has(t[1], Label("Close"))) << "a right-click explains: " << t[1];
  EXPECT_TRUE(Has(t[2], "window MissionPanel 290x")) << "and closes nothing";
  for (size_t i = 3; i < 6; ++i) EXPECT_TRUE(Has(t[i], "window Screen_Travel 800x600 top")) << i << t[i];
  EXPECT_FALSE(qm::Run.MissionPanelVisible);
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1);
  EXPECT_EQ(Sounds("MissionPanel"), 3) << "Close by click, Enter and Escape; the right-click is silent";
}

TEST_F(MissionsScreen, ProgressLinesOfTheRunningMission) {
  NewGameChoices c;
  c.faction = 1;
  StartNewGame(c);
  IntRow m{};
  m[Mis::Active] = 1;
  m[Mis::Type] = 2;  // a patrol on its second navpoint
  m[Mis::Location] = 2;
  m[Mis::System] = 1;
  m[Mis::Object] = 2;
  EXPECT_EQ(MissionProgress(m), "Next nav point: " + Game.LocationText[1][2][1] + " (in the Sol system)");
  m[Mis::Type] = 17;  // the drop-off of an evacuation
  EXPECT_EQ(MissionProgress(m), "Next nav point: " + Game.LocationText[1][2][1] + " (in the Sol system)");
  m[Mis::Type] = 19;
  m[Mis::Object] = 12;
  EXPECT_EQ(MissionProgress(m), "Planets left: 12");
  for (int type : {1, 3, 5, 8, 20}) {
    m[Mis::Type] = type;
    EXPECT_EQ(MissionProgress(m), "") << "no steps to count for type " << type;
  }
}

}  // namespace
}  // namespace qm
