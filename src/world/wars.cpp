#include "world/wars.h"

#include <algorithm>
#include <array>

#include "catalogue/ships.h"
#include "combat/fleet_battle.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/border_system.h"
#include "world/death.h"
#include "world/missions.h"
#include "world/news.h"
#include "world/trade_news.h"

namespace qm {
namespace {

constexpr int kCivilWarCampaigns = 3;  // campaigns won with the player's help that decide the civil war

bool FactionExists(int f) { return f >= 1 && f <= kFactions && Game.FactionData[f][Fac::Exists] > 0; }
std::string ShortName(int f) { return Game.FactionText[f][FacT::ShortName]; }
std::string SystemName(int s) { return Game.SystemText[s][1]; }
int PlayerFaction() { return Game.Player[Pl::Faction]; }

bool SiegeWithAttacker(int attacker) {
  for (int s = 1; s <= kSystems; ++s)
    if (SiegeRunning(s) && Game.SystemData[s][Camp::Attacker] == attacker) return true;
  return false;
}

bool SiegeBetween(int a, int b) {
  for (int s = 1; s <= kSystems; ++s) {
    if (!SiegeRunning(s)) continue;
    const int owner = Game.SystemData[s][Sys::Owner], attacker = Game.SystemData[s][Camp::Attacker];
    if ((owner == b && attacker == a) || (owner == a && attacker == b)) return true;
  }
  return false;
}

// Writes a war event into row 1 of the news list; sieges' events also pop up.
void WarNews(int kind, int a, int b, int system, const std::string& headline) {
  const int r = AddNewsEntry();
  auto& n = Game.NewsData[r];
  n[1] = 1;
  n[2] = kind;
  n[3] = a;
  n[4] = b;
  n[5] = Game.StarDate;
  n[6] = Random(30) + 20;
  n[13] = system;
  Game.NewsText[r] = headline;
  if (kind < NewsKind::UnderAttack || General.Option.NoWarPopups || !UI().MainScreenOnTop()) return;
  const std::string title = kind == NewsKind::UnderAttack ? "War news!!" : "War news!";
  Notify(title, headline + " - " + NewsStory(r), "news.jpg");
}

void SetWar(int a, int b, int state) {
  Game.FactionData[a][War::WarBase + b] = Game.FactionData[b][War::WarBase + a] = state;
  Game.FactionData[a][War::ClockBase + b] = Game.FactionData[b][War::ClockBase + a] = 0;
}

void StartInvasion(int attacker, int system) {
  auto& sys = Game.SystemData[system];
  sys[Camp::Running] = 1;
  sys[Camp::Attacker] = attacker;
  for (int f = Camp::DaysElapsed; f <= Camp::Cleared; ++f) sys[f] = 0;
  sys[Camp::Duration] = Random(200) + 200;
  // Six runs of the generator refill the whole board with the campaign's offers.
  for (int slot = 1; slot <= kMissionOffers; ++slot) {
    Game.Missions[system][slot] = IntRow{};
    GenerateMissionOffers();
  }
  WarNews(NewsKind::UnderAttack, attacker, sys[Sys::Owner], system, SystemName(system) + " system under attack!");
}

// One faction pair's part of the day; returns true when it made news.
bool WarStepForPair(int a, int b, bool newsToday) {
  auto& fa = Game.FactionData[a];
  if (fa[War::WarBase + b] == 0) {
    const int r = Random(1000);
    if (r < 5 && !newsToday && fa[War::ClockBase + b] < -100) {
      if (PickBorderSystem(a, b) == 0) return false;
      SetWar(a, b, 1);
      WarNews(NewsKind::WarDeclared, a, b, 0, "War - " + ShortName(a) + " vs. " + ShortName(b));
      return true;
    }
    fa[War::ClockBase + b] -= 1;
    return false;
  }
  bool news = false;
  fa[War::ClockBase + b] += 1;
  if (fa[War::WarBase + b] > 0 && Random(1000) < 200 && !newsToday && fa[War::ClockBase + b] > 100 &&
      Game.StarDate > 200 && !SiegeBetween(a, b)) {
    SetWar(a, b, 0);
    WarNews(NewsKind::CeaseFire, a, b, 0, "Cease fire - " + ShortName(a) + " vs. " + ShortName(b));
    return true;  // a pair that has just signed a cease-fire starts no invasion
  }
  if (!SiegeWithAttacker(a) && Random(100) < 6) {
    const int t = PickBorderSystem(a, b);
    if (t > 0 && !SiegeRunning(t)) {
      StartInvasion(a, t);
      news = true;
    }
  }
  return news;
}

void Conquer(int s, int attacker, int defender) {
  auto& sys = Game.SystemData[s];
  sys[Sys::Owner] = attacker;
  sys[Camp::Running] = 0;
  for (int l = 1; l <= kLocations; ++l) {
    auto& loc = Game.LocationData[s][l];
    if (loc[Loc::Exists] > 0) loc[Loc::Owner] = attacker;
  }
  if (sys[Camp::PlayerMissions] > 0 && PlayerFaction() == attacker) {
    auto& won = Game.Player[Pl::InvasionOpsCompleted];
    won += 1;
    if (won >= kCivilWarCampaigns && Game.Player[Pl::CivilWarWon] == 0) {
      Game.Player[Pl::CivilWarWon] = 1;
      Notify("Civil war won!",
             "With your help the " + ShortName(attacker) + " has won " + std::to_string(won) +
                 " invasion campaigns. High command declares the civil war decided in your nation's favour: you "
                 "will always be known as one of its heroes.",
             "Victory.jpg");
    }
  }
  WarNews(NewsKind::Conquered, attacker, defender, s, SystemName(s) + " conquered!");
}

void Repel(int s, int attacker, int defender) {
  auto& sys = Game.SystemData[s];
  sys[Camp::Running] = 0;
  if (sys[Camp::PlayerMissions] > 0 && PlayerFaction() == defender) Game.Player[Pl::InvasionsRepelled] += 1;
  WarNews(NewsKind::InvasionFailed, attacker, defender, s, SystemName(s) + " - Invasion failed!");
}

// The player's war bonds support the side of the player's faction.
int WithBonds(int strength, int systemsOwned) {
  const int bonds = Game.Player[Pl::WarBonds];
  if (bonds <= 0) return strength;
  const int level = WarBondLevel(bonds, WarBondThreshold(systemsOwned));
  Game.Player[Pl::WarBondRisk] = level;
  return strength + 30 * level;
}

// One day of the siege of s; the struck system takes no contest point, its
// starbase strike decided it.
void SiegeDay(int s, bool struck) {
  auto& sys = Game.SystemData[s];
  const int attacker = sys[Camp::Attacker], defender = sys[Sys::Owner];
  sys[Camp::DaysElapsed] += 1;
  const int nA = SystemsOwnedBy(attacker), nD = SystemsOwnedBy(defender);
  int a = 30 + TerritoryAdjustment(nA) + Random(10);
  int d = 40 + TerritoryAdjustment(nD) + Random(10);
  const int player = PlayerFaction();
  if (player != attacker) a += 10;
  if (player != defender) d += 10;
  if (player == attacker) a -= 10;
  a = std::clamp(a, 20, 120);
  d = std::clamp(d, 20, 120);
  if (player == attacker) a = WithBonds(a, nA);
  if (player == defender) d = WithBonds(d, nD);
  if (!struck) {
    if (Random(150) + a > Random(150) + d)
      sys[Camp::AttackerPoints] += 1;
    else
      sys[Camp::DefenderPoints] += 1;
  }
  if (sys[Camp::DaysElapsed] < sys[Camp::Duration]) return;
  if (sys[Camp::AttackerPoints] > sys[Camp::DefenderPoints])
    Conquer(s, attacker, defender);
  else
    Repel(s, attacker, defender);
}

void AdvanceSieges(int struck) {
  for (int s = 1; s <= kSystems; ++s)
    if (Game.SystemData[s][Sys::Exists] > 0 && Game.SystemData[s][Camp::Running] == 1) SiegeDay(s, s == struck);
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

bool SiegeRunning(int system) { return Game.SystemData[system][Camp::Running] > 0; }

int SystemsOwnedBy(int faction) {
  int n = 0;
  for (int s = 1; s <= kSystems; ++s)
    n += Game.SystemData[s][Sys::Exists] > 0 && Game.SystemData[s][Sys::Owner] == faction;
  return n;
}

int TerritoryAdjustment(int n) {
  if (n >= 1 && n <= 2) return 40;
  if (n == 3) return 20;
  if (n >= 4 && n <= 5) return 10;
  if (n >= 6 && n <= 10) return -10;
  if (n >= 11 && n <= 16) return -20;
  if (n >= 17 && n <= 24) return -40;
  return 0;
}

int WarBondThreshold(int n) {
  if (n >= 1 && n <= 2) return 50000;
  if (n == 3) return 100000;
  if (n >= 4 && n <= 5) return 1000000;
  if (n >= 6 && n <= 10) return 500000;
  if (n >= 11 && n <= 16) return 1000000;
  if (n >= 17 && n <= 24) return 2500000;
  return 500000;
}

int WarBondLevel(long long bonds, int threshold) {
  const long long e = threshold;
  if (bonds < e) return 1;
  if (bonds < 2 * e) return 2;
  if (bonds < 3 * e) return 3;
  return 4;
}

void DailyWarStep() {
  bool newsToday = false;
  for (int a = 1; a <= kFactions; ++a) {
    if (!FactionExists(a)) continue;
    for (int b = 1; b <= kFactions; ++b) {
      if (b == a || !FactionExists(b)) continue;
      if (WarStepForPair(a, b, newsToday)) newsToday = true;
    }
  }
}

void DailySiegeStep() { AdvanceSieges(0); }

int CampaignInfluencePoints(int t, int n, int c, int special) {
  int b = (t == 10 || t == 14 || t == 15) ? 7 : 15;
  if (t == 3 || t == 6 || t == 11) b *= 4;
  b *= (t == 18 && c < 5) ? 8 : 4;
  if (t == 12) b *= 2;
  if (t == 22 || t == 23 || t == 24) b *= 2;
  if (t == 25 || t == 26) b *= 4;
  if (c < 5) {
    if (n >= 4 && n <= 12) b -= b / 4;
    if (n >= 13) b /= 2;
  } else if (n >= 6) {
    b -= b / 4;
  }
  if (special == 6) b += b / 2;
  return b;
}

void AddCampaignInfluence() {
  const int s = Game.ActiveMission[20];
  const int t = Game.ActiveMission[2];
  if (s < 1 || s > kSystems || !SiegeRunning(s)) return;  // the campaign ended meanwhile
  auto& sys = Game.SystemData[s];
  sys[Camp::PlayerMissions] += 1;
  sys[Camp::LastContribution] = t;
  const int b = CampaignInfluencePoints(t, sys[Camp::PlayerMissions], PlayerShipClass(), Game.Ship[72]);
  if (PlayerFaction() == sys[Camp::Attacker])
    sys[Camp::AttackerPoints] += b;
  else
    sys[Camp::DefenderPoints] += b;
}

std::string NewsStory(int r) {
  if (r < 1 || r > kNewsEntries) return "";
  auto& n = Game.NewsData[r];
  if (n[1] <= 0) return "";
  const int kind = n[2];
  if (kind >= NewsKind::NeedFor && kind <= NewsKind::IncreasedPatrols) return tradeNewsText(r);
  if (kind < NewsKind::WarDeclared || kind > NewsKind::InvasionFailed) return Game.NewsText[r];
  if (n[21] < 1 || n[21] > 10) n[21] = Random(10) + 1;
  return FillNames(WarStoryTemplate(kind, n[21]), ShortName(n[3]), ShortName(n[4]), SystemName(n[13]));
}

void CampaignLevels(int days, int duration, int wa, int wd, int& attacker, int& defender) {
  attacker = defender = 2;
  if (days <= duration / 2) return;
  struct Step { int cut, strong, weak; };
  auto apply = [&](int lead, int trail, int& strong, int& weak) {
    if (!(trail < lead)) return;
    const Step steps[] = {{lead - lead / 4, 3, 2}, {lead - lead / 3, 3, 1}, {lead - lead / 2, 4, 1},
                          {lead - lead / 2 - lead / 4, 4, 0}};
    for (const Step& st : steps)
      if (trail < st.cut) strong = st.strong, weak = st.weak;
  };
  apply(wa, wd, attacker, defender);
  apply(wd, wa, defender, attacker);
}

CampaignView CampaignScreen(int s) {
  CampaignView v;
  auto& sys = Game.SystemData[s];
  const int attacker = sys[Camp::Attacker], owner = sys[Sys::Owner];
  const bool defending = PlayerFaction() == owner;
  v.title = defending ? "System defense" : "Invasion";
  if (sys[Camp::SituationVariant] < 1 || sys[Camp::SituationVariant] > 10) sys[Camp::SituationVariant] = Random(10) + 1;
  for (int f : {Camp::OpeningVariant, Camp::ContributionVariant, Camp::OutlookVariant})
    if (sys[f] < 1 || sys[f] > 2) sys[f] = Random(2) + 1;
  v.situation = FillNames(SituationTemplate(sys[Camp::SituationVariant]), ShortName(attacker), ShortName(owner),
                          SystemName(s));

  const bool first = sys[Camp::OpeningVariant] == 1, second = sys[Camp::ContributionVariant] == 1,
             third = sys[Camp::OutlookVariant] == 1;
  const int n = sys[Camp::PlayerMissions];
  std::string text;
  if (n <= 0) {
    text = first ? "You have not yet engaged in this campaign. You can influence the battle by either successfully "
                   "fulfilling missions in this system or by intercepting certain important enemy ships detected by "
                   "your ship sensors."
                 : "This campaign has been fought without your help so far. You can influence the battle by either "
                   "successfully fulfilling missions in this system or by intercepting certain important enemy ships "
                   "detected by your ship sensors.";
  } else {
    text = first ? "You have already influenced the campaign." : "You\u00b4ve already fought in this campaign.";
    const int last = sys[Camp::LastContribution];
    const bool supply = last == 3 || last == 6 || last == 7 || last == 11 || last == 16 || last == 17 || last == 18;
    const bool intel = last == 2 || last == 8 || last == 10 || last == 15 || last == 19;
    if (supply)
      text += second ? " With your last attempts you have supplied our fleet with the important goods and equipment "
                       "it needed to stay in the field."
                     : " The supplies you brought in just recently have increased the effectiveness of your fleet.";
    else if (intel)
      text += second ? " You recently patrolled the system giving our forces the intelligence it needs to focus their "
                       "forces at the right spot."
                     : " The intelligence you provided just recently has been an important factor in deciding the "
                       "fate of our fleet.";
    else
      text += second ? " Just recently you have attacked and destroyed enemy forces, directly reducing the enemy "
                       "numbers."
                     : " Your last accomplishment in this campaign has been a direct strike on the enemy forces.";
    if (n < 5)
      text += third ? " High Command encourages you to push further and make sure we win this campaign."
                    : " It is imperative that you continue fulfilling missions to make sure we win this campaign.";
    else if (n <= 10)
      text += third ? " High Command is pleased with your service, however they would prefer if you would make sure "
                      "we would win by fulfilling just a couple of more missions."
                    : " You already had a good impact on the campaign, but you might have to push it ever further if "
                      "you want us to win.";
    else
      text += third ? " High Command is all excited about your success. You are the hero of this campaign, cited in "
                      "almost every newspaper from New France up to Hyraxan VII."
                    : " It can be truly said that you are the reason we\u00b4ll propably win this campaign. Good work!";
  }
  v.player = Quoted(text);
  v.days = std::to_string(sys[Camp::DaysElapsed]) + "/" + std::to_string(sys[Camp::Duration]) + " days";
  CampaignLevels(sys[Camp::DaysElapsed], sys[Camp::Duration], sys[Camp::AttackerPoints], sys[Camp::DefenderPoints],
                 v.attackerLevel, v.defenderLevel);
  const std::string ours = defending ? "red" : "blue", theirs = defending ? "blue" : "red";
  v.attackerSmall = theirs + "_ship_small_right.bmp";
  v.attackerBig = theirs + "_ship_big_right.bmp";
  v.defenderSmall = ours + "_ship_small_left.bmp";
  v.defenderBig = ours + "_ship_big_left.bmp";
  v.starbase = defending ? "red_station_off.bmp" : "blue_station.bmp";
  v.systemPicture = defending ? "starsystem_red.bmp" : "starsystem_blue.bmp";
  return v;
}

bool AskForCampaignMission() {
  if (Game.ActiveMission[1] >= 1) {
    Notify("N/A", "You can only accept one mission at a time!");
    Run.MissionPanelVisible = !Run.MissionPanelVisible;
    return false;
  }
  const int s = Game.Ship[Sh::System];
  for (int slot = 1; slot <= 5; ++slot) {
    if (Game.Missions[s][slot][1] >= 1) continue;
    Notify("No mission uplink",
           "An enemy spaceship is spamming all radio frequences. You need to fly to a different location to get an "
           "uplink to the mission database.");
    return false;
  }
  return true;
}

void StrikeStarbase() {
  const int s = Game.Ship[Sh::System];
  auto& sys = Game.SystemData[s];
  if (!SiegeRunning(s)) {
    Notify("N/A", "There is no invasion in this system.");
    return;
  }
  if (PlayerFaction() == sys[Sys::Owner]) {
    Notify("N/A!", "Your faction defends the starbase. You cannot attack it.");
    return;
  }
  if (PlayerShipClass() < 5) {
    Notify("Battleship required!", "To attack the enemy starbase you need to have a battleship!");
    return;
  }
  const int wa = sys[Camp::AttackerPoints];
  const bool weakened = sys[Camp::DaysElapsed] > 100 && sys[Camp::DefenderPoints] < wa - wa / 3;
  const std::string question = weakened ? "Do you really wish to directly attack the enemy starbase?"
                                        : "Do you really wish to directly attack the enemy starbase? The enemy is "
                                          "still very strong!";
  if (!AskYesNo("Attack starbase?", question)) return;
  SetupFleetBattle(sys[Sys::Owner], -1);
  if (!weakened) {
    SetFleetWaveStrength(3, 2);
    SetFleetWaveStrength(4, 3);
    SetFleetWaveStrength(5, 3);
  }
  const bool won = RunFleetBattle();
  if (Run.QuitToMenu) return;  // the game was left inside the battle
  ResolveStarbaseStrike(s, won);
  // A strike that cost the ship is a death like any other.
  if (Game.Ship[Sh::Alive] == 0) HandleDeath();
}

void ResolveStarbaseStrike(int s, bool won) {
  auto& sys = Game.SystemData[s];
  if (won)
    sys[Camp::DefenderPoints] = 0;
  else
    sys[Camp::AttackerPoints] = 0;
  sys[Camp::DaysElapsed] = 1000;
  AdvanceSieges(s);
  UI().RefreshMainScreen(s);
}

}  // namespace qm
