#include "ui/Screen_Travel.h"

#include <algorithm>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/screens.h"
#include "ui/window_frontend.h"
#include "world/landing.h"
#include "world/main_screen.h"
#include "world/money.h"
#include "world/travel.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

constexpr int kPictureSize = 36;   // location and space-object pictures
constexpr int kSunSize = 60;
constexpr int kMarkerSize = 62;
constexpr int kNameBelow = 48;
constexpr int kPilotSize = 13;     // the pilot's rank and name in the status bar     // a name's top below its picture's top: just under a marker
constexpr int kLabelWidth = 104;   // name labels, centred under their picture
constexpr int kViewTop = 100, kViewBottom = 508;
constexpr Color kBarFill{5, 9, 22, 248};
// The command bar's button of item 1..7.
constexpr Rect CommandButton(int item) { return {15 + (item - 1) * 111, kViewBottom + 36, 104, 44}; }
constexpr Color kRule{70, 104, 150, 255};
constexpr Color kPanelFill{8, 14, 30, 238};

struct Action {
  int item;
  const char* caption;
  const char* helpTopic;
  const char* helpText;
};
constexpr Action kActions[] = {
    {1, "Fly to", "Travelling",
     "This button is multi-functional. You can use it to fly to a selected location or - if you are already at a "
     "selected planet - use it to land."},
    {2, "Info", "Target information",
     "This button will bring up a screen giving you more information about the selected target."},
    {3, "Prices", "Trade screen", "This opens up a screen where you can buy or sell goods."},
    {4, "Missions", "Mission screen",
     "This button is multi-functional. Normally pressing this button will open up a screen where you can select "
     "different missions. If you already have one mission active this will bring up a mission status screen."},
    {5, "Pirating", "Ship sensors",
     "This button will open up the ship sensor screen. On this screen you can select different ships within your "
     "ship\u00b4s sensor range and attack them."},
    {6, "Galaxy", "Galaxy map",
     "This is the galaxy map. Here you can see all star systems in the known galaxy and plan your trading routes "
     "accordingly."},
    {7, "Options", "Game options",
     "This button will open the game option screen. Here you can - for example - save/load a game, change the game "
     "settings or quit this program."},
};

// Where a selection sits on the system view (location 1..15 or object place -1..-4).
bool PlaceOf(int system, int selection, int& x, int& y) {
  if (selection >= 1 && selection <= kLocations) {
    const auto& loc = Game.LocationData[system][selection];
    if (loc[Loc::Exists] <= 0) return false;
    x = loc[Loc::X];
    y = loc[Loc::Y];
    return true;
  }
  if (selection <= -1 && selection >= -kObjectPlaces) {
    const auto& obj = Game.SpaceObjects[system][-selection];
    if (obj[Obj::Present] <= 0) return false;
    x = obj[Obj::X];
    y = obj[Obj::Y];
    return true;
  }
  return false;
}

// An object place whose object has gone (used up on arrival, drifted away) is
// still where the ship may be waiting.
bool EmptyObjectPlace(int system, int selection) {
  return selection <= -1 && selection >= -kObjectPlaces && Game.SpaceObjects[system][-selection][Obj::Present] <= 0;
}

bool TradeWindowOpen() {
  if (Run.TradeWindowVisible) return true;
  for (const Window* w : Stack())
    if (w->Unit() == "Screen_TradeScreenMoveable" && !w->IsClosing()) return true;
  return false;
}

}  // namespace

