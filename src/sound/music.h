#pragma once
// The music channels 1..6. Channel 1 carries the short tunes (reward, crew
// combat), channels 2 and 3 the intro and the background piece in turn; 4..6
// work the same and are free. A channel in use holds the file's name, the open
// stream with its decoder, and a player; an idle channel holds nothing.
#include <array>
#include <memory>
#include <string>

#include "sound/audio_device.h"
#include "sound/ogg_stream.h"
#include "sound/wave_player.h"

namespace qm::sound {

class MusicChannels {
 public:
  static constexpr int kCount = 6;
  explicit MusicChannels(AudioOutput& output) : output_(output) {}
  MusicChannels(const MusicChannels&) = delete;  // the players' callbacks point into the slots
  MusicChannels& operator=(const MusicChannels&) = delete;
  ~MusicChannels() { StopAll(); }

  // Releases what the channel holds, then opens `file` (looked up by bare name)
  // with its decoder and a player in the stream's format. A file that is
  // missing, refused by the decoder or in a format the device cannot take
  // leaves the channel idle (one log line).
  void PlayMusic(int channel, const std::string& file);
  // Starts the channel's player, if it has one.
  void StartMusic(int channel);
  // Stops the output and releases the channel.
  void StopMusic(int channel);
  // StopMusic, PlayMusic and StartMusic in one.
  void Play(int channel, const std::string& file);
  void StopAll();
  // The main-thread check: refills every playing channel and releases each
  // channel whose run has ended (after all channels were checked).
  void Check();

  bool InUse(int channel) const;  // holds a stream or a player
  bool Playing(int channel) const;
  const std::string& File(int channel) const;
  // Bytes of sample buffers held by the players (for the memory report).
  size_t BufferBytes() const;

 private:
  struct Slot {
    std::string file;
    std::unique_ptr<OggStream> stream;
    std::unique_ptr<WavePlayer> player;
  };
  Slot* At(int channel);
  const Slot* At(int channel) const;
  void Release(Slot& slot);

  AudioOutput& output_;
  std::array<Slot, kCount + 1> slots_;  // 0 unused
};

}  // namespace qm::sound
