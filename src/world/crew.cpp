#include "world/crew.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/equipment.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/money.h"

namespace qm {
namespace {

// Where each crew type may be hired.
enum class Hiring { Planets, Hideouts, Never };

struct CrewType {
  int slot;
  int price;
  Hiring where;
  const char* plural;  // as the hiring refusal names it
};

constexpr std::array<CrewType, kCrewTypes + 1> kCrew = {{
    {0, 0, Hiring::Never, ""},
    {Sh::Crewmen, 1000, Hiring::Planets, "crewmen"},
    {Sh::Officers, 5000, Hiring::Planets, "officers"},
    {Sh::Pirates, 2000, Hiring::Hideouts, "pirates"},
    {Sh::Marines, 5000, Hiring::Planets, "marines"},
    {Sh::Droids, 0, Hiring::Never, "battle droids"},
}};

const CrewType* TypeOf(int crewType) {
  return crewType >= 1 && crewType <= kCrewTypes ? &kCrew[static_cast<size_t>(crewType)] : nullptr;
}

// The kind of place the ship is at; 0 (no market, no crew) away from a location.
int HereKind() {
  const int loc = Game.Ship[Sh::Location];
  if (loc < 1) return Kind::Uncolonised;
  const auto& row = Game.LocationData[Game.Ship[Sh::System]][loc];
  return row[Loc::Exists] > 0 ? row[Loc::Kind] : Kind::Uncolonised;
}

// Why this type is not hired at the place the ship is at; empty when it is.
HireRefusal PlaceRefusal(const CrewType& t) {
  switch (t.where) {
    case Hiring::Never:
      return {"N/A",
              "Battle droids are very dangerous weapons and are not available on the free market. You will have to "
              "seize some on enemy ships."};
    case Hiring::Hideouts:
      if (HereKind() == Kind::Hideout) return {};
      return {"N/A", "You can only hire pirates at pirate hideouts - not at common planets."};
    case Hiring::Planets:
      if (HereKind() >= 1) return {};
      return {"N/A", std::string("You can only hire ") + t.plural +
                         " at normal planets. Only pirates are available at pirate hideouts."};
  }
  return {};
}

}  // namespace

int crewSlot(int crewType) { return TypeOf(crewType) ? TypeOf(crewType)->slot : 0; }

int crewPrice(int crewType) { return TypeOf(crewType) ? TypeOf(crewType)->price : 0; }

std::string crewPriceText(int crewType) {
  const int price = crewPrice(crewType);
  return price > 0 ? "$C " + FormatMoney(price) : "N/A";
}

int totalCrew() {
  int64_t sum = 0;
  for (int slot = Sh::Crewmen; slot <= Sh::Droids; ++slot) sum += Game.Ship[slot];
  return Saturate(sum);
}

int crewCapacity() { return maxCrew(Game.Ship[Sh::ShipType], Game.Ship[Sh::CargoSpace]); }

void sendAwayCrewBeyondMaximum() {
  auto& s = Game.Ship;
  const int limit = crewCapacity();
  int64_t crew = 0;
  for (int t = Sh::Crewmen; t <= Sh::Droids; ++t) crew += std::max(0, s[t]);
  if (crew <= limit) return;
  Notify("Crew members leave!",
         "Some crew members leave your ship due to a lower maximum amount of crew members allowed on the new ship.");
  for (int t = Sh::Crewmen; t <= Sh::Droids && crew > limit; ++t) {
    const int64_t leave = std::min<int64_t>(std::max(0, s[t]), crew - limit);
    s[t] -= static_cast<int32_t>(leave);
    crew -= leave;
  }
}

HireRefusal crewHireUnavailable(int crewType) {
  const CrewType* t = TypeOf(crewType);
  if (!t) return {"N/A", "There is no such kind of crew to hire."};
  if (HireRefusal r = PlaceRefusal(*t); r.refused()) return r;
  const int capacity = crewCapacity();
  if (capacity <= 0) return {"No crew space!", "This kind of ship cannot carry a crew. Buy a bigger one!"};
  if (totalCrew() >= capacity) return {"No crew space!", "Your ship cannot carry more crew members!"};
  return {};
}

bool hireCrew(int crewType) {
  if (const HireRefusal r = crewHireUnavailable(crewType); r.refused()) {
    Notify(r.topic, r.text);
    return false;
  }
  const CrewType* t = TypeOf(crewType);
  auto& credits = Game.Player[Pl::Credits];
  if (credits < t->price) {
    Notify("Not enough money!", "Unfortunately you do not have enough money.");
    return false;
  }
  credits -= t->price;
  Game.Ship[t->slot] = Saturate(static_cast<int64_t>(Game.Ship[t->slot]) + 1);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  return true;
}

bool dismissCrew(int crewType) {
  const CrewType* t = TypeOf(crewType);
  if (!t || Game.Ship[t->slot] <= 0) {
    Notify("No crew!", "There is nobody to dismiss!");
    return false;
  }
  Game.Ship[t->slot] -= 1;
  return true;
}

bool CrewHireRepeat::Press(int crewType) {
  crewType_ = crewType;
  intervalMs_ = kFirstIntervalMs;
  active_ = hireCrew(crewType);
  return active_;
}

bool CrewHireRepeat::Tick() {
  if (!active_) return false;
  intervalMs_ = std::max(kShortestIntervalMs, intervalMs_ - 100);
  active_ = hireCrew(crewType_);
  return active_;
}

void CrewHireRepeat::Release() {
  active_ = false;
  intervalMs_ = kFirstIntervalMs;
}

}  // namespace qm