Screen_Travel::Screen_Travel() : Window("Screen_Travel", 800, 600) {
  background = "TravelScreen_00.jpg";
  frame = false;
  // Markers lie under the pictures, so a click on a planet always reaches the planet.
  missionCursor_ = &AddMarker("MissionCursor", {255, 120, 70, 255}, true);
  sideCursor_ = &AddMarker("SideCursor", {255, 214, 120, 255}, true);
  topCursor_ = &AddMarker("TopCursor", {110, 235, 140, 255}, false);
  topCursor_->onClick = [this] { Select(Game.Ship[Sh::Location]); };
  topCursor_->onDoubleClick = [this] { SelectAndTravel(Game.Ship[Sh::Location]); };
  sideCursor_->onDoubleClick = [this] { TravelAction(); };
  missionCursor_->onClick = [this] { Select(missionMarkerTarget()); };
  missionCursor_->onDoubleClick = [this] { SelectAndTravel(missionMarkerTarget()); };

  TextStyle nameStyle = Aligned(Small(10), Align::Centre);
  nameStyle.shadow = true;  // readable over bright nebulae and the markers' corners
  TextStyle priceStyle = OneLine(Aligned(Title(10), Align::Centre));
  priceStyle.shadow = true;
  for (int i = 1; i <= kLocations; ++i) {
    Place& p = places_[i];
    p.picture = &AddPicture({0, 0, kPictureSize, kPictureSize}, "");
    p.picture->name = "Pic_Planet" + std::to_string(i);
    p.name = &AddLabel({0, 0, kLabelWidth, 26}, "", nameStyle);
    p.name->name = "Text_Planet" + std::to_string(i);
    p.price = &AddLabel({0, 0, kLabelWidth, 14}, "", priceStyle);
    p.price->name = "Price_Planet" + std::to_string(i);
    for (Control* c : {static_cast<Control*>(p.picture), static_cast<Control*>(p.name)}) {
      c->onClick = [this, i] { Select(i); };
      c->onDoubleClick = [this, i] { SelectAndTravel(i); };
    }
  }
  for (int o = 1; o <= kObjectPlaces; ++o) {
    Place& p = objects_[o];
    p.picture = &AddPicture({0, 0, kPictureSize, kPictureSize}, "");
    p.picture->name = "Spawn" + std::to_string(o);
    p.name = &AddLabel({0, 0, kLabelWidth, 14}, "", nameStyle);
    p.name->name = "Spawn" + std::to_string(o) + "Text";
    for (Control* c : {static_cast<Control*>(p.picture), static_cast<Control*>(p.name)}) {
      c->onClick = [this, o] { Select(-o); };
      c->onDoubleClick = [this, o] { SelectAndTravel(-o); };
    }
  }

  compatibility_ = &AddPanel({8, kViewTop + 6, 380, 12 * 15 + 10});
  compatibility_->name = "Compatibility";
  compatibility_->fill = {0, 0, 0, 120};
  for (size_t i = 0; i < compatibilityLines_.size(); ++i)
    compatibilityLines_[i] = &compatibility_->AddLabel({8, 5 + static_cast<int>(i) * 15, 364, 15}, "", Body(11));
  // The first two lines are links, as they say.
  compatibilityLines_[0]->onClick = [this] { OpenNested("Screen_ShipStatus"); };
  compatibilityLines_[1]->onClick = [this] { OpenNested("Screen_PersonalStatus"); };

  BuildStatusBar();
  BuildNews();
  BuildCommandBar();
  BuildTargetPanel();
  BuildOptionsPanel();

  // The hidden corner picture: a double click opens the cheats.
  auto& corner = AddBox({786, 586, 14, 14}, {0, 0, 0, 0});
  corner.name = "CheatCorner";
  corner.onDoubleClick = [this] { OpenNested("Screen_Cheats"); };
  BuildTutorial();
}

