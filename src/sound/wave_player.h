#pragma once
// The player of one music channel: four 64 KiB buffers cycled through an
// output device. The owner sets the format, installs a fill callback (decodes
// into a buffer, returns the bytes written) and an end callback (runs once the
// last buffer has played and no more data came), opens the device and starts.
//
// "A buffer is done" is found by Check() on the main thread: the device's queue
// has shrunk below the buffers handed over after it. Check() refills the free
// buffers while playing and says when the end callback is due (one check after
// the queue ran empty, when the device has sounded its last samples); the owner runs
// that callback only after Check() has returned, so the callback may free the
// player.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "sound/audio_device.h"

namespace qm::sound {

class WavePlayer {
 public:
  static constexpr int kBuffers = 4;
  static constexpr uint32_t kBufferBytes = 65536;
  using FillFn = std::function<uint32_t(uint8_t* data, uint32_t capacity, double& time)>;
  using EndFn = std::function<void()>;

  explicit WavePlayer(AudioOutput& output);
  // Errors are logged (once per text) and reported as false; the owner then
  // releases the channel.
  bool SetFormat(int channels, int rate, int bits);
  bool Open();
  void Close();
  // Marks the player playing and hands over buffers while free ones remain.
  void Start();
  // The main-thread check; true when the end callback is due (once).
  bool Check();

  FillFn fill;
  EndFn end;

  bool Playing() const { return playing_; }
  bool IsOpen() const { return device_ != nullptr; }
  int InFlight() const { return static_cast<int>(inFlight_.size()); }
  int Written() const { return written_; }
  int Channels() const { return channels_; }
  int Rate() const { return rate_; }
  // The decoder position recorded with the oldest buffer still sounding.
  double SoundingTime() const;

 private:
  struct Buffer {
    std::vector<uint8_t> data;
    uint32_t bytes = 0;
    double time = 0;
  };
  void Submit();

  AudioOutput& output_;
  std::unique_ptr<AudioDevice> device_;
  std::array<Buffer, kBuffers> pool_;
  std::deque<int> free_, inFlight_;
  uint64_t bytesInFlight_ = 0;
  int channels_ = 2, rate_ = 44100, bits_ = 16;
  bool playing_ = false, started_ = false, ended_ = false, draining_ = false;
  int written_ = 0;
};

}  // namespace qm::sound
