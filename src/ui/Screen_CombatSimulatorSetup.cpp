#include "ui/Screen_CombatSimulatorSetup.h"

#include <string>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/ship_combat.h"
#include "combat/simulator.h"

namespace qm::ui {
namespace {

constexpr int kW = 680, kH = 529;
// Items: ships 1..3, expertises 4..6, "Back" 7, "Continue" 8.
constexpr int kExpertiseItem = 4, kBackItem = 7, kContinueItem = 8;
constexpr int kColumnX = 24, kColumnStep = 214, kColumnW = 204;
constexpr int kShipsY = 108, kShipH = 168, kExpertiseY = 318, kExpertiseH = 118;
constexpr const char* kPrefix = "SimulatorSetup";
constexpr Color kDimmed{0, 0, 0, 140};

bool EnemyStep() { return Sim.step == SimStep::Enemy; }

std::string ShipFacts(int type) {
  return shipClassName(type) + "  \u00b7  shields " + std::to_string(shipStat(type, Stat::MaxShields)) +
         "  \u00b7  guns " + std::to_string(shipStat(type, Stat::GunDamage)) + "\nSpecial: " +
         specialityName(shipStat(type, Stat::Speciality));
}

// The abilities an expertise brings beyond guns, missiles and ECM.
std::string ExpertiseFacts(int expertise) {
  std::string out;
  for (int id : EnemyRepertoire(1, expertise)) {
    if (id <= 3) continue;
    out += (out.empty() ? "" : ", ") + combatActionName(id);
  }
  return out;
}

TextStyle Centred(TextStyle s) { return Aligned(s, Align::Centre); }

}  // namespace

Screen_CombatSimulatorSetup::Screen_CombatSimulatorSetup() : Window("Screen_CombatSimulatorSetup", kW, kH) {
  background = "SimulatorSetup_00.jpg";
  TextStyle title = Centred(Title(20));
  title.font = Font::SerifBold;
  title.color = kGold;
  AddLabel({16, 14, kW - 32, 30}, "Welcome to Ruvevid VII  - \"The Game World\"", Shadowed(title));
  caption_ = &AddLabel({16, 50, kW - 32, 24}, "", Shadowed(Centred(Title(17))));
  BuildShips();
  BuildExpertises();

  status_ = &AddLabel({kColumnX, 446, kW - 2 * kColumnX, 18}, "", OneLine(Body(12), Align::Centre));
  auto& back = AddButton(kBackItem, {kColumnX, 474, 150, 38}, kPrefix, "Back", [this] { Back(); });
  back.captionStyle = Caption(14);
  SetCancel(&back);
  continue_ = &AddButton(kContinueItem, {kW - kColumnX - 150, 474, 150, 38}, kPrefix, "Continue",
                         [this] { Continue(); });
  continue_->captionStyle = Caption(14);
  SetDefault(continue_);
  Label& keys = AddLabel({kColumnX + 156, 484, kW - 2 * kColumnX - 312, 18},
                         "\u2190 \u2192 or 1-3 ship  \u00b7  \u2191 \u2193 or T S R expertise",
                         OneLine(Small(10), Align::Centre));
  keys.style.color = kDim;
}

void Screen_CombatSimulatorSetup::BuildShips() {
  TextStyle head = Shadowed(Title(14));
  AddLabel({kColumnX, 84, 300, 20}, "Select your ship:", head);
  for (int i = 0; i < 3; ++i) {
    const int type = i + 1, x = kColumnX + i * kColumnStep;
    Choice& c = ships_[static_cast<size_t>(i)];
    c.button = &AddButton(type, {x, kShipsY, kColumnW, kShipH}, kPrefix, "", [this, type] { PickShip(type); },
                          PictureKind::Toggle);
    c.button->name = "Ship" + std::to_string(type);
    c.picture = &AddPicture({x + 14, kShipsY + 6, kColumnW - 28, 100}, "");
    c.name = &AddLabel({x, kShipsY + 108, kColumnW, 20}, shipName(type), Centred(Title(14)), type);
    c.facts = &AddLabel({x + 8, kShipsY + 130, kColumnW - 16, 34}, ShipFacts(type), Centred(Small(10)), type);
    c.dim = &AddBox({x, kShipsY, kColumnW, kShipH}, kDimmed);
    c.frame = &AddBox({x - 2, kShipsY - 2, kColumnW + 4, kShipH + 4}, {0, 0, 0, 0}, kGold);
  }
}

void Screen_CombatSimulatorSetup::BuildExpertises() {
  AddLabel({kColumnX, 294, 300, 20}, "Select your expertise:", Shadowed(Title(14)));
  for (int i = 0; i < 3; ++i) {
    const int expertise = i + 1, item = kExpertiseItem + i, x = kColumnX + i * kColumnStep;
    Choice& c = expertises_[static_cast<size_t>(i)];
    c.button = &AddButton(item, {x, kExpertiseY, kColumnW, kExpertiseH}, kPrefix, "",
                          [this, expertise] { PickExpertise(expertise); }, PictureKind::Toggle);
    c.button->name = std::string("Expertise") + ExpertiseLetter(expertise);
    TextStyle letter = Centred(Title(34));
    letter.font = Font::SerifBold;
    letter.color = kGold;
    AddLabel({x, kExpertiseY + 4, kColumnW, 44}, ExpertiseLetter(expertise), Shadowed(letter), item);
    c.name = &AddLabel({x, kExpertiseY + 50, kColumnW, 20}, ExpertiseName(expertise), Centred(Title(14)), item);
    c.facts = &AddLabel({x + 8, kExpertiseY + 74, kColumnW - 16, 40}, ExpertiseFacts(expertise),
                        Centred(Small(10)), item);
    c.dim = &AddBox({x, kExpertiseY, kColumnW, kExpertiseH}, kDimmed);
    c.frame = &AddBox({x - 2, kExpertiseY - 2, kColumnW + 4, kExpertiseH + 4}, {0, 0, 0, 0}, kGold);
  }
}

void Screen_CombatSimulatorSetup::OnShow() {
  ClearHover();
  Refresh();
}

// The window's close box goes back, as "Back" does.
bool Screen_CombatSimulatorSetup::OnCloseRequest() {
  SimulatorBack();
  return true;
}

void Screen_CombatSimulatorSetup::PickShip(int type) {
  ChooseSimulatorShip(type);
  Refresh();
}

void Screen_CombatSimulatorSetup::PickExpertise(int expertise) {
  ChooseSimulatorExpertise(expertise);
  Refresh();
}

void Screen_CombatSimulatorSetup::Continue() {
  if (SimulatorContinue()) Close();
}

void Screen_CombatSimulatorSetup::Back() {
  SimulatorBack();
  Close();
}

void Screen_CombatSimulatorSetup::Refresh() {
  const bool enemy = EnemyStep();
  caption_->Set(enemy ? "Enemy setup:" : "Player setup:");
  caption_->style.color = enemy ? Color{255, 170, 150, 255} : kText;
  const int ship = SimulatorShipChoice(), expertise = SimulatorExpertiseChoice();
  for (int i = 0; i < 3; ++i) {
    Choice& c = ships_[static_cast<size_t>(i)];
    c.picture->Set(shipPictureName(i + 1, enemy ? 0 : 1) + (enemy ? "_R.jpg" : "_L.jpg"));
    c.button->SetOn(ship == i + 1);
    c.frame->Show(ship == i + 1);
    c.dim->Show(ship != 0 && ship != i + 1);
    Choice& e = expertises_[static_cast<size_t>(i)];
    e.button->SetOn(expertise == i + 1);
    e.frame->Show(expertise == i + 1);
    e.dim->Show(expertise != 0 && expertise != i + 1);
  }
  const bool ready = ship != 0 && expertise != 0;
  continue_->enabled = ready;
  const std::string who = enemy ? "your opponent" : "yourself";
  status_->Set(ready ? shipName(ship) + " flown by a " + ExpertiseName(expertise) + ". Continue when ready."
                     : "Choose a ship and an expertise for " + who + ".");
  status_->style.color = ready ? kHighlight : kDim;
  Invalidate();
}

bool Screen_CombatSimulatorSetup::KeyDown(SDL_Keycode key) {
  const int ship = SimulatorShipChoice(), expertise = SimulatorExpertiseChoice();
  switch (key) {
    case SDLK_1: case SDLK_2: case SDLK_3: PickShip(static_cast<int>(key - SDLK_1) + 1); return true;
    case SDLK_RIGHT: PickShip(ship % 3 + 1); return true;
    case SDLK_LEFT: PickShip(ship <= 1 ? 3 : ship - 1); return true;
    case SDLK_t: PickExpertise(1); return true;
    case SDLK_s: PickExpertise(2); return true;
    case SDLK_r: PickExpertise(3); return true;
    case SDLK_DOWN: PickExpertise(expertise % 3 + 1); return true;
    case SDLK_UP: PickExpertise(expertise <= 1 ? 3 : expertise - 1); return true;
    default: return Window::KeyDown(key);
  }
}

}  // namespace qm::ui
