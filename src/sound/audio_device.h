#pragma once
// Where decoded samples go: one output device per sounding channel (and one for
// the sound effects), fed 16-bit signed little-endian PCM from a queue. The
// game uses SDL's audio (sdl_output.cpp); the tests use a scripted device.
#include <cstdint>
#include <memory>
#include <string>

namespace qm::sound {

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  // Appends samples to the device's queue; false (and `error`) when it cannot.
  virtual bool Queue(const uint8_t* data, uint32_t bytes, std::string& error) = 0;
  // Bytes queued and not yet played.
  virtual uint32_t QueuedBytes() const = 0;
  // Drops whatever is still queued (a new sound effect cuts the old one short).
  virtual void Clear() = 0;
};

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Opens a device for `channels` (1 or 2) at `rate` Hz, 16-bit samples, and
  // starts it; nothing (and `error`) when the output cannot. Closing is
  // destroying the device.
  virtual std::unique_ptr<AudioDevice> Open(int rate, int channels, std::string& error) = 0;
};

// SDL's audio: SDL_OpenAudioDevice on the default device, SDL_QueueAudio. The
// audio subsystem starts on the first Open; when it cannot (no sound device at
// all) every Open fails with one log line and the game plays on silently.
AudioOutput& SdlOutput();
// Stops SDL's audio subsystem if SdlOutput started it.
void ShutDownSdlOutput();

}  // namespace qm::sound
