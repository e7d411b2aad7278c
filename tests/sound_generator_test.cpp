// The generated soundtrack in the build's data folder: every file decodes, has
// a length that fits the music timer, is not silent, and comes out byte for
// byte the same when generated again.
#include <gtest/gtest.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "sound/effects.h"
#include "soundtrack/soundtrack.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
const fs::path kData = QM_BUILT_DATA;

struct Decoded {
  int channels = 0;
  long rate = 0;
  std::vector<int16_t> samples;  // interleaved
  double Seconds() const { return channels ? samples.size() / double(channels) / rate : 0; }
  // Root mean square over [from, to) seconds, 0..1 of full scale.
  double Rms(double from, double to) const {
    const size_t a = static_cast<size_t>(from * rate) * channels, b = std::min(samples.size(), size_t(to * rate) * channels);
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += double(samples[i]) * samples[i];
    return b > a ? std::sqrt(sum / (b - a)) / 32768 : 0;
  }
};

Decoded DecodeOgg(const fs::path& path) {
  Decoded d;
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return d;
  d.channels = ov_info(&vf, -1)->channels;
  d.rate = ov_info(&vf, -1)->rate;
  char buf[16384];
  int section = 0;
  for (long got; (got = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0;)
    d.samples.insert(d.samples.end(), reinterpret_cast<int16_t*>(buf), reinterpret_cast<int16_t*>(buf + got));
  ov_clear(&vf);
  return d;
}

std::string Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SoundGenerator, MusicFitsTheTimerAndIsNotSilent) {
  struct Expect {
    const char* name;
    double min, max;
  };
  for (const Expect& e : {Expect{"Intro.ogg", 59.5, 60.5}, Expect{"Background.ogg", 62, 64}, Expect{"Reward2.ogg", 3, 8},
                          Expect{"CrewCombat.ogg", 25, 45}, Expect{"CrewCombat2.ogg", 25, 45}}) {
    SCOPED_TRACE(e.name);
    const Decoded d = DecodeOgg(kData / e.name);
    ASSERT_EQ(d.channels, 2);
    EXPECT_EQ(d.rate, 44100);
    EXPECT_GE(d.Seconds(), e.min);
    EXPECT_LE(d.Seconds(), e.max);
    // Sound all through the body: no second of it silent, and nothing clipped.
    for (double t = 1; t + 1 < d.Seconds() - 3; t += 1) EXPECT_GT(d.Rms(t, t + 1), 0.01) << "at " << t << " s";
    int peak = 0;
    for (int16_t s : d.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32767);
    EXPECT_GT(peak, 16000);
  }
  // The background piece: a soft start and a tail after 59 s that fades out
  // while the next run starts, so the two runs cross-fade.
  const Decoded bg = DecodeOgg(kData / "Background.ogg");
  EXPECT_LT(bg.Rms(0, 0.3), bg.Rms(10, 11) / 4);
  EXPECT_GT(bg.Rms(59, 60), bg.Rms(62.5, 63) * 3);
  const Decoded intro = DecodeOgg(kData / "Intro.ogg");
  EXPECT_LT(intro.Rms(59.5, 60), intro.Rms(30, 31) / 10) << "the intro has faded out when the background follows";
}

TEST(SoundGenerator, EffectsAreShortAndCrisp) {
  ASSERT_EQ(soundtrack::EffectNames().size(), 14u);
  for (const std::string& name : soundtrack::EffectNames()) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> pcm;
    std::string error;
    ASSERT_TRUE(sound::DecodeWav((kData / name).string(), pcm, error)) << error;
    const double seconds = pcm.size() / 4.0 / sound::kEffectRate;
    EXPECT_GT(seconds, 0.03);
    EXPECT_LT(seconds, 2.5);
    int peak = 0;
    for (size_t i = 0; i + 1 < pcm.size(); i += 2) peak = std::max(peak, std::abs(int(int16_t(pcm[i] | pcm[i + 1] << 8))));
    EXPECT_GT(peak, 20000);
    // Crisp: the sound starts within the first 20 ms.
    int early = 0;
    for (size_t i = 0; i + 1 < std::min<size_t>(pcm.size(), 4 * 882); i += 2)
      early = std::max(early, std::abs(int(int16_t(pcm[i] | pcm[i + 1] << 8))));
    EXPECT_GT(early, 3000);
  }
}

TEST(SoundGenerator, GeneratingAgainGivesTheSameBytes) {
  const fs::path again = fs::temp_directory_path() / ("qm_soundtrack_" + std::to_string(::getpid()));
  fs::remove_all(again);
  fs::create_directories(again);
  std::string error;
  ASSERT_TRUE(soundtrack::WriteSoundtrack(again.string(), error)) << error;
  std::vector<std::string> names = soundtrack::MusicNames();
  names.insert(names.end(), soundtrack::EffectNames().begin(), soundtrack::EffectNames().end());
  EXPECT_EQ(names.size(), 19u);
  for (const std::string& name : names) {
    const std::string built = Bytes(kData / name);
    EXPECT_FALSE(built.empty()) << name;
    EXPECT_TRUE(built == Bytes(again / name)) << name << " differs between two runs of the generator";
  }
  fs::remove_all(again);
}

}  // namespace
}  // namespace qm
