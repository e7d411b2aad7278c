#pragma once
// Sound effects: short .wav files fired and forgotten on one output device. A
// new effect replaces one still sounding. The device is opened for the first
// effect and closed again once it has been idle for a second.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/audio_device.h"

namespace qm::sound {

// Every effect is played as 16-bit stereo at this rate.
constexpr int kEffectRate = 44100;
constexpr int kEffectChannels = 2;

// Reads a .wav file (any format SDL knows: PCM, float, ADPCM ...) and converts
// it to the effects' format. False (with `error`) for a missing, empty,
// truncated or corrupt file.
bool DecodeWav(const std::string& path, std::vector<uint8_t>& pcm, std::string& error);

class SoundEffects {
 public:
  explicit SoundEffects(AudioOutput& output) : output_(output) {}
  // Plays `wavFile` (a bare name) unless sound effects are switched off; a
  // missing or unreadable file is silent (one log line).
  void Play(const std::string& wavFile);
  // The main-thread check: closes the device after a second without sound.
  void Check();
  void Close() { device_.reset(); }
  bool DeviceOpen() const { return device_ != nullptr; }

 private:
  static constexpr int kIdleChecksBeforeClose = 10;
  AudioOutput& output_;
  std::unique_ptr<AudioDevice> device_;
  int idleChecks_ = 0;
};

}  // namespace qm::sound
