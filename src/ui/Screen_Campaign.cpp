#include "ui/Screen_Campaign.h"

#include <algorithm>
#include <string>

#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/screens.h"
#include "world/money.h"
#include "world/retirement.h"

namespace qm::ui {
namespace {

constexpr int kW = 757, kH = 599;
// Items: the image set's buttons 06..08.
constexpr int kAskItem = 6, kStrikeItem = 7, kBackItem = 8;

constexpr Rect kBattle{14, 48, 729, 246};
constexpr Rect kTexts{14, 304, 729, 224};
// The battle field inside the battle panel: the attackers come in from the
// left, the defenders stand before their starbase on the right.
constexpr int kFieldTop = 52, kFieldH = 150;
constexpr int kSmallW = 44, kSmallH = 22, kBigW = 72, kBigH = 36;
constexpr int kBigColumn = 22, kSmallColumns[2] = {112, 166};
constexpr Rect kStarSystem{510, 40, 200, 180};
constexpr Rect kStarbase{566, 88, 96, 96};
constexpr int kBarY = 214, kBarH = 12;

// Ships shown by strength level 0..4: more and bigger ships for the stronger side.
struct Strength {
  int small, big;
};
constexpr Strength kStrength[5] = {{2, 0}, {3, 1}, {4, 2}, {5, 3}, {6, 4}};

// The player's side is drawn red, the other side blue, as the symbols are.
constexpr Color kOurs{206, 64, 52, 255};
constexpr Color kTheirs{60, 120, 220, 255};

int PlayerFaction() { return Game.Player[Pl::Faction]; }
std::string FactionName(int f) { return f >= 0 && f <= kFactions ? Game.FactionText[f][FacT::FullName] : ""; }

// The window x of a fleet column: the defenders mirror the attackers across the field.
int ColumnX(int x, int w, bool left) { return left ? x : kStarSystem.x - 8 - x - w + kBigColumn; }

}  // namespace

Screen_Campaign::Screen_Campaign() : Window("Screen_Campaign", kW, kH) {
  background = "CampaignScreen_00.jpg";
  title_ = &AddLabel({20, 10, 360, 32}, "", Shadowed(OneLine(Tinted(Title(22), kGold))));
  title_->name = "title";
  system_ = &AddLabel({380, 18, kW - 400, 20}, "", Shadowed(OneLine(Title(14), Align::Right)));
  BuildBattle();
  BuildTexts();

  const int y = kTexts.y + kTexts.h + 14;
  Button& ask = AddButton(kAskItem, {14, y, 196, 44}, "CampaignScreen", "Ask for a mission", [this] { AskForMission(); },
                          PictureKind::ListEntry);
  ask.onRightClick = [] {
    Notify("Ask for a mission", "Opens the mission board of this system, where High Command offers the missions of "
                                "this campaign. Only one mission can run at a time. (M or Enter)");
  };
  Button& strike = AddButton(kStrikeItem, {220, y, 196, 44}, "CampaignScreen", "Strike starbase", [this] { Strike(); },
                             PictureKind::ListEntry);
  strike.onRightClick = [] {
    Notify("Strike starbase", "Attacks the enemy starbase directly with your battleship and its escorts. A won "
                              "battle decides the siege at once, a lost one ends it in defeat. Only the invading side "
                              "can strike. (S)");
  };
  Button& back = AddButton(kBackItem, {kW - 14 - 150, y, 150, 44}, "CampaignScreen", "Back", [this] { Close(); },
                           PictureKind::ListEntry);
  back.onRightClick = [] { Notify("Back", "Returns to the main screen. (Escape)"); };
  for (Button* b : {&ask, &strike, &back}) b->captionStyle = Caption(14);
  SetDefault(&ask);
  SetCancel(&back);
  const TextStyle keys = OneLine(Tinted(Small(10), kDim));
  AddLabel({428, y + 6, 160, 14}, "Keys: M ask  \u00b7  S strike", keys);
  AddLabel({428, y + 22, 160, 14}, "Esc back  \u00b7  right-click: help", keys);
}

void Screen_Campaign::BuildBattle() {
  Panel& p = GlassPanel(*this, kBattle, "battle");
  starSystem_ = &p.AddPicture(kStarSystem, "");
  starSystem_->name = "StarSystem";
  starbase_ = &p.AddPicture(kStarbase, "");
  starbase_->name = "Starbase";
  starbase_->onRightClick = [this] {
    Notify("Starbase", "The starbase of the " + FactionName(Game.SystemData[Game.Ship[Sh::System]][Sys::Owner]) +
                           ", the heart of the system's defence.");
  };
  for (Fleet* f : {&attacker_, &defender_}) {
    const bool left = f == &attacker_;
    for (size_t i = 0; i < f->small.size(); ++i) {
      f->small[i] = &p.AddPicture({0, 0, kSmallW, kSmallH}, "");
      f->small[i]->name = std::string(left ? "Attacker" : "Defender") + "Small" + std::to_string(i + 1);
    }
    for (size_t i = 0; i < f->big.size(); ++i) {
      f->big[i] = &p.AddPicture({0, 0, kBigW, kBigH}, "");
      f->big[i]->name = std::string(left ? "Attacker" : "Defender") + "Big" + std::to_string(i + 1);
    }
    const int x = left ? 10 : kBattle.w - 10 - 36;
    f->logo = &p.AddPicture({x, 8, 36, 36}, "");
    const int tx = left ? x + 44 : 250, tw = left ? 200 : x - 8 - 250;
    const Align a = left ? Align::Left : Align::Right;
    f->name = &p.AddLabel({tx, 8, tw, 18}, "", Shadowed(OneLine(Bold(Body(12)), a)));
    f->points = &p.AddLabel({tx, 26, tw, 16}, "", Shadowed(OneLine(Tinted(Small(11), kDim), a)));
  }
  days_ = &p.AddLabel({250, 8, kBattle.w - 500, 20}, "", Shadowed(OneLine(Title(14), Align::Centre)));
  days_->name = "days";
  // The balance of the siege: the attacker's share of the points from the left,
  // in the colours of the symbols, with a mark in the middle; the days of the
  // siege under the day counter.
  balanceLeft_ = &p.AddBox({10, kBarY, 0, kBarH}, kTheirs);
  balanceRight_ = &p.AddBox({10, kBarY, kBattle.w - 20, kBarH}, kOurs);
  p.AddBox({9, kBarY - 1, kBattle.w - 18, kBarH + 2}, {0, 0, 0, 0}, kGlassBorder);
  p.AddBox({kBattle.w / 2, kBarY - 3, 1, kBarH + 6}, kHighlight);
  p.AddBox({280, 32, kBattle.w - 560, 5}, {20, 28, 48, 230}, kGlassBorder);
  dayFill_ = &p.AddBox({281, 33, 0, 3}, kGold);
  p.AddLabel({10, kBarY + kBarH + 4, kBattle.w - 20, 14}, "Balance of the siege",
             OneLine(Tinted(Small(10), kDim), Align::Centre));
}

void Screen_Campaign::BuildTexts() {
  Panel& p = GlassPanel(*this, kTexts, "texts");
  const TextStyle head = OneLine(Tinted(Bold(Small(11)), kDim));
  p.AddLabel({14, 10, 300, 14}, "The situation", head);
  situation_ = &p.AddLabel({14, 26, kTexts.w - 28, 52}, "", Body(13));
  situation_->name = "situation";
  p.AddLabel({14, 86, 300, 14}, "Your part", head);
  player_ = &p.AddLabel({14, 102, kTexts.w - 28, 78}, "", Tinted(Body(12), kHighlight));
  player_->name = "player";
  p.AddBox({14, 186, kTexts.w - 28, 1}, kGlassRule);
  missions_ = &p.AddLabel({14, 195, 330, 18}, "", OneLine(Body(12)));
  missions_->name = "missions";
  bonds_ = &p.AddLabel({350, 195, kTexts.w - 364, 18}, "", OneLine(Body(12), Align::Right));
  bonds_->name = "bonds";
}

void Screen_Campaign::OnShow() {
  ClearHover();
  Refresh();
}

void Screen_Campaign::OnUncovered() {
  if (!Leave()) Refresh();
}

bool Screen_Campaign::OnCloseRequest() {
  Close();
  return false;
}

bool Screen_Campaign::Leave() {
  const int s = Game.Ship[Sh::System];
  if (!Quitting() && !Run.QuitToMenu && !Run.GameEnded && Game.Ship[Sh::Alive] > 0 && SiegeRunning(s)) return false;
  Close();
  return true;
}

void Screen_Campaign::PlaceFleet(Fleet& f, int level, bool left, const std::string& smallPic,
                                 const std::string& bigPic) {
  const Strength st = kStrength[std::clamp(level, 0, 4)];
  // Big ships in one column, small ships staggered in two, each spread over the field's height.
  for (int i = 0; i < kMaxBig; ++i) {
    Picture* p = f.big[static_cast<size_t>(i)];
    const int y = kFieldTop + (2 * i + 1) * kFieldH / (2 * std::max(st.big, 1)) - kBigH / 2;
    p->rect = {ColumnX(kBigColumn, kBigW, left), y, kBigW, kBigH};
    p->Set(bigPic);
    p->Show(i < st.big);
  }
  const int perColumn = (st.small + 1) / 2;
  for (int i = 0; i < kMaxSmall; ++i) {
    Picture* p = f.small[static_cast<size_t>(i)];
    const int column = i % 2, row = i / 2;
    const int inColumn = column == 0 ? perColumn : st.small - perColumn;
    const int stagger = column == 1 ? kFieldH / (4 * std::max(inColumn, 1)) : 0;
    const int y = kFieldTop + (2 * row + 1) * kFieldH / (2 * std::max(inColumn, 1)) - kSmallH / 2 + stagger;
    p->rect = {ColumnX(kSmallColumns[column], kSmallW, left), std::min(y, kFieldTop + kFieldH - kSmallH), kSmallW,
               kSmallH};
    p->Set(smallPic);
    p->Show(i < st.small);
  }
}

void Screen_Campaign::Refresh() {
  const int s = Game.Ship[Sh::System];
  if (!SiegeRunning(s)) return;
  const CampaignView v = CampaignScreen(s);
  const auto& sys = Game.SystemData[s];
  const int attacker = sys[Camp::Attacker], owner = sys[Sys::Owner];
  playerAttacks_ = PlayerFaction() == attacker;
  attackerPoints_ = sys[Camp::AttackerPoints];
  defenderPoints_ = sys[Camp::DefenderPoints];
  day_ = sys[Camp::DaysElapsed];
  duration_ = std::max(sys[Camp::Duration], 1);

  title_->Set(v.title);
  system_->Set(Game.SystemText[s][1] + " system");
  days_->Set(v.days);
  starSystem_->Set(v.systemPicture);
  starbase_->Set(v.starbase);
  PlaceFleet(attacker_, v.attackerLevel, true, v.attackerSmall, v.attackerBig);
  PlaceFleet(defender_, v.defenderLevel, false, v.defenderSmall, v.defenderBig);
  const struct {
    Fleet& fleet;
    const char* role;
    int faction, points;
  } sides[2] = {{attacker_, "Attacker: ", attacker, attackerPoints_}, {defender_, "Defender: ", owner, defenderPoints_}};
  for (const auto& side : sides) {
    side.fleet.logo->Set(FactionLogoPicture(side.faction));
    side.fleet.name->Set(side.role + FactionName(side.faction));
    side.fleet.points->Set("Victory points: " + FormatMoney(side.points));
  }

  const int total = std::max(attackerPoints_, 0) + std::max(defenderPoints_, 0);
  const int barW = kBattle.w - 20;
  const int split = total > 0 ? barW * std::max(attackerPoints_, 0) / total : barW / 2;
  balanceLeft_->fill = playerAttacks_ ? kOurs : kTheirs;
  balanceRight_->fill = playerAttacks_ ? kTheirs : kOurs;
  balanceLeft_->rect.w = split;
  balanceRight_->rect = {10 + split, kBarY, barW - split, kBarH};
  dayFill_->rect.w = (kBattle.w - 562) * std::clamp(day_, 0, duration_) / duration_;

  situation_->Set(v.situation);
  player_->Set(v.player);
  const int n = sys[Camp::PlayerMissions];
  missions_->Set("Missions you completed for this campaign: " + std::to_string(n));
  const auto& p = Game.Player;
  const int level = p[Pl::WarBondRisk];
  bonds_->Set("War bonds: $ " + FormatMoney(p[Pl::WarBonds]) +
              (level > 0 ? "  (support level " + std::to_string(level) + " of 4)" : ""));
  Invalidate();
}

void Screen_Campaign::AskForMission() {
  if (!AskForCampaignMission()) {
    // With a mission running the rules switched the mission panel instead.
    Refresh();
    return;
  }
  ShowScreen("Screen_Missions");
  if (!Leave()) Refresh();
}

void Screen_Campaign::Strike() {
  StrikeStarbase();
  if (!Leave()) Refresh();
}

bool Screen_Campaign::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_m: AskForMission(); return true;
    case SDLK_s: Strike(); return true;
    default: return Window::KeyDown(key);
  }
}

}  // namespace qm::ui
