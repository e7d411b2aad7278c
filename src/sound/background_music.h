#pragma once
// The background music: a window timer of the background window ticks first
// after 1 s. The first tick with music switched on plays the intro on channel
// 2; every later one starts the background piece afresh, on channels 2 and 3
// in turn, so a restart never cuts the run before it short: the older run
// plays out its fading tail and releases its channel by itself. The timer is
// re-armed to 60 s while the intro has not played (the intro's length) and to
// 59 s after (the background piece's length without its tail).
#include "sound/music.h"

namespace qm::sound {

// The timer that calls Tick(); the background window owns it.
class MusicTimer {
 public:
  virtual ~MusicTimer() = default;
  // The next tick comes `ms` from now (and every `ms` after that).
  virtual void Rearm(int ms) = 0;
};

class BackgroundMusic {
 public:
  static constexpr int kFirstTickMs = 1000;
  static constexpr int kIntroMs = 60000;
  static constexpr int kBackgroundMs = 59000;
  static constexpr int kKickMs = 100;
  static constexpr int kIntroChannel = 2;

  explicit BackgroundMusic(MusicChannels& channels) : channels_(channels) {}
  void SetTimer(MusicTimer* timer) { timer_ = timer; }

  // One tick: re-arms the timer, then plays nothing unless music is switched on.
  void Tick();
  // Stops the main music, on whichever of channels 2 and 3 it sounds.
  void StopMainMusic();
  // The next tick comes in 100 ms: music starts almost at once.
  void KickMusicTimer();
  // The music switch changed: on kicks the timer, off stops the main music.
  void MusicSwitched(bool on);

  bool IntroPlayed() const { return introPlayed_; }
  int BackgroundChannel() const { return backgroundChannel_; }

 private:
  MusicChannels& channels_;
  MusicTimer* timer_ = nullptr;
  bool introPlayed_ = false;
  int backgroundChannel_ = 0;  // the first background run picks 2
};

}  // namespace qm::sound
