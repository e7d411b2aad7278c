#include "ui/Screen_SaveLoad.h"

#include "state/game_state.h"
#include "ui/Select_Name.h"
#include "world/save_load_actions.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: "Save" of slot n is n, "Load" is 4 + n, "Back" is 9.
constexpr int kBackItem = 9;
constexpr int kSlotTop = 62, kSlotStep = 78, kSlotHeight = 70;

constexpr Color kFrame{70, 96, 136, 255};
constexpr Color kFill{6, 10, 22, 170};
constexpr Color kUsed{120, 210, 150, 255};
constexpr Color kDamaged{240, 110, 90, 255};

}  // namespace

Screen_SaveLoad::Screen_SaveLoad() : Window("Screen_SaveLoad", 360, 422) {
  background = "SaveLoad_00.jpg";
  TextStyle title = Title(18);
  title.align = Align::Centre;
  title_ = &AddLabel({16, 12, 328, 26}, "", title);
  TextStyle hint = Small(10);
  hint.align = Align::Centre;
  hint_ = &AddLabel({16, 38, 328, 16}, "", hint);

  for (int n = 1; n <= 4; ++n) {
    const int y = kSlotTop + (n - 1) * kSlotStep;
    Slot& s = slots_[static_cast<size_t>(n)];
    s.frame = &AddBox({16, y, 328, kSlotHeight}, kFill, kFrame);
    AddLabel({28, y + 6, 56, 18}, "Slot " + std::to_string(n), Title(12));
    // What the slot holds: the pilot and date, then the ship and place (or empty, or damaged).
    TextStyle state = Small(9);
    state.align = Align::Right;
    state.wrap = false;
    s.state = &AddLabel({88, y + 4, 244, 12}, "", state);
    s.place = &AddLabel({88, y + 16, 244, 12}, "", state);
    TextStyle field = Body(12);
    field.middle = true;
    field.wrap = false;
    s.name = &AddTextField({28, y + 30, 168, 28}, "", field);
    s.name->name = "slot" + std::to_string(n);
    s.name->maxChars = 30;
    s.name->accept = NameCharacterAllowed;
    s.name->onClick = [this, field = s.name] { Focus(field); };  // a click puts the typing cursor here
    auto& save = AddButton(n, {204, y + 30, 62, 28}, "SaveLoad", "Save", [this, n] { Save(n); });
    auto& load = AddButton(4 + n, {272, y + 30, 62, 28}, "SaveLoad", "Load", [this, n] { Load(n); });
    save.captionStyle = Caption(12);
    load.captionStyle = Caption(12);
  }
  auto& back = AddButton(kBackItem, {120, 378, 120, 32}, "SaveLoad", "Back", [this] {
    TutorialHook(TutorialEvent::SaveScreenBack);
    Close();
  });
  SetCancel(&back);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::SaveLoad, TutorialPanel::Place{-210, 40});
  tutorial_->markerAt = [](int step) -> Rect {
    if (step == 29) return {204, kSlotTop + 30, 62, 28};  // the first slot's "Save"
    return step == 30 ? Rect{120, 378, 120, 32} : Rect{};
  };
}

void Screen_SaveLoad::OnShow() {
  ClearHover();
  for (int n = 1; n <= 4; ++n) slots_[static_cast<size_t>(n)].name->text = General.SaveSlotName[n];
  Focus(nullptr);
  Refresh();
}

bool Screen_SaveLoad::OnCloseRequest() { return true; }  // as "Back"

void Screen_SaveLoad::Refresh() {
  const bool running = Game.Ship[Sh::Alive] > 0;
  title_->Set(running ? "Save or load a game" : "Load a game");
  hint_->Set(running ? "Click a slot's name to type a new one, then \"Save\"." : "Choose a saved game to continue.");
  for (int n = 1; n <= 4; ++n) {
    Slot& s = slots_[static_cast<size_t>(n)];
    const SlotSummary summary = DescribeSlot(n);
    if (!summary.used) {
      s.state->Set("Empty slot");
      s.state->style.color = kDim;
      s.place->Set("");
    } else if (summary.damaged) {
      s.state->Set("Damaged: this game cannot be loaded");
      s.state->style.color = kDamaged;
      s.place->Set("");
    } else {
      s.state->Set(Fit(summary.pilot + "  \u00b7  " + summary.when, s.state->rect.w, s.state->style));
      s.state->style.color = kUsed;
      s.place->Set(Fit(summary.place, s.place->rect.w, s.place->style));
      s.place->style.color = kText;
    }
  }
  Invalidate();
}

void Screen_SaveLoad::Save(int slot) {
  // The stored name may differ from the typed one (unstorable characters dropped).
  if (SaveSlotAction(slot, slots_[static_cast<size_t>(slot)].name->text)) {
    slots_[static_cast<size_t>(slot)].name->text = General.SaveSlotName[slot];
    TutorialHook(TutorialEvent::Saved);
  }
  Refresh();
}

void Screen_SaveLoad::OnClose() { TutorialHook(TutorialEvent::SaveScreenClosed); }

void Screen_SaveLoad::Load(int slot) {
  if (LoadSlotAction(slot))
    Close();
  else
    Refresh();
}

}  // namespace qm::ui
