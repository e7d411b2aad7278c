#pragma once
// Writing the generated sound: 16-bit PCM .wav files and Ogg Vorbis music.
#include <string>
#include <vector>

#include "soundtrack/synth.h"

namespace soundtrack {

bool WriteWav(const std::string& path, const Mono& samples, std::string& error);
// Encodes at Vorbis quality `quality` (0..1) with a fixed stream serial number,
// so the same samples always give the same bytes.
bool WriteOgg(const std::string& path, const Stereo& samples, float quality, int serial, std::string& error);
// The same for any number of channels (all of one length) at any rate.
bool WriteOgg(const std::string& path, const std::vector<Mono>& channels, int rate, float quality, int serial,
              std::string& error);

}  // namespace soundtrack
