#pragma once
// One Ogg Vorbis music file, opened read-only and decoded on demand into
// 16-bit signed little-endian PCM.
#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace qm::sound {

class OggStream {
 public:
  OggStream() = default;
  OggStream(const OggStream&) = delete;
  OggStream& operator=(const OggStream&) = delete;
  ~OggStream() { Close(); }

  // Opens the file and the decoder on it. False (with `error`) when either
  // refuses; then nothing is kept open.
  bool Open(const std::string& path, std::string& error);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  int Channels() const { return channels_; }
  int Rate() const { return rate_; }
  // The decoder's position in seconds.
  double Time();

  // Decodes into `out` until it is full or the stream ends; returns the bytes
  // written. A hole in the data is skipped (at most 16 in a row); any other
  // decoder error ends the stream (`error` says why), so this never spins.
  size_t Fill(uint8_t* out, size_t capacity, std::string& error);
  bool Ended() const { return ended_; }

 private:
  FILE* file_ = nullptr;
  OggVorbis_File vf_{};
  int channels_ = 0, rate_ = 0;
  bool ended_ = false;
};

}  // namespace qm::sound