// The tutorial's pane sits on the left of the view, or on the right when the
// place it asks for (or the portrait and ship it points at) lies on the left.
void Screen_Travel::BuildTutorial() {
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Main, TutorialPanel::Place{8, kViewTop + 4});
  const auto placeOf = [this](int step) {
    switch (step) {
      case 6: return TutorialTradeTarget();
      case 12: return 1;
      case 20: return TutorialLandingPlanet();
      default: return 0;
    }
  };
  tutorial_->paneAt = [this, placeOf](int step) {
    const TutorialPanel::Place left{8, kViewTop + 4}, right{800 - 8 - TutorialPanel::kW, kViewTop + 4};
    if (step == 32 || step == 34) return right;
    const int l = placeOf(step);
    if (l >= 1 && l <= kLocations && places_[static_cast<size_t>(l)].picture->rect.x < 8 + TutorialPanel::kW + 8)
      return right;
    return left;
  };
  tutorial_->markerAt = [this, placeOf](int step) -> Rect {
    const auto button = CommandButton;
    switch (step) {
      case 4: return button(3);
      case 9: case -11: return button(4);
      case 23: return button(5);
      case 25: return button(6);
      case 27: return button(7);
      case 28: return options_->visible ? OptionEntry(CurrentTutorial().afterSave ? 4 : 0) : button(7);
      case 32: return ship_->rect;
      case 34: return portrait_->rect;
      default: break;
    }
    const int l = placeOf(step);
    if (l < 1 || l > kLocations || Run.CurrentSystem != Game.Ship[Sh::System]) return {};
    if (step == 20 && Game.Ship[Sh::Location] == l) return button(1);  // there: dock
    const Picture* p = places_[static_cast<size_t>(l)].picture;
    return p->visible ? p->rect : Rect{};
  };
  tutorial_->reopenText = [](TutorialScreen s) -> std::string {
    switch (s) {
      case TutorialScreen::Trade: return "Click on the \"TRADE\" icon to open the trade screen again.";
      case TutorialScreen::Missions: return "Click on the \"Mission\" icon to open the mission screen again.";
      case TutorialScreen::SaveLoad: return "Click on the \"Game option\" icon and then on \"Save a game\".";
      default: return "";
    }
  };
  tutorial_->reopenMarker = [this](TutorialScreen s) -> Rect {
    switch (s) {
      case TutorialScreen::Trade: return CommandButton(3);
      case TutorialScreen::Missions: return CommandButton(4);
      case TutorialScreen::SaveLoad: return options_->visible ? OptionEntry(0) : CommandButton(7);
      default: return {};
    }
  };
}

Rect Screen_Travel::OptionEntry(int entry) const {
  return {options_->rect.x + 27, options_->rect.y + 44 + 40 * entry, 220, 34};
}

Panel& Screen_Travel::AddMarker(const char* name, Color color, bool ticks) {
  Panel& m = AddPanel({0, 0, kMarkerSize, kMarkerSize});
  m.name = name;
  const int s = kMarkerSize, l = 11, t = 2;
  const Rect corners[] = {{0, 0, l, t},         {0, 0, t, l},         {s - l, 0, l, t},     {s - t, 0, t, l},
                          {0, s - t, l, t},     {0, s - l, t, l},     {s - l, s - t, l, t}, {s - t, s - l, t, l}};
  for (const Rect& r : corners) m.AddBox(r, color);
  if (ticks) {
    // No tick at the bottom: the name label runs there.
    const Rect marks[] = {{s / 2 - 1, 0, 2, 7}, {0, s / 2 - 1, 7, 2}, {s - 7, s / 2 - 1, 7, 2}};
    for (const Rect& r : marks) m.AddBox(r, color);
  }
  m.visible = false;
  return m;
}

void Screen_Travel::BuildStatusBar() {
  AddBox({0, 0, 800, kViewTop}, kBarFill);
  AddBox({0, kViewTop - 1, 800, 1}, kRule);
  AddBox({9, 7, 70, 86}, {0, 0, 0, 0}, kRule);
  portrait_ = &AddPicture({10, 8, 68, 84}, "");
  portrait_->name = "Portrait";
  portrait_->onClick = [this] {
    TutorialHook(TutorialEvent::Portrait);
    OpenNested("Screen_PersonalStatus");
  };
  AddBox({87, 7, 126, 86}, {0, 0, 0, 0}, kRule);
  ship_ = &AddPicture({88, 8, 124, 84}, "");
  ship_->name = "Ship";
  ship_->onClick = [this] {
    TutorialHook(TutorialEvent::Wireframe);
    OpenNested("Screen_ShipStatus");
  };

  pilot_ = &AddLabel({224, 6, 262, 18}, "", OneLine(Title(kPilotSize)));
  position_ = &AddLabel({224, 25, 262, 14}, "", OneLine(Small(10)));
  TextStyle money = OneLine(Title(16));
  money.font = Font::SansBold;
  money_ = &AddLabel({224, 41, 262, 22}, "", money);
  money_->name = "Label12";
  AddLabel({224, 66, 60, 14}, "Shields", OneLine(Small(10)));
  shieldBar_ = &AddPicture({286, 68, 150, 10}, "");
  shieldBar_->name = "ShieldBar";
  shieldValue_ = &AddLabel({440, 66, 50, 14}, "", OneLine(Small(10)));
  levelCaption_ = &AddLabel({224, 82, 60, 14}, "", OneLine(Small(10)));
  experienceBar_ = &AddPicture({286, 84, 150, 10}, "");
  experienceBar_->name = "ExpBar";
  experienceValue_ = &AddLabel({440, 82, 50, 14}, "", OneLine(Small(10)));
}

