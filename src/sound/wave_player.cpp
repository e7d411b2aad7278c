#include "sound/wave_player.h"

#include <cstdio>
#include <string>

#include "sound/log.h"

namespace qm::sound {

WavePlayer::WavePlayer(AudioOutput& output) : output_(output) {
  for (int i = 0; i < kBuffers; ++i) free_.push_back(i);
}

bool WavePlayer::SetFormat(int channels, int rate, int bits) {
  if (playing_) {
    LogOnce("Cannot change the output's parameters while playing");
    return false;
  }
  // Only what the device takes: mono or stereo, 16-bit, a sane rate.
  if (channels < 1 || channels > 2 || bits != 16 || rate < 1000 || rate > 192000) {
    char text[160];
    std::snprintf(text, sizeof text, "Wave format not supported (%d channels; %.1f KHz; %d bits (%d kb/s))", channels,
                  rate / 1000.0, bits, static_cast<int>(static_cast<long long>(rate) * channels * bits / 8 / 1000));
    LogOnce(text);
    return false;
  }
  channels_ = channels;
  rate_ = rate;
  bits_ = bits;
  return true;
}

bool WavePlayer::Open() {
  if (device_) {
    LogOnce("The output device is already open");
    return false;
  }
  std::string error;
  device_ = output_.Open(rate_, channels_, error);
  if (!device_) LogOnce(error);
  return device_ != nullptr;
}

void WavePlayer::Close() {
  device_.reset();  // stops the output and drops what it still holds
  playing_ = false;
  for (int i : inFlight_) free_.push_back(i);
  inFlight_.clear();
  bytesInFlight_ = 0;
}

void WavePlayer::Start() {
  if (!fill || !device_) return;
  playing_ = started_ = true;
  ended_ = draining_ = false;
  written_ = 0;
  while (!free_.empty() && playing_) Submit();
}

void WavePlayer::Submit() {
  const int i = free_.front();
  free_.pop_front();
  Buffer& b = pool_[i];
  if (b.data.empty()) b.data.resize(kBufferBytes);
  b.bytes = fill(b.data.data(), kBufferBytes, b.time);
  if (b.bytes == 0) {
    free_.push_front(i);
    playing_ = false;
    return;
  }
  std::string error;
  if (!device_->Queue(b.data.data(), b.bytes, error)) {
    free_.push_front(i);
    playing_ = false;
    LogOnce("Cannot send wave buffer - SDL_QueueAudio: " + error);
    return;
  }
  inFlight_.push_back(i);
  bytesInFlight_ += b.bytes;
  ++written_;
}

bool WavePlayer::Check() {
  if (!started_ || ended_) return false;
  const uint64_t queued = device_ ? device_->QueuedBytes() : 0;
  // The oldest buffer is done once the queue holds no more than the ones after it.
  while (!inFlight_.empty() && bytesInFlight_ - pool_[inFlight_.front()].bytes >= queued) {
    bytesInFlight_ -= pool_[inFlight_.front()].bytes;
    free_.push_back(inFlight_.front());
    inFlight_.pop_front();
  }
  while (playing_ && !free_.empty()) Submit();
  if (playing_ || !inFlight_.empty()) return false;
  // The device still sounds the last bit it took from the queue: end at the next check.
  if (!draining_) {
    draining_ = true;
    return false;
  }
  ended_ = true;
  return end != nullptr;
}

double WavePlayer::SoundingTime() const { return inFlight_.empty() ? 0.0 : pool_[inFlight_.front()].time; }

}  // namespace qm::sound
