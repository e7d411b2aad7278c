#include "ui/Start.h"

#include "catalogue/career.h"
#include "combat/simulator.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/screens.h"
#include "version.h"
#include "world/new_game.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

constexpr int kBeaconTimer = 1, kLampTimer = 2;

struct MenuItem {
  int nn;
  const char* caption;
};
// The combat simulator (08) closes the second group, so the items above it keep their places.
constexpr MenuItem kItems[] = {{5, "Start tutorial"}, {6, "Start a new game"}, {7, "Load a game"},
                               {9, "Highscores"},     {10, "Game settings"},   {11, "Credits"},
                               {8, "Combat simulator"}, {13, "Exit"}};

const char* const kWelcome =
    "Welcome to Quellmark. You start off as an unknown pilot with a small spaceship. Acquire enough credits to "
    "buy a bigger ship with jump engines in order to explore the universe!";

}  // namespace

Start::Start() : Window("Start", 377, 519) {
  background = "StartScreen_01.jpg";
  AddPicture({24, 22, 329, 70}, "StartScreen_02.jpg");
  AddLabel({24, 28, 329, 40}, "QUELLMARK", [] {
    TextStyle s = Title(30);
    s.font = Font::SerifBold;
    s.align = Align::Centre;
    return s;
  }());
  AddLabel({24, 66, 329, 20}, "Trade, fight and rise among the stars", [] {
    TextStyle s = Small(11);
    s.align = Align::Centre;
    return s;
  }());
  // Items 03 and 12 are decorative lights: they blink and take no part in the hover rule.
  beacon_ = &AddPicture({334, 30, 16, 16}, ItemPicture("StartScreen", 3, PictureKind::Push, false));

  int y = 112;
  for (const MenuItem& m : kItems) {
    if (m.nn == 9) y += 10;  // small gaps between the groups
    if (m.nn == 13) y += 4;
    auto action = [this, nn = m.nn] {
      switch (nn) {
        case 5: NewGame(true); break;
        case 6: NewGame(false); break;
        case 7: LoadGame(); break;
        case 8:
          ShowHint(false);
          StartSimulator();
          ClearHover();
          break;
        case 9: ShowScreen("Screen_Highscore"); break;
        case 10: ShowScreen("Screen_GameOptions"); break;
        case 11: ShowScreen("Screen_Credits"); break;
        case 13: Close(); break;
      }
    };
    AddButton(m.nn, {48, y, 281, 40}, "StartScreen", "", action);
    AddLabel({48, y, 281, 40}, m.caption, Caption(14), m.nn);
    y += 46;
  }
  lamp_ = &AddPicture({128, y + 2, 121, 4}, ItemPicture("StartScreen", 12, PictureKind::Push, false));
  AddLabel({24, 500, 329, 14}, std::string("Version ") + QUELLMARK_VERSION, [] {
    TextStyle s = Small(9);
    s.align = Align::Centre;
    return s;
  }());

  // The tutorial hint sits on the background at (8, 295), beside the menu.
  const Rect b = Bounds();
  hint_ = &AddPanel({8 - b.x, 295 - b.y, 196, 236});
  hint_->name = "hint";
  hint_->background = "TutorialPanel.jpg";
  hint_->border = {90, 170, 120, 255};
  hint_->AddLabel({12, 10, 172, 20}, "Tutorial", Title(14));
  hint_->AddLabel({12, 36, 172, 76},
                  "Welcome to Quellmark. This game is easy to learn. Still \u2013 to help you with your first steps "
                  "\u2013 this game offers an optional interactive tutorial. It will take about 10 minutes.",
                  Body(10));
  hint_->AddLabel({12, 118, 172, 18}, "How to start the tutorial:", Title(11));
  hint_->AddLabel({12, 138, 172, 40}, "Use your mouse to click on the \"Start tutorial\" button at the top.", Body(10));
  hint_->AddButton(1, {12, 192, 172, 32}, "TutorialPanel", "Close this message", [this] { ShowHint(false); })
      .captionStyle = Caption(11);
  hint_->visible = false;
}

void Start::ShowHint(bool on) { hint_->Show(on); }

void Start::OnShow() {
  ClearHover();
  // Item 12 blinks on every tick; item 03 lights for 500 ms, then rests 1.5 to 4 s.
  StartTimer(kLampTimer, 1000, [this] {
    lampLit_ = !lampLit_;
    lamp_->Set(ItemPicture("StartScreen", 12, PictureKind::Push, lampLit_));
  });
  BlinkBeacon();
}

void Start::BlinkBeacon() {
  beaconLit_ = !beaconLit_;
  const bool lit = beaconLit_;
  beacon_->Set(ItemPicture("StartScreen", 3, PictureKind::Push, lit));
  StartTimer(kBeaconTimer, lit ? 500 : 1500 + Random(2500), [this] { BlinkBeacon(); });
}

void Start::OnClose() {
  StopTimer(kBeaconTimer);
  StopTimer(kLampTimer);
}

void Start::NewGame(bool tutorial) {
  ShowHint(false);  // the hint belongs to the menu, not to the screens of a new game
  RunNewGame(tutorial);
  // The tutorial belongs to the game it was started with, however that game ended.
  StopTutorial();
  ClearHover();
}

void Start::LoadGame() {
  StopTutorial();
  ResetGameState();
  UI().ShowScreen(Screen::SaveLoad);
  if (Quitting() || Game.Ship[Sh::Alive] <= 0) return;
  Run.CurrentSystem = Game.Ship[Sh::System];
  Run.SelectedLocation = Game.Ship[Sh::Location];
  UI().RefreshMainScreen(Run.CurrentSystem);
  UI().ShowScreen(Screen::MainScreen);
}

void RunNewGame(bool tutorial) {
  StopTutorial();
  ResetGameState();
  if (tutorial) StartTutorial();
  Game.Player[Pl::Faction] = 1;
  ShowScreen("Select_Race");
  if (Quitting()) return;
  Game.Player[Pl::Portrait] = 0;
  ShowScreen("Select_Name");
  if (Quitting()) return;
  Game.Player[Pl::Profession] = 1;
  ShowScreen("Select_Profession");
  if (Quitting()) return;
  // The screens wrote their choices into the state; the new world starts from them.
  NewGameChoices choices;
  choices.faction = Game.Player[Pl::Faction];
  choices.portrait = Game.Player[Pl::Portrait];
  choices.name = Game.PlayerName;
  choices.profession = Game.Player[Pl::Profession];
  StartNewGame(choices);
  UI().RefreshMainScreen(Run.CurrentSystem);
  UI().Message(1, "Game objective:", kWelcome, portraitPicture());
  if (Quitting()) return;
  TutorialHook(TutorialEvent::Welcome);
  UI().ShowScreen(Screen::MainScreen);
}

}  // namespace qm::ui