void Screen_Travel::BuildNews() {
  AddBox({492, 8, 1, 84}, kRule);
  AddLabel({502, 5, 290, 16}, "Galactic news", OneLine(Title(11)));
  for (int n = 1; n <= 5; ++n) {
    Label& line = AddLabel({502, 8 + n * 15, 292, 15}, "", OneLine(Body(10)), 40 + n);
    line.name = "NewsLabel" + std::to_string(n);
    line.onClick = [n] {
      const std::string article = newsArticle(n);
      if (!article.empty()) UI().Message(1, newsArticleTitle(n), article, "news.jpg");
    };
    news_[n] = &line;
  }
}

void Screen_Travel::BuildCommandBar() {
  AddBox({0, kViewBottom, 800, 600 - kViewBottom}, kBarFill);
  AddBox({0, kViewBottom, 800, 1}, kRule);
  log_ = &AddLabel({15, kViewBottom + 8, 250, 16}, "", OneLine(Body(11)));
  log_->name = "Label16";
  systemLine_ = &AddLabel({250, kViewBottom + 7, 530, 18}, "", OneLine(Title(12)));

  invasion_ = &AddPanel({560, kViewBottom + 5, 225, 24});
  invasion_->name = "InvasionAlert_Panel";
  invasion_->fill = {90, 14, 14, 230};
  invasion_->border = {230, 80, 60, 255};
  TextStyle alert = OneLine(Body(10));
  alert.middle = true;
  invasion_->AddLabel({8, 0, 130, 24}, "Invasion alert!", alert);
  invasion_->AddButton(31, {138, 2, 84, 20}, "TravelScreen", "Join battle", [this] {
    if (invasionAlertAction()) OpenNested("Screen_Campaign");
  }).captionStyle = Caption(10);

  for (const Action& a : kActions) {
    Button& b = AddButton(a.item, CommandButton(a.item), "TravelScreen", a.caption,
                          [this, item = a.item] {
                            switch (item) {
                              case 1: TravelAction(); break;
                              case 2: ToggleInfo(); break;
                              case 3: TutorialHook(TutorialEvent::TradeIcon); OpenTrade(); break;
                              case 4: TutorialHook(TutorialEvent::MissionIcon); Missions(); break;
                              case 5: TutorialHook(TutorialEvent::SensorIcon); Sensors(); break;
                              case 6: TutorialHook(TutorialEvent::GalaxyIcon); Galaxy(); break;
                              case 7:
                                if (!options_->visible) TutorialHook(TutorialEvent::OptionsIcon);
                                ShowOptions(!options_->visible);
                                break;
                            }
                          });
    b.name = "Option" + std::to_string(a.item) + "Button";
    b.captionStyle = Caption(13);
    b.onRightClick = [a] { Notify(a.helpTopic, a.helpText); };
    actions_[a.item] = &b;
  }
}

