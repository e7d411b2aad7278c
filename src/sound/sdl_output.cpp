#include <SDL.h>

#include "sound/audio_device.h"

namespace qm::sound {
namespace {

class SdlDevice final : public AudioDevice {
 public:
  explicit SdlDevice(SDL_AudioDeviceID id) : id_(id) {}
  ~SdlDevice() override {
    SDL_ClearQueuedAudio(id_);
    SDL_CloseAudioDevice(id_);
  }
  bool Queue(const uint8_t* data, uint32_t bytes, std::string& error) override {
    if (SDL_QueueAudio(id_, data, bytes) == 0) return true;
    error = SDL_GetError();
    return false;
  }
  uint32_t QueuedBytes() const override { return SDL_GetQueuedAudioSize(id_); }
  void Clear() override { SDL_ClearQueuedAudio(id_); }

 private:
  SDL_AudioDeviceID id_;
};

class Sdl final : public AudioOutput {
 public:
  std::unique_ptr<AudioDevice> Open(int rate, int channels, std::string& error) override {
    if (!Started() || !openError_.empty()) {
      error = openError_;  // the same text as logged before: not logged again
      return nullptr;
    }
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16LSB;
    want.channels = static_cast<Uint8>(channels);
    want.samples = 4096;
    want.callback = nullptr;  // queued audio
    // No changes allowed: SDL converts to whatever the hardware takes.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id == 0) {
      // No device to open: the rest of the run is silent rather than asking
      // the system again on every sound.
      openError_ = error = std::string("Unable to open wave device - SDL_OpenAudioDevice: ") + SDL_GetError();
      return nullptr;
    }
    SDL_PauseAudioDevice(id, 0);
    return std::make_unique<SdlDevice>(id);
  }

  bool Started() {
    if (tried_) return started_;
    tried_ = true;
    started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!started_) openError_ = std::string("no audio device, playing on silently (") + SDL_GetError() + ")";
    return started_;
  }
  void ShutDown() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    tried_ = started_ = false;
    openError_.clear();
  }

 private:
  bool tried_ = false, started_ = false;
  std::string openError_;
};

Sdl& TheSdl() {
  static Sdl sdl;
  return sdl;
}

}  // namespace

AudioOutput& SdlOutput() { return TheSdl(); }
void ShutDownSdlOutput() { TheSdl().ShutDown(); }

}  // namespace qm::sound
