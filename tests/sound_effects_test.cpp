// Sound effects and the lookup of sound files by bare name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "sound/effects.h"
#include "sound/files.h"
#include "sound/log.h"
#include "sound/ogg_stream.h"
#include "soundtrack/encode.h"
#include "soundtrack/soundtrack.h"
#include "state/game_state.h"
#include "support/scripted_audio.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class SoundEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::FreshTestFolder("qm_effects_");
    fs::create_directories(dir_ / "second");
    sound::SetFolders({dir_.string(), (dir_ / "second").string()});
    sound::SetLogSink([this](const std::string& line) { log_.push_back(line); });
    General.Option.SoundEffects = true;
  }
  void TearDown() override {
    sound::SetLogSink(nullptr);
    sound::SetFolders({"."});
    fs::remove_all(dir_);
    General.Option.SoundEffects = true;
  }
  // The generator's own effect `name`, written as `as` into `folder`.
  std::string Wav(const std::string& name, const fs::path& folder, const std::string& as = "") {
    const std::string path = (folder / (as.empty() ? name : as)).string();
    std::string error;
    EXPECT_TRUE(soundtrack::WriteWav(path, soundtrack::Effect(name), error)) << error;
    return path;
  }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream((dir_ / name).string(), std::ios::binary) << bytes;
  }

  fs::path dir_;
  std::vector<std::string> log_;
  test::ScriptedOutput out_;
};

TEST_F(SoundEffects, ANewEffectReplacesTheOneStillSounding) {
  const std::string click = Wav("button.wav", dir_);
  Wav("Explosion_Ship.wav", dir_);
  sound::SoundEffects fx(out_);
  fx.Play("Explosion_Ship.wav");
  ASSERT_EQ(out_.devices.size(), 1u);
  const auto& d = *out_.devices[0];
  EXPECT_EQ(d.rate, sound::kEffectRate);
  EXPECT_TRUE(d.loud);
  const uint64_t explosion = d.queued;
  EXPECT_GT(explosion, 2u * 44100 * 4) << "about two seconds in stereo";
  out_.Play(1000);
  fx.Play("button.wav");
  EXPECT_EQ(d.clears, 1);
  // The file's 16-bit mono samples, as stereo: twice the bytes.
  EXPECT_EQ(d.queued, 2 * (Read(click).size() - 44));
  EXPECT_EQ(out_.devices.size(), 1u) << "one device for every effect";
  // Once it has been quiet for a while the device is let go.
  out_.Play(1u << 20);
  for (int i = 0; i < 9; ++i) fx.Check();
  EXPECT_TRUE(fx.DeviceOpen());
  fx.Check();
  EXPECT_FALSE(fx.DeviceOpen());
  EXPECT_TRUE(log_.empty());
}

TEST_F(SoundEffects, SwitchedOffMissingOrBadFilesAreSilent) {
  const std::string good = Read(Wav("alert.wav", dir_));
  Write("Empty.wav", "");
  Write("Corrupt.wav", "RIFF" + std::string(200, '\x7f'));
  Write("Truncated.wav", good.substr(0, good.size() / 2));
  Write("HeaderOnly.wav", good.substr(0, 44));
  sound::SoundEffects fx(out_);
  for (const char* bad : {"Empty.wav", "Corrupt.wav", "Truncated.wav", "HeaderOnly.wav", "Missing.wav"}) fx.Play(bad);
  EXPECT_TRUE(out_.devices.empty());
  EXPECT_EQ(log_.size(), 5u);
  General.Option.SoundEffects = false;
  fx.Play("alert.wav");
  EXPECT_TRUE(out_.devices.empty()) << "switched off";
  General.Option.SoundEffects = true;
  out_.refuseOpen = true;
  fx.Play("alert.wav");
  fx.Play("alert.wav");
  EXPECT_FALSE(fx.DeviceOpen());
  EXPECT_EQ(log_.size(), 6u) << "no device: one line";
}

TEST_F(SoundEffects, AFifoOrADeviceInPlaceOfASoundFileIsRefusedWithoutBlocking) {
  ::alarm(30);  // opening the FIFO to read would wait for a writer forever
  ASSERT_EQ(::mkfifo((dir_ / "Fifo.wav").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((dir_ / "Fifo.ogg").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir_ / "Zero.ogg");
  std::vector<uint8_t> pcm;
  std::string error;
  EXPECT_FALSE(sound::DecodeWav((dir_ / "Fifo.wav").string(), pcm, error));
  EXPECT_NE(error.find("Fifo.wav: not a regular file"), std::string::npos) << error;
  for (const char* name : {"Fifo.ogg", "Zero.ogg"}) {
    sound::OggStream music;
    EXPECT_FALSE(music.Open((dir_ / name).string(), error)) << name;
    EXPECT_NE(error.find(std::string(name) + ": not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(music.IsOpen());
  }
  EXPECT_EQ(sound::FindFile("Fifo.wav"), "") << "not offered as a sound file either";
  ::alarm(0);
}

TEST_F(SoundEffects, FilesAreFoundByNameInAnyCaseAndLookedUpAgainEachTime) {
  EXPECT_EQ(sound::FindFile("mini.wav"), "");
  // Dropped in while the game runs: found the next time it is asked for.
  const std::string second = Wav("mini.wav", dir_ / "second");
  EXPECT_EQ(sound::FindFile("mini.wav"), second);
  // The first folder wins; an exact name wins over one in another case.
  const std::string first = Wav("mini.wav", dir_);
  EXPECT_EQ(sound::FindFile("mini.wav"), first);
  Wav("maxi.wav", dir_ / "second", "MAXI.WAV");
  EXPECT_EQ(sound::FindFile("maxi.wav"), (dir_ / "second" / "MAXI.WAV").string());
  EXPECT_EQ(sound::FindFile("Maxi.Wav"), (dir_ / "second" / "MAXI.WAV").string());
  for (const char* unsafe : {"", "../mini.wav", "second/mini.wav", "..\\mini.wav"})
    EXPECT_EQ(sound::FindFile(unsafe), "") << unsafe;
}

}  // namespace
}  // namespace qm