void Screen_Travel::BuildTargetPanel() {
  target_ = &AddPanel({502, kViewTop + 8, 290, 344});
  target_->name = "TargetDescriptionPanel";
  target_->fill = kPanelFill;
  target_->border = kRule;
  targetTitle_ = &target_->AddLabel({12, 10, 266, 22}, "", OneLine(Aligned(Title(15), Align::Centre)));
  target_->AddBox({74, 39, 142, 142}, {0, 0, 0, 0}, kRule);
  targetPicture_ = &target_->AddPicture({75, 40, 140, 140}, "");
  targetFaction_ = &target_->AddLabel({14, 190, 262, 16}, "", OneLine(Body(11)));
  targetClass_ = &target_->AddLabel({14, 207, 262, 16}, "", OneLine(Body(11)));
  target_->AddBox({14, 229, 262, 1}, kRule);
  targetText_ = &target_->AddLabel({14, 237, 262, 64}, "", Body(11));
  target_->AddButton(21, {95, 304, 100, 30}, "TravelScreen", "Close", [this] {
    Run.TargetPanelVisible = false;
    RefreshTarget();
  }).captionStyle = Caption(12);
  target_->visible = false;
}

void Screen_Travel::BuildOptionsPanel() {
  options_ = &AddPanel({263, 174, 274, 252});
  options_->name = "OptionsPanel";
  options_->fill = kPanelFill;
  options_->border = {120, 150, 200, 255};
  options_->AddLabel({0, 10, 274, 24}, "Game options", Aligned(Title(15), Align::Centre));
  struct Entry {
    const char* caption;
    std::function<void()> action;
  };
  const Entry entries[] = {
      {"Save a game", [this] { TutorialHook(TutorialEvent::SaveButton); ShowOptions(false); OpenNested("Screen_SaveLoad"); }},
      {"Load a game", [this] { ShowOptions(false); OpenNested("Screen_SaveLoad"); }},
      {"Game settings", [this] { ShowOptions(false); OpenNested("Screen_GameOptions"); }},
      {"Exit to main menu", [this] { ExitToMenu(); }},
      {"Return to game", [this] { ShowOptions(false); TutorialHook(TutorialEvent::ReturnToGame); }},
  };
  int y = 44;
  int item = 11;
  for (const Entry& e : entries) {
    options_->AddButton(item++, {27, y, 220, 34}, "TravelScreen", e.caption, e.action).captionStyle = Caption(12);
    y += 40;
  }
  options_->visible = false;
}

void Screen_Travel::OnShow() {
  auto& f = TheFrontend();
  f.onRefreshMainScreen = [this](int system) { Refresh(system); };
  f.onRefreshExperience = [this] { RefreshStatus(); };
  f.onRefreshTradePopup = [this] { RefreshPrices(); };
  f.onRefreshSpaceObjects = [this] {
    RefreshObjects();
    RefreshMarkers();
  };
  ClearHover();
  options_->visible = false;
  Refresh(Game.Ship[Sh::System]);
  tutorial_->Refresh();
}

Screen_Travel::~Screen_Travel() { OnClose(); }

void Screen_Travel::OnClose() {
  auto& f = TheFrontend();
  f.onRefreshMainScreen = nullptr;
  f.onRefreshExperience = nullptr;
  f.onRefreshTradePopup = nullptr;
  f.onRefreshSpaceObjects = nullptr;
}

void Screen_Travel::Refresh(int system) {
  Run.CurrentSystem = system >= 1 && system <= kSystems ? system : Game.Ship[Sh::System];
  // An object that is gone can no longer be a target: the player picks the next one.
  if (EmptyObjectPlace(Run.CurrentSystem, Run.SelectedLocation)) {
    Run.SelectedLocation = 0;
    Run.TargetPanelVisible = false;
  }
  Layout();
  RefreshAll();
  if (tutorial_) tutorial_->Refresh();
}

