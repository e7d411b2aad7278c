// The monkey: random clicks, right-clicks, drags, keys and typing over every
// screen of the real game window, from fixed seeds. Now and then it steers the
// game somewhere interesting (a new game, a duel, a boarding, a fleet battle, a
// flight, the simulator, a save and a load, a status screen). It fails on a
// crash or a sanitizer report (the process dies), on a hang (a watchdog) and on
// a stuck modal: a window that stays on top although Escape, Enter and a click
// on every one of its controls were tried.
//
// QM_MONKEY_EVENTS (default 1500) events per seed, QM_MONKEY_SEEDS (default
// "1"; a comma list), QM_MONKEY_HANG_S (default 120) seconds without progress
// before the watchdog aborts. CI runs 20000 events under the sanitizers
// (scripts/test-sanitize).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/ui_play.h"
#include "ui/event_loop.h"
#include "ui/screens.h"

namespace qm {
namespace {

long EnvNumber(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

std::vector<uint32_t> EnvSeeds() {
  std::vector<uint32_t> seeds;
  const char* v = std::getenv("QM_MONKEY_SEEDS");
  std::string text = v && *v ? v : "1";
  for (size_t at = 0; at < text.size();) {
    const size_t comma = std::min(text.find(',', at), text.size());
    seeds.push_back(static_cast<uint32_t>(std::strtoul(text.substr(at, comma - at).c_str(), nullptr, 10)));
    at = comma + 1;
  }
  return seeds;
}

// The centre of every visible control of `w` that reacts to the mouse, in canvas coordinates.
void Targets(const ui::Panel& p, int ox, int oy, std::vector<std::pair<int, int>>& out) {
  for (const auto& c : p.children) {
    if (!c->visible) continue;
    const int x = ox + c->rect.x, y = oy + c->rect.y;
    if (const auto* panel = dynamic_cast<const ui::Panel*>(c.get())) Targets(*panel, x, y, out);
    if (c->Reacts() && c->rect.w > 0 && c->rect.h > 0) out.emplace_back(x + c->rect.w / 2, y + c->rect.h / 2);
  }
}

std::string Stacked() {
  std::string s;
  for (const ui::Window* w : ui::Stack()) s += w->Unit() + "/";
  return s;
}

// Places the steering goes; every line is one script command.
const char* const kNewGame = "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nset Option.NoWarPopups 1\n";
const char* const kFromMenu[] = {
    kNewGame, kNewGame, kNewGame,
    "click 400 310\n",           // the combat simulator
    "click 400 264\n",           // load a game
    "screen Screen_GameOptions\n", "screen Screen_Highscore\n", "screen Screen_Credits\n",
};
const char* const kFromGame[] = {
    "console duel 2 0\n", "console duel 7 2\n", "console duel 12 3 2 3\n", "console board start 4 2\n",
    "console fleet start 2 0\n", "console fleet start 3 1 strong\n", "console fly 3\nwait 8000\n",
    "console fly 7\nwait 8000\n", "console fly 1\nwait 8000\n", "console save 2 Monkey\n", "console load 2\n",
    "console scan\n", "console planet\n", "console campaign\n", "console set Ship.ShieldEnergy 0\n",
    "screen Screen_GalaxyMap\n", "screen Screen_ShipStatus\n", "screen Screen_PersonalStatus\n",
    "screen Screen_Missions\n", "screen Screen_GameOptions\n", "screen Screen_Cheats\n", "screen Screen_SaveLoad\n",
    "screen Screen_TradeScreenMoveable\n", "screen Screen_Radar\n", "screen Screen_Bank\n", "screen Screen_Bar\n",
    "screen Screen_ShipPurchase\n", "screen Screen_ShipEquipment\n", "screen Screen_CrewHiring\n",
    "screen Screen_Governor\n", "screen Screen_Campaign\n", "screen Screen_Planet\n",
};
const char* const kKeys[] = {"Escape", "Escape", "Return", "Return", "F11", "Tab", "Space", "Backspace", "Up",
                             "Down", "Left", "Right", "A", "C", "E", "M", "R", "S", "T", "Y", "N", "1", "2",
                             "3", "4", "5", "9", "0", "-", "=", "F1", "F2", "F4", "F10", "Delete", "Home"};
const char* const kTexts[] = {"Ada", "x", "0123456789", "Zo\xc3\xab \xe2\x82\xac", "\xf0\x9f\x9a\x80",
                              "a very long name that goes on and on and on past any field", "%s%n\\\"", " "};

class Monkey {
 public:
  Monkey(uint32_t seed, long events, std::filesystem::path dir) : rng_(seed), events_(events), dir_(std::move(dir)) {}

  // The next command(s); "" when every event has been sent.
  std::string Next() {
    progress_.fetch_add(1);
    const std::string stack = Stacked();
    if (stack != lastStack_) {
      lastStack_ = stack;
      sinceChange_ = 0;
      probe_.clear();
      probing_ = false;
    }
    if (ui::Top()) visited_.insert(ui::Top()->Unit());
    if (sent_ >= events_) return "";
    ++sent_;
    ++sinceChange_;
    if (sent_ % 500 == 0) CleanShots();
    std::string line = Choose();
    Remember(line);
    return line;
  }

  std::string stuck;  // the stuck window and what was tried, once found
  const std::set<std::string>& Visited() const { return visited_; }
  long Sent() const { return sent_; }
  std::atomic<long>& Progress() { return progress_; }
  std::string Recent() {
    std::lock_guard lock(mutex_);
    std::string s;
    for (const auto& l : recent_) s += "  " + l;
    return s + "  (stack " + lastStack_ + ")\n";
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Point() { return std::to_string(Pick(800)) + " " + std::to_string(Pick(600)); }

  std::string Choose() {
    ui::Window* top = ui::Top();
    if (!top) return "wait 10\n";
    // Nothing changed for a long time: try every way out, one at a time.
    if (sinceChange_ > kPatience) return Probe(*top);
    std::vector<std::pair<int, int>> targets;
    Targets(top->Root(), top->Bounds().x, top->Bounds().y, targets);
    const auto target = [&] {
      if (targets.empty()) return Point();
      const auto [x, y] = targets[Pick(static_cast<int>(targets.size()))];
      return std::to_string(x) + " " + std::to_string(y);
    };
    if (sinceSteer_++ > 150 + Pick(250)) {
      const std::string& unit = top->Unit();
      if (unit == "Start") return sinceSteer_ = 0, std::string(kFromMenu[Pick(std::size(kFromMenu))]);
      if (unit == "Screen_Travel") return sinceSteer_ = 0, std::string(kFromGame[Pick(std::size(kFromGame))]);
    }
    const int roll = Pick(100);
    if (roll < 34) return "click " + target() + "\n";
    if (roll < 42) return "click " + Point() + "\n";
    if (roll < 47) return "rclick " + (Pick(2) ? target() : Point()) + "\n";
    if (roll < 51) return "dclick " + target() + "\n";
    if (roll < 55) return "drag " + Point() + " " + Point() + "\n";
    if (roll < 60) return "move " + Point() + "\n";
    if (roll < 88) return "key " + std::string(kKeys[Pick(std::size(kKeys))]) + "\n";
    if (roll < 93) return "type " + std::string(kTexts[Pick(std::size(kTexts))]) + "\n";
    if (roll < 98) return "wait " + std::to_string(Pick(3000)) + "\n";
    if (roll < 99) return "key F12\n";
    return "press " + target() + "\nwait " + std::to_string(Pick(1500)) + "\nrelease " + target() + "\n";
  }

  // Escape, Enter, then each control of the top window; a window that survives all is stuck.
  std::string Probe(ui::Window& top) {
    if (!probing_) {
      probing_ = true;
      probe_ = {"key Escape\n", "key Return\n", "key Escape\n"};
      std::vector<std::pair<int, int>> targets;
      Targets(top.Root(), top.Bounds().x, top.Bounds().y, targets);
      for (const auto& [x, y] : targets)
        probe_.push_back("click " + std::to_string(x) + " " + std::to_string(y) + "\nkey Escape\n");
      probe_.push_back("wait 5000\n");
      tried_ = probe_.size();
    }
    if (probe_.empty()) {
      stuck = top.Unit() + " stayed on top through Escape, Enter and " + std::to_string(tried_ - 4) +
              " controls (stack " + lastStack_ + ")\n" + ui::DumpScreens();
      sent_ = events_;  // ends the run
      return "";
    }
    std::string line = probe_.front();
    probe_.pop_front();
    return line;
  }

  void Remember(const std::string& line) {
    std::lock_guard lock(mutex_);
    recent_.push_back(line);
    if (recent_.size() > 40) recent_.pop_front();
  }

  // F12 writes screenshots into the save folder; they are not needed.
  void CleanShots() {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir_, ec))
      if (e.path().extension() == ".png") std::filesystem::remove(e.path(), ec);
  }

  static constexpr long kPatience = 300;
  std::mt19937 rng_;
  long events_, sent_ = 0, sinceChange_ = 0, sinceSteer_ = 0;
  size_t tried_ = 0;
  bool probing_ = false;
  std::deque<std::string> probe_;
  std::string lastStack_;
  std::set<std::string> visited_;
  std::filesystem::path dir_;
  std::atomic<long> progress_{0};
  std::mutex mutex_;
  std::deque<std::string> recent_;
};

// Aborts the program when the monkey makes no progress for `seconds`.
class Watchdog {
 public:
  Watchdog(Monkey& m, long seconds) : thread_([this, &m, seconds] {
      long seen = -1;
      auto since = std::chrono::steady_clock::now();
      std::unique_lock lock(mutex_);
      while (!done_) {
        wake_.wait_for(lock, std::chrono::seconds(1));
        const long now = m.Progress().load();
        if (now != seen) {
          seen = now;
          since = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(seconds)) {
          std::fprintf(stderr, "monkey: hang, no progress for %ld s after:\n%s", seconds, m.Recent().c_str());
          std::abort();
        }
      }
    }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread thread_;
};

class UiMonkey : public test::UiPlay {};

TEST_F(UiMonkey, RandomInputFindsNoCrashHangOrStuckWindow) {
  const long events = EnvNumber("QM_MONKEY_EVENTS", 1500);
  const long hang = EnvNumber("QM_MONKEY_HANG_S", 120);
  std::set<std::string> visited;
  long total = 0;
  for (uint32_t seed : EnvSeeds()) {
    SeedRandom(seed);
    Monkey monkey(seed, events, dir_);
    Watchdog watchdog(monkey, hang);
    ui::SetScriptSource([&] { return monkey.Next(); });
    // The game ends when the monkey leaves it by the menu's Exit; it is started again.
    for (int runs = 0; monkey.Sent() < events && runs < 10000; ++runs) {
      ui::GameOptions options;
      options.scriptText = "wait 1\n";
      options.shotFolder = dir_.string();
      options.hidden = true;
      std::string error;
      ui::RunGame(options, error);  // console lines the state refuses are noted, not faults
    }
    ui::SetScriptSource(nullptr);
    EXPECT_EQ(monkey.stuck, "") << "seed " << seed << ", after:\n" << monkey.Recent();
    visited.insert(monkey.Visited().begin(), monkey.Visited().end());
    total += monkey.Sent();
    std::printf("monkey seed %u: %ld events, %zu windows on top\n", seed, monkey.Sent(), monkey.Visited().size());
  }
  std::string names;
  for (const auto& v : visited) names += v + " ";
  std::printf("monkey: %ld events, windows seen on top: %zu: %s\n", total, visited.size(), names.c_str());
  // The steering really reaches the game: the main screen, a battle and a status screen at least.
  EXPECT_TRUE(visited.count("Screen_Travel")) << names;
  EXPECT_GE(visited.size(), 8u) << names;
}

}  // namespace
}  // namespace qm
