#pragma once
// An audio output for tests: devices that keep what they were given and play
// only when the test says so (or, with a clock, as the clock moves on).
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sound/audio_device.h"

namespace qm::test {

struct DeviceRecord {
  int rate = 0, channels = 0;
  uint64_t openedAt = 0, closedAt = 0;
  bool closed = false;
  uint64_t queued = 0;   // bytes waiting
  uint64_t total = 0;    // bytes ever queued
  uint64_t played = 0;   // bytes consumed
  int clears = 0;
  bool loud = false;     // a queued sample reached above 1/100 of full scale
};

class ScriptedOutput : public sound::AudioOutput {
 public:
  // The test's clock (milliseconds); devices then play at their byte rate as it moves.
  std::function<uint64_t()> clock;
  bool refuseOpen = false;   // no audio device
  bool refuseQueue = false;  // every hand-over fails
  std::vector<std::shared_ptr<DeviceRecord>> devices;

  std::unique_ptr<sound::AudioDevice> Open(int rate, int channels, std::string& error) override {
    if (refuseOpen) {
      error = "no audio device (scripted)";
      return nullptr;
    }
    auto record = std::make_shared<DeviceRecord>();
    record->rate = rate;
    record->channels = channels;
    record->openedAt = clock ? clock() : 0;
    devices.push_back(record);
    return std::make_unique<Device>(*this, record);
  }

  // Plays `bytes` on every open device.
  void Play(uint64_t bytes) {
    for (auto& d : devices)
      if (!d->closed) Consume(*d, bytes);
  }
  int OpenCount() const {
    return static_cast<int>(std::count_if(devices.begin(), devices.end(), [](auto& d) { return !d->closed; }));
  }

 private:
  static void Consume(DeviceRecord& d, uint64_t bytes) {
    const uint64_t n = std::min(bytes, d.queued);
    d.queued -= n;
    d.played += n;
  }

  class Device : public sound::AudioDevice {
   public:
    Device(ScriptedOutput& out, std::shared_ptr<DeviceRecord> r) : out_(out), r_(std::move(r)), last_(r_->openedAt) {}
    ~Device() override {
      r_->closed = true;
      r_->closedAt = out_.clock ? out_.clock() : 0;
    }
    bool Queue(const uint8_t* data, uint32_t bytes, std::string& error) override {
      if (out_.refuseQueue) {
        error = "queue refused (scripted)";
        return false;
      }
      for (uint32_t i = 0; i + 1 < bytes; i += 2)
        r_->loud = r_->loud || std::abs(static_cast<int16_t>(data[i] | (data[i + 1] << 8))) > 327;
      r_->queued += bytes;
      r_->total += bytes;
      return true;
    }
    uint32_t QueuedBytes() const override {
      if (out_.clock) {  // play what the clock says has passed
        const uint64_t now = out_.clock();
        const uint64_t rate = static_cast<uint64_t>(r_->rate) * r_->channels * 2;
        Consume(*r_, (now - last_) * rate / 1000);
        last_ = now;
      }
      return static_cast<uint32_t>(r_->queued);
    }
    void Clear() override {
      r_->queued = 0;
      ++r_->clears;
    }

   private:
    ScriptedOutput& out_;
    std::shared_ptr<DeviceRecord> r_;
    mutable uint64_t last_;
  };
};

}  // namespace qm::test