void Screen_Travel::Layout() {
  const int system = Run.CurrentSystem;
  for (int i = 1; i <= kLocations; ++i) {
    Place& p = places_[i];
    const auto& loc = Game.LocationData[system][i];
    const bool shown = loc[Loc::Exists] > 0;
    p.picture->Show(shown);
    p.name->Show(shown);
    p.price->Show(false);
    if (!shown) continue;
    const int x = loc[Loc::X], y = loc[Loc::Y];
    // A sun is drawn larger around the same centre, its name below it.
    const int grow = loc[Loc::Kind] == Kind::Sun ? (kSunSize - kPictureSize) / 2 : 0;
    p.picture->rect = {x - grow, y - grow, kPictureSize + 2 * grow, kPictureSize + 2 * grow};
    p.picture->Set(planetPictureName(loc[Loc::Picture]) + ".jpg");
    const int labelX = x + kPictureSize / 2 - kLabelWidth / 2;
    // Names sit below a marker's corners, so a selected place's name is never crossed by them.
    const int labelY = y + std::max(kNameBelow, kPictureSize + 2 + grow);
    p.name->rect = {labelX, labelY, kLabelWidth, 26};
    p.name->Set(Game.LocationText[system][i][1]);
    p.price->rect = {labelX, labelY + 14, kLabelWidth, 14};
  }
  Invalidate();
}

void Screen_Travel::RefreshAll() {
  RefreshNews();
  RefreshStatus();
  RefreshMarkers();
  RefreshButtons();
  RefreshTarget();
  RefreshPrices();
  RefreshObjects();
  RefreshCompatibility();
}

void Screen_Travel::RefreshStatus() {
  const auto& p = Game.Player;
  const auto& s = Game.Ship;
  portrait_->Set(portraitPicture());
  ship_->Set(shipPictureName(s[Sh::ShipType], s[Sh::ShipFaction]) + "_topwire.jpg");
  const std::string rank = rankName(p[Pl::Rank]);
  // A long name and rank take a smaller type before anything is cut.
  const std::string pilot = (rank.empty() ? "" : rank + " ") + Game.PlayerName;
  pilot_->style.size = kPilotSize;
  for (int w = 0, h = 0; pilot_->style.size > kPilotSize - 3; --pilot_->style.size) {
    platform::MeasureText(pilot, 10000, pilot_->style, w, h);
    if (w <= pilot_->rect.w) break;
  }
  pilot_->Set(Fit(pilot, pilot_->rect.w, pilot_->style));
  const int system = s[Sh::System], here = s[Sh::Location];
  const std::string where = here >= 1                         ? " at " + Game.LocationText[system][here][1]
                            : EmptyObjectPlace(system, here) ? std::string(" in open space")
                                                             : " at " + describeTarget(here).title;
  position_->Set(Fit(shipName(s[Sh::ShipType]) + where, position_->rect.w, position_->style));
  money_->Set("$ " + FormatMoney(p[Pl::Credits]));
  shieldBar_->Set("Travelscreen_ShieldBar_" + std::to_string(shieldBarIndex()) + ".jpg");
  shieldValue_->Set(std::to_string(s[Sh::ShieldEnergy]) + "/" +
                    std::to_string(shipStat(s[Sh::ShipType], Stat::MaxShields)));
  levelCaption_->Set("Level " + std::to_string(p[Pl::Level]));
  experienceBar_->Set("TravelScreen_ExpBar_" + std::to_string(experienceBarIndex()) + ".jpg");
  experienceValue_->Set(std::to_string(experienceBarIndex() * 100 / 19) + "%");
}

void Screen_Travel::RefreshNews() {
  log_->Set(shipsLogLine());
  const int system = Run.CurrentSystem;
  const int owner = Game.SystemData[system][Sys::Owner];
  for (int n = 1; n <= 5; ++n) news_[n]->Set(Fit(newsLine(n), news_[n]->rect.w, news_[n]->style));
  const bool alert = invasionAlertVisible();
  invasion_->Show(alert);
  systemLine_->rect.w = alert ? 300 : 530;
  systemLine_->Set(Fit(Game.SystemText[system][1] + " system  \u00b7  " + Game.FactionText[owner][FacT::FullName],
                       systemLine_->rect.w, systemLine_->style));
}

