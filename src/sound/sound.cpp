#include "sound/sound.h"

#include <memory>

namespace qm::sound {
namespace {

struct Audio {
  explicit Audio(AudioOutput& output) : channels(output), background(channels), effects(output) {}
  MusicChannels channels;
  BackgroundMusic background;
  SoundEffects effects;
};

AudioOutput* chosen = nullptr;

std::unique_ptr<Audio>& Current() {
  static std::unique_ptr<Audio> audio;
  return audio;
}

Audio& Get() {
  auto& audio = Current();
  if (!audio) audio = std::make_unique<Audio>(chosen ? *chosen : SdlOutput());
  return *audio;
}

}  // namespace

void UseOutput(AudioOutput* output) {
  Current().reset();
  chosen = output;
}

MusicChannels& Channels() { return Get().channels; }
BackgroundMusic& Background() { return Get().background; }
SoundEffects& Effects() { return Get().effects; }

void PlayEffect(const std::string& wavFile) { Get().effects.Play(wavFile); }
void PlayTune(int channel, const std::string& oggFile) { Get().channels.Play(channel, oggFile); }

void Check() {
  if (!Current()) return;  // nothing ever played
  Current()->channels.Check();
  Current()->effects.Check();
}

void MusicSwitched(bool on) { Get().background.MusicSwitched(on); }
void KickMusicTimer() { Get().background.KickMusicTimer(); }
void StopMainMusic() { Get().background.StopMainMusic(); }

void ShutDown() {
  Current().reset();
  if (!chosen) ShutDownSdlOutput();
}

size_t BufferBytes() { return Current() ? Current()->channels.BufferBytes() : 0; }

}  // namespace qm::sound
