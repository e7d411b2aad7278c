#include "ui/background.h"

#include "sound/sound.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "ui/event_loop.h"
#include "ui/Start.h"
#include "ui/screens.h"

namespace qm::ui {

Background::Background() : Window("background", platform::kCanvasWidth, platform::kCanvasHeight) {
  background = "Background.jpg";
  frame = false;
}

namespace {
constexpr int kMusicTimer = 1, kSoundCheckTimer = 2;
constexpr int kSoundCheckMs = 100;

// Audio timers change nothing on screen: they must not cause redraws.
void Quiet(const Window* owner, int id) {
  for (Timer& t : Timers())
    if (t.owner == owner && t.id == id && t.alive) t.redraws = false;
}
}  // namespace

void Background::Rearm(int ms) {
  StartTimer(kMusicTimer, ms, [] { sound::Background().Tick(); }, /*covered=*/true);
  Quiet(this, kMusicTimer);
}

void Background::OnActivate() {
  LoadGeneralData();
  General.StartCounter = General.StartCounter < INT32_MAX ? General.StartCounter + 1 : INT32_MAX;
  sound::Background().SetTimer(this);
  Rearm(sound::BackgroundMusic::kFirstTickMs);
  StartTimer(kSoundCheckTimer, kSoundCheckMs, [] { sound::Check(); }, /*covered=*/true);
  Quiet(this, kSoundCheckTimer);
  Start& menu = Instance<Start>();
  menu.ShowHint(General.StartCounter <= 3);
  menu.Show();
  SaveGeneralData();
  StopTimer(kMusicTimer);
  StopTimer(kSoundCheckTimer);
  sound::Background().SetTimer(nullptr);
  sound::ShutDown();
  Close();
}

}  // namespace qm::ui