void Screen_Travel::RefreshMarkers() {
  const int system = Run.CurrentSystem;
  const bool home = system == Game.Ship[Sh::System];
  int x = 0, y = 0;
  const int here = Game.Ship[Sh::Location];
  bool atShip = home && PlaceOf(system, here, x, y);
  if (home && !atShip && EmptyObjectPlace(system, here)) {  // the ship waits where the object was
    x = Game.SpaceObjects[system][-here][Obj::X];
    y = Game.SpaceObjects[system][-here][Obj::Y];
    atShip = true;
  }
  topCursor_->Show(atShip);
  if (atShip) topCursor_->MoveTo(x - 13, here >= 1 ? y - 13 : y - 14);

  const int sel = Run.SelectedLocation;
  const bool selected = sel != 0 && PlaceOf(system, sel, x, y);
  sideCursor_->Show(selected);
  if (selected) sideCursor_->MoveTo(sel >= 1 ? x - 13 : x - 14, sel >= 1 ? y - 14 : y - 13);
  for (int i = 1; i <= kLocations; ++i) places_[i].name->style.color = i == sel ? kHighlight : kDim;

  const int mission = missionMarkerTarget();
  const bool marked = mission != 0 && PlaceOf(system, mission, x, y);
  missionCursor_->Show(marked);
  if (marked) missionCursor_->MoveTo(x - 13, mission >= 1 ? y - 15 : y - 17);
  Invalidate();
}

void Screen_Travel::RefreshButtons() {
  actions_[1]->caption = travelButtonCaption();
  actions_[3]->caption = tradeButtonCaption();
  Invalidate();
}

void Screen_Travel::RefreshTarget() {
  target_->Show(Run.TargetPanelVisible);
  if (!Run.TargetPanelVisible) return;
  int sel = Run.SelectedLocation;
  if (sel == 0) sel = Run.SelectedLocation = 1;
  const TargetDescription d = describeTarget(sel);
  targetTitle_->Set(Fit(d.title, targetTitle_->rect.w, targetTitle_->style));
  targetPicture_->Set(d.picture);
  targetFaction_->Set(Fit(d.faction, targetFaction_->rect.w, targetFaction_->style));
  targetClass_->Set(d.classLine);
  targetText_->Set(d.text);
  // The panel keeps clear of the selected place: on the left when it lies on the right.
  int x = 0, y = 0;
  const bool right = PlaceOf(Run.CurrentSystem, sel, x, y) && x + kPictureSize / 2 > 400;
  target_->MoveTo(right ? 8 : 502, kViewTop + 30);
}

void Screen_Travel::RefreshPrices() {
  const bool open = TradeWindowOpen();
  for (int i = 1; i <= kLocations; ++i) {
    const std::string label = open && places_[i].picture->visible ? planetPriceLabel(i) : "";
    places_[i].price->Set(label);
    places_[i].price->Show(!label.empty());
  }
}

void Screen_Travel::RefreshObjects() {
  const int system = Game.Ship[Sh::System];
  const bool home = Run.CurrentSystem == system;
  for (int o = 1; o <= kObjectPlaces; ++o) {
    Place& p = objects_[o];
    const auto& obj = Game.SpaceObjects[system][o];
    const bool shown = home && obj[Obj::Present] > 0;
    p.picture->Show(shown);
    p.name->Show(shown);
    if (!shown) continue;
    const int x = obj[Obj::X], y = obj[Obj::Y];
    p.picture->rect = {x, y, kPictureSize, kPictureSize};
    p.picture->Set(spaceObjectPicture(obj[Obj::Kind]));
    p.name->rect = {x + kPictureSize / 2 - kLabelWidth / 2, y + kNameBelow, kLabelWidth, 14};
    p.name->Set(spaceObjectTitle(obj[Obj::Kind]));
  }
  Invalidate();
}

void Screen_Travel::RefreshCompatibility() {
  const bool on = General.Option.CompatibilityMode;
  compatibility_->Show(on);
  if (!on) return;
  // Every line is shown whole (these lines are read out to the player): a long
  // one wraps, and the lines below it move down.
  const auto lines = compatibilityLines();
  int y = 5;
  for (size_t i = 0; i < compatibilityLines_.size(); ++i) {
    Label* l = compatibilityLines_[i];
    l->Set(i < lines.size() ? lines[i] : "");
    int w = 0, h = 0;
    platform::MeasureText(l->text, l->rect.w, l->style, w, h);
    l->rect.y = y;
    l->rect.h = std::max(h, 15);
    if (!l->text.empty()) y += l->rect.h;
  }
  compatibility_->rect.h = y + 5;
}

