// The music channels, the background-music tick, the gates and the sound
// effects, driven through a scripted audio output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "sound/background_music.h"
#include "sound/effects.h"
#include "sound/files.h"
#include "sound/log.h"
#include "sound/music.h"
#include "soundtrack/encode.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/sound_requests.h"
#include "support/scripted_audio.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using sound::BackgroundMusic;
using sound::MusicChannels;
using sound::WavePlayer;

// A tone with some hiss, so the encoder has something to write about: 176400
// bytes a second once decoded in stereo at 44.1 kHz.
soundtrack::Mono Sine(double seconds, double hz) {
  soundtrack::Mono m(static_cast<size_t>(seconds * soundtrack::kRate));
  uint32_t state = 1;
  for (size_t i = 0; i < m.size(); ++i) {
    state = state * 1103515245u + 12345u;
    m[i] = 0.3f * static_cast<float>(std::sin(2 * M_PI * hz * i / soundtrack::kRate)) +
           0.2f * ((state >> 16) / 32768.0f - 1);
  }
  return m;
}

class SoundChannels : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::FreshTestFolder("qm_sound_");
    sound::SetFolders({dir_.string()});
    sound::SetLogSink([this](const std::string& line) { log_.push_back(line); });
    General.Option.Music = General.Option.SoundEffects = true;
  }
  void TearDown() override {
    sound::SetLogSink(nullptr);
    sound::SetFolders({"."});
    fs::remove_all(dir_);
    General.Option.Music = General.Option.SoundEffects = true;
  }

  std::string Ogg(const std::string& name, double seconds, int channels = 2) {
    std::string error;
    const std::vector<soundtrack::Mono> data(static_cast<size_t>(channels), Sine(seconds, 440));
    EXPECT_TRUE(soundtrack::WriteOgg((dir_ / name).string(), data, soundtrack::kRate, 0.3f, 1, error)) << error;
    return (dir_ / name).string();
  }
  void Bytes(const std::string& name, const std::string& bytes) {
    std::ofstream((dir_ / name).string(), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in((dir_ / name).string(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Plays everything queued and checks, until the channel is released; the number of rounds.
  int PlayOut(MusicChannels& m, int channel, int limit = 1000) {
    int rounds = 0;
    while (m.InUse(channel) && rounds < limit) {
      out_.Play(WavePlayer::kBufferBytes);
      m.Check();
      ++rounds;
    }
    return rounds;
  }

  fs::path dir_;
  std::vector<std::string> log_;
  test::ScriptedOutput out_;
};

TEST_F(SoundChannels, ShortStreamPlaysOnceAndReleasesItsChannel) {
  Ogg("Short.ogg", 0.1);
  Ogg("Short2.ogg", 0.2);
  MusicChannels m(out_);
  m.Play(1, "Short.ogg");
  m.Play(4, "Short2.ogg");
  ASSERT_TRUE(m.InUse(1));
  ASSERT_EQ(out_.devices.size(), 2u);
  const auto& d = *out_.devices[0];
  EXPECT_EQ(d.rate, 44100);
  EXPECT_EQ(d.channels, 2);
  EXPECT_EQ(d.total, 0.1 * 44100 * 4) << "the whole stream in one buffer";
  EXPECT_TRUE(d.loud);
  m.Check();
  EXPECT_TRUE(m.InUse(1)) << "still sounding";
  // Both channels end in the same check (one after their queues ran empty); each end
  // callback frees its player after the check.
  out_.Play(WavePlayer::kBufferBytes);
  m.Check();
  EXPECT_TRUE(m.InUse(1)) << "the device may still sound its last samples";
  m.Check();
  EXPECT_FALSE(m.InUse(1));
  EXPECT_FALSE(m.InUse(4));
  EXPECT_EQ(out_.OpenCount(), 0);
  EXPECT_EQ(d.total, d.played) << "played once, nothing queued again";
  EXPECT_TRUE(log_.empty());
}

TEST_F(SoundChannels, LongStreamKeepsFourBuffersInFlightUntilItEnds) {
  Ogg("Long.ogg", 2.0);
  MusicChannels m(out_);
  m.Play(2, "Long.ogg");
  const auto& d = *out_.devices.at(0);
  EXPECT_EQ(d.total, 4u * WavePlayer::kBufferBytes);
  out_.Play(WavePlayer::kBufferBytes + 10);  // one buffer and a bit of the next
  m.Check();
  EXPECT_EQ(d.total, 5u * WavePlayer::kBufferBytes) << "one buffer came back and went out again";
  EXPECT_GT(PlayOut(m, 2), 1);
  EXPECT_FALSE(m.InUse(2));
  EXPECT_EQ(d.total, 2 * 44100 * 4u) << "every sample exactly once";
  // Stopping a channel that is already idle is harmless; stopping a playing one closes its device.
  m.Play(2, "Long.ogg");
  m.StopMusic(2);
  m.StopMusic(2);
  EXPECT_EQ(out_.OpenCount(), 0);
}

TEST_F(SoundChannels, BadFilesAreSilentAndReleaseEverything) {
  const std::string good = Read(fs::path(Ogg("Good.ogg", 1.0)).filename().string());
  Bytes("Empty.ogg", "");
  Bytes("Corrupt.ogg", std::string(5000, 'x'));
  Bytes("HeaderCut.ogg", good.substr(0, 1500));
  Bytes("HalfCut.ogg", good.substr(0, good.size() / 2));
  Ogg("Surround.ogg", 0.5, 3);
  const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()); };
  const auto filesBefore = openFiles();
  MusicChannels m(out_);
  for (const char* refused : {"Empty.ogg", "Corrupt.ogg", "HeaderCut.ogg", "Surround.ogg", "Missing.ogg"}) {
    m.Play(1, refused);
    EXPECT_FALSE(m.InUse(1)) << refused;
  }
  EXPECT_TRUE(out_.devices.empty()) << "no device opened for a refused file";
  EXPECT_EQ(openFiles(), filesBefore) << "no refused file kept open";
  EXPECT_EQ(log_.size(), 5u) << "one line each";
  m.Play(1, "Corrupt.ogg");
  EXPECT_EQ(log_.size(), 5u) << "the same trouble is not logged twice";
  // A file cut after its headers plays what it has and ends.
  m.Play(1, "HalfCut.ogg");
  EXPECT_TRUE(m.InUse(1));
  EXPECT_LT(PlayOut(m, 1), 1000);
  EXPECT_FALSE(m.InUse(1));
  EXPECT_EQ(out_.OpenCount(), 0);
  // A valid stream without a single sample: nothing to hand over, and still the channel is freed.
  Ogg("Nothing.ogg", 0);
  m.Play(1, "Nothing.ogg");
  m.Check();
  m.Check();
  EXPECT_FALSE(m.InUse(1));
  EXPECT_EQ(out_.OpenCount(), 0);
  EXPECT_EQ(openFiles(), filesBefore);
}

TEST_F(SoundChannels, AHoleInTheStreamIsSkippedAndPlayingEnds) {
  std::string bytes = Read(fs::path(Ogg("Holes.ogg", 3.0)).filename().string());
  for (size_t at = bytes.size() * 6 / 10; at < bytes.size() * 6 / 10 + 500; ++at) bytes[at] = static_cast<char>(at * 7);
  Bytes("Holes.ogg", bytes);
  MusicChannels m(out_);
  m.Play(3, "Holes.ogg");
  ASSERT_TRUE(m.InUse(3));
  EXPECT_LT(PlayOut(m, 3), 1000) << "never spins";
  EXPECT_FALSE(m.InUse(3));
  const auto& d = *out_.devices.at(0);
  EXPECT_GT(d.total, 2 * 44100 * 4u) << "playing went on after the hole";
  EXPECT_LT(d.total, 3 * 44100 * 4u);
}

TEST_F(SoundChannels, DeviceTroubleIsOneLogLineAndReleasesTheChannel) {
  Ogg("Intro.ogg", 0.5);
  Ogg("Background.ogg", 0.5);
  MusicChannels m(out_);
  out_.refuseQueue = true;
  m.Play(2, "Intro.ogg");
  m.Check();
  m.Check();
  EXPECT_FALSE(m.InUse(2));
  EXPECT_EQ(out_.OpenCount(), 0);
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_NE(log_[0].find("Cannot send wave buffer"), std::string::npos) << log_[0];
  // No audio device at all: silence and one line, the switches keep working.
  out_.refuseQueue = false;
  out_.refuseOpen = true;
  BackgroundMusic music(m);
  music.Tick();
  music.MusicSwitched(false);
  music.MusicSwitched(true);
  music.Tick();
  EXPECT_FALSE(m.InUse(2));
  EXPECT_FALSE(m.InUse(3));
  EXPECT_EQ(log_.size(), 2u);
}

// The timer as the background window runs it: records every re-arming.
struct RecordingTimer : sound::MusicTimer {
  std::vector<int> intervals;
  void Rearm(int ms) override { intervals.push_back(ms); }
};

TEST_F(SoundChannels, BackgroundMusicAlternatesChannelsTwoAndThree) {
  Ogg("Intro.ogg", 0.3);
  Ogg("Background.ogg", 0.3);
  MusicChannels m(out_);
  BackgroundMusic music(m);
  RecordingTimer timer;
  music.SetTimer(&timer);
  music.Tick();
  EXPECT_EQ(m.File(2), "Intro.ogg");
  // The intro has run its 60 s when the first background run follows it on channel 2.
  music.Tick();
  EXPECT_EQ(m.File(2), "Background.ogg");
  EXPECT_FALSE(m.InUse(3));
  music.Tick();
  EXPECT_EQ(m.File(3), "Background.ogg");
  EXPECT_EQ(m.File(2), "Background.ogg") << "the older run is not cut short";
  music.Tick();
  EXPECT_EQ(music.BackgroundChannel(), 2);
  EXPECT_EQ(m.File(3), "Background.ogg");
  EXPECT_EQ(timer.intervals, (std::vector<int>{60000, 59000, 59000, 59000}));
  EXPECT_EQ(out_.devices.size(), 4u);
  EXPECT_EQ(out_.OpenCount(), 2);
}

TEST_F(SoundChannels, MusicSwitchKicksTheTimerAndPlaysTheIntroOnlyOnce) {
  Ogg("Intro.ogg", 0.3);
  Ogg("Background.ogg", 0.3);
  MusicChannels m(out_);
  BackgroundMusic music(m);
  RecordingTimer timer;
  music.SetTimer(&timer);
  General.Option.Music = false;
  music.Tick();
  EXPECT_TRUE(out_.devices.empty()) << "switched off, the tick only re-arms the timer";
  General.Option.Music = true;
  music.MusicSwitched(true);
  EXPECT_EQ(timer.intervals, (std::vector<int>{60000, 100}));
  music.Tick();
  EXPECT_EQ(m.File(2), "Intro.ogg");
  music.Tick();
  music.Tick();
  EXPECT_EQ(m.File(3), "Background.ogg");
  EXPECT_EQ(m.File(2), "Background.ogg");
  // Off stops the main music on both of its channels; on again plays the background, not the intro.
  General.Option.Music = false;
  music.MusicSwitched(false);
  EXPECT_FALSE(m.InUse(2));
  EXPECT_FALSE(m.InUse(3));
  General.Option.Music = true;
  music.MusicSwitched(true);
  music.Tick();
  EXPECT_EQ(m.File(2), "Background.ogg");
  EXPECT_FALSE(m.InUse(3));
  EXPECT_EQ(timer.intervals.back(), 59000);
}

// A frontend that plays the rules' tunes on the channels, as the window does.
struct TuneFrontend : Frontend {
  explicit TuneFrontend(MusicChannels& m) : channels(m) {}
  void Message(int, const std::string&, const std::string&, const std::string&) override {}
  bool Ask(const std::string&, const std::string&) override { return true; }
  int Choose(const std::string&, const std::string&, const std::string&, const std::string&) override { return 1; }
  void ShowScreen(Screen) override {}
  void PlayMusic(int channel, const std::string& file) override { channels.Play(channel, file); }
  MusicChannels& channels;
};

TEST_F(SoundChannels, EffectsSwitchGatesTheTunesButNotTheBackgroundMusic) {
  for (const char* f : {"Reward2.ogg", "CrewCombat.ogg", "CrewCombat2.ogg", "Intro.ogg"}) Ogg(f, 0.3);
  MusicChannels m(out_);
  TuneFrontend frontend(m);
  SetFrontend(&frontend);
  General.Option.SoundEffects = false;
  PlayRewardTune();
  PlayCrewCombatTune();
  EXPECT_FALSE(m.InUse(1));
  BackgroundMusic music(m);
  music.Tick();
  EXPECT_EQ(m.File(2), "Intro.ogg");
  General.Option.SoundEffects = true;
  PlayRewardTune();
  EXPECT_EQ(m.File(1), "Reward2.ogg");
  QueueRandomDraws({40});
  PlayCrewCombatTune();
  EXPECT_EQ(m.File(1), "CrewCombat.ogg") << "a new tune replaces the one on channel 1";
  QueueRandomDraws({41});
  PlayCrewCombatTune();
  EXPECT_EQ(m.File(1), "CrewCombat2.ogg");
  EXPECT_STREQ(CrewCombatTune(0), "CrewCombat.ogg");
  EXPECT_STREQ(CrewCombatTune(99), "CrewCombat2.ogg");
  SetFrontend(nullptr);
}

}  // namespace
}  // namespace qm
