#include "state/savegame.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <memory>
#include <tuple>

#include "state/cp1252.h"
#include "state/file_io.h"
#include "state/frontend.h"

namespace qm {
namespace {

std::string& Directory() {
  static std::string dir = ".";
  return dir;
}

std::string PathOf(const std::string& name) { return Directory() + "/" + name; }

// Every saved integer of a slot, in file order.
template <typename State, typename Fn>
void VisitInts(State& g, Fn&& f) {
  auto row = [&](auto& r) {
    for (int k = 0; k <= 100; ++k) f(r[k]);
  };
  auto grid = [&](auto& t) {
    for (int s = 0; s <= 24; ++s)
      for (int l = 0; l <= 15; ++l) row(t[s][l]);
  };
  auto perSystem = [&](auto& t) {
    for (int s = 0; s <= 24; ++s) row(t[s]);
  };
  grid(g.LocationData);
  perSystem(g.SystemData);
  for (int s = 0; s <= 24; ++s)
    for (int p = 0; p <= 4; ++p) row(g.SpaceObjects[s][p]);
  grid(g.LocationStock);
  grid(g.LocationPrices);
  grid(g.LocationPriceTrend);
  row(g.Cargo);
  perSystem(g.SystemPrices);
  perSystem(g.SystemPriceTrend);
  row(g.BasePrice);
  for (int e = 0; e <= 20; ++e) row(g.NewsData[e]);
  for (int r = 0; r <= 10; ++r) row(g.SystemShips[r]);
  row(g.Player);
  row(g.NonCombatAbilities);
  row(g.CombatAbilities);
  row(g.Ship);
  for (int f = 0; f <= 4; ++f) row(g.FactionData[f]);
  for (int s = 0; s <= 24; ++s)
    for (int o = 0; o <= 6; ++o) row(g.Missions[s][o]);
  row(g.ActiveMission);
  f(g.StarDate);
}

// Every saved string of a slot, in file order.
template <typename State, typename Fn>
void VisitStrings(State& g, Fn&& f) {
  auto row = [&](auto& r) {
    for (int k = 0; k <= 10; ++k) f(r[k]);
  };
  for (int s = 0; s <= 24; ++s)
    for (int l = 0; l <= 15; ++l) row(g.LocationText[s][l]);
  for (int s = 0; s <= 24; ++s) row(g.SystemText[s]);
  for (int c = 0; c <= 100; ++c) f(g.CommodityName[c]);
  for (int e = 0; e <= 20; ++e) f(g.NewsText[e]);
  f(g.PlayerName);
  for (int fa = 0; fa <= 4; ++fa) row(g.FactionText[fa]);
}

void PutInt(uint8_t*& p, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  p[0] = static_cast<uint8_t>(u);
  p[1] = static_cast<uint8_t>(u >> 8);
  p[2] = static_cast<uint8_t>(u >> 16);
  p[3] = static_cast<uint8_t>(u >> 24);
  p += 4;
}

int32_t GetInt(const uint8_t*& p) {
  const uint32_t u = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
  p += 4;
  return static_cast<int32_t>(u);
}

void PutString(uint8_t*& p, const std::string& utf8) {
  std::string bytes = Utf8ToCp1252(utf8);
  const size_t n = std::min<size_t>(bytes.size(), 255);
  p[0] = static_cast<uint8_t>(n);
  std::memcpy(p + 1, bytes.data(), n);  // the rest of the record stays zero
  p += 256;
}

std::string GetString(const uint8_t*& p) {
  std::string s = Cp1252ToUtf8(std::string(reinterpret_cast<const char*>(p + 1), p[0]));
  p += 256;
  return s;
}

bool In(int v, int lo, int hi) { return v >= lo && v <= hi; }

std::string SlotLabel(int slot) { return "savegame slot " + std::to_string(slot); }

constexpr const char* kGeneralInt = "GeneralData.int";
constexpr const char* kGeneralStr = "GeneralData.str";

std::vector<std::string> GeneralPaths() { return {PathOf(kGeneralInt), PathOf(kGeneralStr)}; }
std::vector<std::string> SlotPaths(int slot) { return {PathOf(SlotIntFileName(slot)), PathOf(SlotStrFileName(slot))}; }

bool WriteGeneralData(std::string& error) {
  const auto ints = EncodeGeneralInts();
  const auto strs = EncodeGeneralStrings();
  const auto paths = GeneralPaths();
  return WriteFilesAtomically({{paths[0], &ints}, {paths[1], &strs}}, error);
}

}  // namespace

void SetSaveDirectory(const std::string& dir) { Directory() = dir.empty() ? "." : dir; }
const std::string& SaveDirectory() { return Directory(); }
std::string SlotIntFileName(int slot) { return "Savegame" + std::to_string(slot) + ".int"; }
std::string SlotStrFileName(int slot) { return "Savegame" + std::to_string(slot) + ".str"; }

std::vector<uint8_t> EncodeSlotInts(const GameState& g) {
  std::vector<uint8_t> out(kSlotIntBytes);
  uint8_t* p = out.data();
  VisitInts(g, [&](const int32_t& v) { PutInt(p, v); });
  assert(p == out.data() + out.size());
  return out;
}

std::vector<uint8_t> EncodeSlotStrings(const GameState& g) {
  std::vector<uint8_t> out(kSlotStrBytes, 0);
  uint8_t* p = out.data();
  VisitStrings(g, [&](const std::string& s) { PutString(p, s); });
  assert(p == out.data() + out.size());
  return out;
}

bool DecodeSlot(const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs, GameState& out, std::string& why) {
  for (auto [data, size, name] :
       {std::tuple{&ints, kSlotIntBytes, "integer"}, std::tuple{&strs, kSlotStrBytes, "text"}})
    if (data->size() != size) {
      why = std::string("the ") + name + " file has " + std::to_string(data->size()) + " bytes instead of " +
            std::to_string(size);
      return false;
    }
  // Everything outside the saved ranges starts empty. The fresh state is built
  // on the heap: at about 1 MB it has no place on the stack.
  out = std::move(*std::make_unique<GameState>());
  const uint8_t* p = ints.data();
  VisitInts(out, [&](int32_t& v) { v = GetInt(p); });
  const uint8_t* q = strs.data();
  VisitStrings(out, [&](std::string& s) { s = GetString(q); });
  assert(p == ints.data() + ints.size() && q == strs.data() + strs.size());
  return true;
}

bool WriteSlotFiles(int slot, std::string& error) {
  if (!In(slot, 1, 4)) return error = "there is no " + SlotLabel(slot), false;
  const auto ints = EncodeSlotInts(Game);
  const auto strs = EncodeSlotStrings(Game);
  const auto paths = SlotPaths(slot);
  return WriteFilesAtomically({{paths[0], &ints}, {paths[1], &strs}}, error);
}

bool ReadSlotFiles(int slot, GameState& out, std::string& why) {
  if (!In(slot, 1, 4)) return why = "There is no " + SlotLabel(slot), false;
  std::vector<uint8_t> ints, strs;
  std::string error;
  const std::string label = "Savegame slot " + std::to_string(slot);
  // A save cut off by the death of the process is completed first; a slot
  // whose files cannot be made to belong together is never read.
  if (!FinishInterruptedWrite(SlotPaths(slot), error)) return why = label + " is damaged (" + error + ")", false;
  for (auto [name, size, data] : {std::tuple{SlotIntFileName(slot), kSlotIntBytes, &ints},
                                  std::tuple{SlotStrFileName(slot), kSlotStrBytes, &strs}}) {
    switch (ReadFileOfSize(PathOf(name), size, *data, error)) {
      case SizedRead::Ok: continue;
      case SizedRead::CannotRead: return why = label + " cannot be read (" + error + ")", false;
      case SizedRead::WrongSize:
      case SizedRead::NotAFile: return why = label + " is damaged (" + error + ")", false;
    }
  }
  if (!DecodeSlot(ints, strs, out, error) || !ValidateLoadedState(out, error))
    return why = label + " is damaged (" + error + ")", false;
  return true;
}

bool SaveGame(int slot, const std::string& slotName) {
  if (!In(slot, 1, 4)) {
    Notify("Save failed", "There is no " + SlotLabel(slot) + ".");
    return false;
  }
  if (!AskYesNo("Really save?",
                "Do you really wish to save the game in this savegame slot? (A previous savegame in the same slot "
                "would be overwritten)"))
    return false;
  std::string error;
  if (!WriteSlotFiles(slot, error)) {
    Notify("Save failed", "The game could not be saved in " + SlotLabel(slot) + " (" + error +
                              "). The previous savegame in this slot is unchanged.");
    return false;
  }
  General.SaveSlotUsed[slot] = 1;
  General.SaveSlotName[slot] = SanitizeTypedName(slotName);
  if (!WriteGeneralData(error)) {
    Notify("Save failed", "The game has been saved in " + SlotLabel(slot) +
                              ", but the list of savegames and the settings could not be written (" + error +
                              "). After the next start the slot may show as empty.");
    return false;
  }
  Notify("Game saved!", "The game has been successfully saved.");
  return true;
}

bool LoadGame(int slot) {
  if (!In(slot, 1, 4)) {
    Notify("Load failed", "There is no " + SlotLabel(slot) + ".");
    return false;
  }
  if (!AskYesNo("Really load?", "Do you really wish to load this game?")) return false;
  auto scratch = std::make_unique<GameState>();
  std::string why;
  if (!ReadSlotFiles(slot, *scratch, why)) {
    Notify("Load failed", why + ". Nothing was loaded.");
    return false;
  }
  Game = std::move(*scratch);
  // A tutorial belongs to the game it was started in.
  Run.TutorialActive = false;
  Run.TutorialStep = 0;
  UI().TutorialChanged();
  Notify("Game loaded!", "The game has been successfully loaded.");
  return true;
}

std::vector<uint8_t> EncodeGeneralInts() {
  std::vector<uint8_t> out(kGeneralIntBytes);
  uint8_t* p = out.data();
  for (int s = 1; s <= 4; ++s) PutInt(p, General.SaveSlotUsed[s]);
  for (int e = 1; e <= 5; ++e)
    for (int f = 1; f <= 100; ++f) PutInt(p, General.Highscore[e][f]);
  PutInt(p, General.StartCounter);
  const Options& o = General.Option;
  for (bool b : {o.Music, o.SoundEffects, o.AutoNextTurn, o.VeteranMode, o.NoWarPopups}) PutInt(p, b ? 1 : 0);
  const CombatTimers& t = General.Timers;
  auto message = [](int ms) { return ms < 1000 ? 1200 : ms; };
  for (int ms : {message(t.PlayerMessage), message(t.EnemyMessage), t.PlayerGunFire, t.PlayerGunFire, t.EnemyGunFire,
                 t.PlayerShield, t.EnemyShield})
    PutInt(p, ms);
  return out;
}

std::vector<uint8_t> EncodeGeneralStrings() {
  std::vector<uint8_t> out(kGeneralStrBytes, 0);
  uint8_t* p = out.data();
  for (int s = 1; s <= 4; ++s) PutString(p, General.SaveSlotName[s]);
  for (int e = 1; e <= 5; ++e) PutString(p, General.HighscoreName[e]);
  return out;
}

bool DecodeGeneral(const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs) {
  General = GeneralData{};
  if (ints.size() != kGeneralIntBytes || strs.size() != kGeneralStrBytes) return false;
  const uint8_t* p = ints.data();
  for (int s = 1; s <= 4; ++s) General.SaveSlotUsed[s] = GetInt(p) == 1 ? 1 : 0;
  for (int e = 1; e <= 5; ++e)
    for (int f = 1; f <= 100; ++f) General.Highscore[e][f] = GetInt(p);
  General.StartCounter = std::clamp(GetInt(p), 0, 1000000000);  // counted up at every start: room to grow
  Options& o = General.Option;
  for (bool* b : {&o.Music, &o.SoundEffects, &o.AutoNextTurn, &o.VeteranMode, &o.NoWarPopups}) *b = GetInt(p) == 1;
  auto interval = [&] { return std::clamp(GetInt(p), 100, 10000); };
  CombatTimers& t = General.Timers;
  t.PlayerMessage = interval();
  t.EnemyMessage = interval();
  t.PlayerGunFire = interval();
  (void)GetInt(p);  // the gun-fire timer written a second time
  t.EnemyGunFire = interval();
  t.PlayerShield = interval();
  t.EnemyShield = interval();
  const uint8_t* q = strs.data();
  for (int s = 1; s <= 4; ++s) General.SaveSlotName[s] = SanitizeTypedName(GetString(q));
  for (int e = 1; e <= 5; ++e) General.HighscoreName[e] = SanitizeTypedName(GetString(q));
  return true;
}

bool SaveGeneralData() {
  std::string error;
  return WriteGeneralData(error);
}

void TidySaveDirectory() {
  std::string error;
  std::vector<std::vector<std::string>> sets{GeneralPaths()};
  for (int slot = 1; slot <= 4; ++slot) sets.push_back(SlotPaths(slot));
  for (const auto& paths : sets) {
    FinishInterruptedWrite(paths, error);  // a set that cannot be finished is refused when read
    RemoveLeftoverFiles(paths);
  }
}

void LoadGeneralData() {
  TidySaveDirectory();
  std::vector<uint8_t> ints, strs;
  std::string error;
  // Missing or foreign files mean a first start: the defaults.
  if (!FinishInterruptedWrite(GeneralPaths(), error) ||
      ReadFileOfSize(PathOf(kGeneralInt), kGeneralIntBytes, ints, error) != SizedRead::Ok ||
      ReadFileOfSize(PathOf(kGeneralStr), kGeneralStrBytes, strs, error) != SizedRead::Ok ||
      !DecodeGeneral(ints, strs))
    General = GeneralData{};
}

}  // namespace qm