void Screen_Travel::Select(int selection) {
  if (selection == 0) return;
  Run.SelectedLocation = selection;
  RefreshMarkers();
  RefreshButtons();
  RefreshTarget();
  RefreshCompatibility();
}

void Screen_Travel::SelectAndTravel(int selection) {
  if (selection == 0) return;
  Select(selection);
  TravelAction();
}

void Screen_Travel::TravelAction() {
  const int sel = Run.SelectedLocation;
  if (sel == 0) return;
  if (Run.CurrentSystem != Game.Ship[Sh::System]) Refresh(Game.Ship[Sh::System]);
  ShowOptions(false);
  if (sel == Game.Ship[Sh::Location])
    LandHere();
  else
    StartFlight(sel);
  if (GameOver()) return;
  Refresh(Game.Ship[Sh::System]);
}

void Screen_Travel::LandHere() {
  switch (Land()) {
    case LandOutcome::PlanetScreen: ShowScreen("Screen_Planet"); break;
    case LandOutcome::HideoutScreen: ShowScreen("Screen_PirateHideout"); break;
    default: break;  // a jump has refreshed the screen; a refusal has said why
  }
}

void Screen_Travel::ToggleInfo() {
  Run.TargetPanelVisible = !Run.TargetPanelVisible;
  RefreshTarget();
}

void Screen_Travel::OpenTrade() {
  if (Run.TradeAmount < 1) Run.TradeAmount = 10;
  OpenNested("Screen_TradeScreenMoveable");
}

void Screen_Travel::Missions() {
  switch (missionsAction()) {
    case MissionsOutcome::MissionSelection: OpenNested("Screen_Missions"); break;
    case MissionsOutcome::MissionStatus: OpenNested("MissionPanel"); break;
    case MissionsOutcome::Campaign: OpenNested("Screen_Campaign"); break;
    case MissionsOutcome::Refused: break;
  }
}

void Screen_Travel::Sensors() {
  if (sensorsAction()) OpenNested("Screen_Radar");
}

void Screen_Travel::Galaxy() { OpenNested("Screen_GalaxyMap"); }

void Screen_Travel::ShowOptions(bool on) {
  if (on != options_->visible) UI().PlaySound(on ? "maxi.wav" : "mini.wav");  // the pop-up panel opens or closes
  Run.OptionsPanelVisible = on;
  options_->Show(on);
  tutorial_->Refresh();  // the marker moves between the options icon and the panel's buttons
}

void Screen_Travel::OpenNested(const char* unit) {
  ShowScreen(unit);
  if (GameOver()) return;
  Refresh(Game.Ship[Sh::System]);
}

bool Screen_Travel::GameOver() {
  if (Quitting()) return true;
  if (!Run.GameEnded && !Run.QuitToMenu && Game.Ship[Sh::Alive] > 0) return false;
  Close();
  return true;
}

void Screen_Travel::Quit() {
  if (Run.GameEnded ||
      AskYesNo("Quit game?", "Do you really wish to quit this game? (No retiring, no highscore)"))
    Close();
}

void Screen_Travel::ExitToMenu() {
  if (!AskYesNo("Really quit?", "Do you really want to return to the main menu?")) return;
  ShowOptions(false);
  Run.GameEnded = true;
  Close();
}

// The player may leave the game from any screen above (a battle's "Quit game?"):
// the main screen closes as soon as it is on top again.
void Screen_Travel::OnUncovered() {
  if (Run.QuitToMenu) Close();
  tutorial_->Refresh();  // a screen the tutorial waited on may have closed
}

bool Screen_Travel::OnCloseRequest() {
  Quit();
  return false;
}

bool Screen_Travel::KeyDown(SDL_Keycode key) {
  if (key != SDLK_ESCAPE) return Window::KeyDown(key);
  if (options_->visible) {
    ShowOptions(false);
  } else if (target_->visible) {
    Run.TargetPanelVisible = false;
    RefreshTarget();
  } else {
    Quit();
  }
  return true;
}

}  // namespace qm::ui
