#include "sound/effects.h"

#include <SDL.h>

#include "sound/files.h"
#include "sound/log.h"
#include "state/file_io.h"
#include "state/game_state.h"

namespace qm::sound {
namespace {
constexpr size_t kMaxWavBytes = 64u << 20;  // over six minutes of CD sound
}  // namespace

bool DecodeWav(const std::string& path, std::vector<uint8_t>& pcm, std::string& error) {
  SDL_AudioSpec format{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  // A file cut short is refused rather than played up to the cut.
  SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
  // Read only from a regular file (a FIFO or a device is refused at once), and
  // not beyond what a sound effect may take.
  std::vector<uint8_t> bytes;
  std::string why;
  if (!ReadWholeFile(path, bytes, why, kMaxWavBytes)) {
    error = path + " is not a readable .wav file (" + why + ")";
    return false;
  }
  if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &format, &data, &length)) {
    error = path + " is not a readable .wav file (" + SDL_GetError() + ")";
    return false;
  }
  SDL_AudioCVT cvt;
  const int built =
      SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16LSB, kEffectChannels, kEffectRate);
  const int frame = SDL_AUDIO_BITSIZE(format.format) / 8 * format.channels;
  if (built < 0 || length == 0 || frame <= 0) {
    error = path + (length == 0 ? " holds no sound" : std::string(" has a format that cannot be played (") +
                                                          SDL_GetError() + ")");
    SDL_FreeWAV(data);
    return false;
  }
  length -= length % static_cast<Uint32>(frame);  // whole sample frames only
  cvt.len = static_cast<int>(length);
  pcm.assign(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult > 0 ? cvt.len_mult : 1), 0);
  std::copy(data, data + length, pcm.begin());
  SDL_FreeWAV(data);
  if (built == 1) {
    cvt.buf = pcm.data();
    if (SDL_ConvertAudio(&cvt) != 0) {
      error = path + " cannot be converted (" + SDL_GetError() + ")";
      return false;
    }
    pcm.resize(static_cast<size_t>(cvt.len_cvt));
  } else {
    pcm.resize(length);
  }
  pcm.resize(pcm.size() - pcm.size() % 4);
  if (pcm.empty()) {
    error = path + " holds no sound";
    return false;
  }
  return true;
}

void SoundEffects::Play(const std::string& wavFile) {
  if (!General.Option.SoundEffects) return;
  const std::string path = FindFile(wavFile);
  if (path.empty()) return LogOnce(wavFile + " not found, playing nothing");
  std::vector<uint8_t> pcm;
  std::string error;
  if (!DecodeWav(path, pcm, error)) return LogOnce(error);
  if (!device_) {
    device_ = output_.Open(kEffectRate, kEffectChannels, error);
    if (!device_) return LogOnce(error);
  }
  if (device_->QueuedBytes() > 0) device_->Clear();  // the new effect replaces the one still sounding
  if (!device_->Queue(pcm.data(), static_cast<uint32_t>(pcm.size()), error)) {
    LogOnce("Cannot send wave buffer - SDL_QueueAudio: " + error);
    device_.reset();
  }
  idleChecks_ = 0;
}

void SoundEffects::Check() {
  if (!device_) return;
  if (device_->QueuedBytes() > 0) {
    idleChecks_ = 0;
    return;
  }
  if (++idleChecks_ >= kIdleChecksBeforeClose) device_.reset();
}

}  // namespace qm::sound
