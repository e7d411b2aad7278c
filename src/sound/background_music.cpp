#include "sound/background_music.h"

#include "state/game_state.h"

namespace qm::sound {

void BackgroundMusic::Tick() {
  if (timer_) timer_->Rearm(introPlayed_ ? kBackgroundMs : kIntroMs);
  if (!General.Option.Music) return;
  if (introPlayed_) {
    backgroundChannel_ = backgroundChannel_ == 2 ? 3 : 2;
    channels_.Play(backgroundChannel_, "Background.ogg");
  } else {
    channels_.Play(kIntroChannel, "Intro.ogg");
    introPlayed_ = true;
  }
}

void BackgroundMusic::StopMainMusic() {
  channels_.StopMusic(2);
  channels_.StopMusic(3);
}

void BackgroundMusic::KickMusicTimer() {
  if (timer_) timer_->Rearm(kKickMs);
}

void BackgroundMusic::MusicSwitched(bool on) {
  if (on) KickMusicTimer();
  else StopMainMusic();
}

}  // namespace qm::sound
