#pragma once
// What must hold for the world after any number of days: each check returns ""
// when all is well, else a short description of the first fault found.
#include <string>
#include <utility>

#include "state/game_state.h"
#include "world/missions.h"
#include "world/news.h"
#include "world/wars.h"

namespace qm::test {

inline bool LocationExists(int s, int l) {
  return s >= 1 && s <= kSystems && l >= 1 && l <= kLocations && Game.SystemData[s][Sys::Exists] > 0 &&
         Game.LocationData[s][l][Loc::Exists] > 0;
}

// What is wrong with an offer on the board of system `board`.
inline std::string OfferFault(const IntRow& m, int board) {
  const int type = m[Mis::Type];
  if (type < 1 || type > 26) return "type " + std::to_string(type);
  if (m[Mis::Reward] <= 0) return "no reward";
  if (m[Mis::TextVariant] < 1 || m[Mis::TextVariant] > MissionTextVariants(type)) return "text variant";
  if (m[Mis::CampaignSystem] != 0 && m[Mis::CampaignSystem] != board) return "campaign of another board";
  if (type == 19) return m[Mis::Object] == 50 ? "" : "planets to visit";
  if (!LocationExists(m[Mis::System], m[Mis::Location])) return "missing target";
  if (type == 5 || type == 18) {
    if (m[Mis::CallSign] < 1 || m[Mis::CallSign] > 10) return "call sign";
    if (m[Mis::Object] < 1 || m[Mis::Object] > 19) return "target ship";
  }
  if (type == 3 || type == 6 || type == 11) {
    if (m[Mis::Object] < 1 || m[Mis::Object] > 12 || m[Mis::Party] < 200) return "goods";
    if (Game.LocationData[m[Mis::System]][m[Mis::Location]][Loc::Kind] < 1) return "delivery to no market";
  }
  const bool route = type == 2 || type == 10 || type == 14 || type == 15;
  if ((route || type == 16 || type == 17) && !LocationExists(m[Mis::Nav2System], m[Mis::Nav2Location]))
    return "missing navpoint 2";
  if (route && !LocationExists(m[Mis::Nav3System], m[Mis::Nav3Location])) return "missing navpoint 3";
  if (route && (m[Mis::Nav1Location] == m[Mis::Nav2Location] || m[Mis::Nav2Location] == m[Mis::Nav3Location] ||
                m[Mis::Nav1Location] == m[Mis::Nav3Location]))
    return "navpoints repeat";
  return "";
}

// Every active offer on every board.
inline std::string BoardsFault() {
  for (int board = 1; board <= kSystems; ++board)
    for (int o = 1; o <= kMissionOffers; ++o) {
      const IntRow& m = Game.Missions[board][o];
      if (m[Mis::Active] == 0) continue;
      const std::string fault = OfferFault(m, board);
      if (!fault.empty())
        return "board " + std::to_string(board) + " slot " + std::to_string(o) + " type " +
               std::to_string(m[Mis::Type]) + ": " + fault;
    }
  return "";
}

// Owners, sieges and the state of war between the factions.
inline std::string PoliticsFault() {
  int siegesBy[kFactions + 1] = {};
  for (int s = 1; s <= kSystems; ++s) {
    const auto& sys = Game.SystemData[s];
    const std::string at = "system " + std::to_string(s) + ": ";
    if (sys[Sys::Owner] < 1 || sys[Sys::Owner] > kFactions) return at + "owner " + std::to_string(sys[Sys::Owner]);
    for (int l = 1; l <= kLocations; ++l) {
      const int owner = Game.LocationData[s][l][Loc::Owner];
      if (Game.LocationData[s][l][Loc::Exists] > 0 && (owner < 0 || owner > kFactions))
        return at + "location " + std::to_string(l) + " owner " + std::to_string(owner);
    }
    // The campaign screen's texts: 0 (not drawn yet) or one of the pool.
    for (auto [field, max] : {std::pair{Camp::SituationVariant, 10}, std::pair{Camp::OpeningVariant, 2},
                              std::pair{Camp::ContributionVariant, 2}, std::pair{Camp::OutlookVariant, 2}})
      if (sys[field] < 0 || sys[field] > max) return at + "campaign text variant " + std::to_string(sys[field]);
    if (!SiegeRunning(s)) continue;
    const int attacker = sys[Camp::Attacker];
    if (attacker < 1 || attacker > kFactions) return at + "attacker " + std::to_string(attacker);
    if (attacker == sys[Sys::Owner]) return at + "besieged by its owner";
    if (sys[Sys::SystemClass] == 6) return at + "a capital besieged";
    if (++siegesBy[attacker] > 1) return at + "faction " + std::to_string(attacker) + " besieges twice";
  }
  for (int a = 1; a <= kFactions; ++a)
    for (int b = 1; b <= kFactions; ++b)
      if (Game.FactionData[a][War::WarBase + b] != Game.FactionData[b][War::WarBase + a])
        return "war flags of " + std::to_string(a) + " and " + std::to_string(b) + " differ";
  return "";
}

// News rows filled from the top, each with its kind, parties, goods, place and texts.
inline std::string NewsFault() {
  bool gap = false;
  for (int r = 1; r <= kNewsEntries; ++r) {
    const auto& n = Game.NewsData[r];
    const std::string at = "news row " + std::to_string(r) + ": ";
    if (n[1] <= 0) {
      gap = true;
      continue;
    }
    if (gap) return at + "after an empty row";
    if (n[2] < 1 || n[2] > 9) return at + "kind " + std::to_string(n[2]);
    for (int f : {3, 4})
      if (n[f] < 0 || n[f] > kFactions) return at + "faction " + std::to_string(n[f]);
    if (n[8] < 0 || n[8] > kCommodities) return at + "commodity " + std::to_string(n[8]);
    if (n[13] < 0 || n[13] > kSystems) return at + "system " + std::to_string(n[13]);
    if (n[2] >= NewsKind::UnderAttack && n[13] < 1) return at + "a siege in no system";
    if (n[2] >= NewsKind::WarDeclared && (n[3] < 1 || n[4] < 1)) return at + "war news without its parties";
    if (Game.NewsText[r].empty()) return at + "no headline";
    for (int f : {21, 22, 23})
      if (n[f] < 0 || n[f] > 10) return at + "text variant " + std::to_string(n[f]);
  }
  return "";
}

}  // namespace qm::test
