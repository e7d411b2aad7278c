// The game's music timer and channels in the real window, on a scripted audio
// output that plays as the script's clock moves.
#include "platform/platform.h"
#include "sound/sound.h"
#include "support/scripted_audio.h"
#include "support/ui_play.h"

namespace qm {
namespace {

class UiSound : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    out_.clock = [] { return platform::Now(); };
    sound::UseOutput(&out_);
  }
  void TearDown() override {
    sound::UseOutput(nullptr);
    UiPlay::TearDown();
  }
  // 60 s of the intro in 16-bit stereo at 44.1 kHz.
  static constexpr uint64_t kIntroBytes = 60ull * 44100 * 4;
  test::ScriptedOutput out_;
};

TEST_F(UiSound, TheIntroThenTheBackgroundPieceOnAlternateChannels) {
  Play("set Option.SoundEffects 0\nwait 1500\nwait 60000\nwait 59000\nwait 2000\nquit\n");
  ASSERT_EQ(out_.devices.size(), 3u);
  const auto &intro = *out_.devices[0], &first = *out_.devices[1], &second = *out_.devices[2];
  EXPECT_NEAR(double(intro.openedAt), 1000, 150) << "the first tick comes after a second";
  EXPECT_NEAR(double(first.openedAt - intro.openedAt), 60000, 150) << "the background follows the intro's 60 s";
  EXPECT_NEAR(double(second.openedAt - first.openedAt), 59000, 150) << "then comes every 59 s";
  EXPECT_EQ(intro.total, kIntroBytes) << "the whole intro was handed over";
  EXPECT_TRUE(intro.loud && first.loud);
  EXPECT_FALSE(first.closed && first.closedAt <= second.openedAt) << "the older run plays on into its tail";
  EXPECT_GT(first.played, 59ull * 44100 * 4) << "the channels were kept fed";
}

TEST_F(UiSound, BackOnTheSaveLoadScreenLeavesTheMusicPlaying) {
  Play("set Option.SoundEffects 0\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n"
       "wait 1500\nscreen Screen_SaveLoad\nkey Escape\nwait 3000\nquit\n");
  ASSERT_EQ(out_.devices.size(), 1u);
  const auto& intro = *out_.devices[0];
  EXPECT_GE(intro.closedAt, intro.openedAt + 3400) << "played on through Back until the game ended";
  EXPECT_GE(intro.played, 3ull * 44100 * 4);
}

TEST_F(UiSound, ButtonsClickWhenSoundEffectsAreOn) {
  Play("click 400 218\nkey Escape\nwait 200\nquit\n");
  ASSERT_GE(out_.devices.size(), 1u);
  EXPECT_TRUE(out_.devices[0]->loud) << "the click reached the output";
  EXPECT_LT(out_.devices[0]->total, 44100u * 4) << "a short click";
}

TEST_F(UiSound, TheTradePopUpOpensAndClosesWithItsSounds) {
  std::vector<std::string> played;
  ui::TheFrontend().onPlaySound = [&played](const std::string& wav) { played.push_back(wav); };
  Play("click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nscreen Screen_TradeScreenMoveable\n"
       "click 523 45\nquit\n");
  ui::TheFrontend().onPlaySound = nullptr;
  const auto at = std::find(played.begin(), played.end(), "maxi.wav");
  ASSERT_NE(at, played.end());
  EXPECT_NE(std::find(at, played.end(), "mini.wav"), played.end()) << "closing follows opening";
}

TEST_F(UiSound, TheMainScreensPopUpPanelsOpenAndCloseWithTheirSounds) {
  std::vector<std::string> played;
  ui::TheFrontend().onPlaySound = [&played](const std::string& wav) {
    if (wav != "button.wav") played.push_back(wav);
  };
  // The options panel by its icon and Escape; the running mission's panel by the Missions icon and Escape.
  Play("set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n"
       "click 733 566\nkey Escape\nset ActiveMission[1] 1\nset ActiveMission[2] 19\nclick 400 566\nkey Escape\n"
       "quit\n");
  ui::TheFrontend().onPlaySound = nullptr;
  const std::vector<std::string> expected = {"maxi.wav", "mini.wav", "maxi.wav", "mini.wav"};
  EXPECT_EQ(played, expected);
}

}  // namespace
}  // namespace qm
