// The picture cache keeps within its byte budget: the pictures drawn longest ago
// go first, those of the frame being drawn never, and a file dropped from the
// cache is decoded again rather than drawn by the art kit. Visiting every screen
// of a game stays within the default budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/pictures.h"
#include "platform/platform.h"
#include "support/ui_play.h"
#include "ui/event_loop.h"

namespace qm {
namespace {

class PictureCache : public test::UiPlay {};

TEST_F(PictureCache, KeepsToItsBudgetDroppingTheOldestFirst) {
  std::string error;
  platform::StartOptions start;
  start.hidden = true;
  ASSERT_TRUE(platform::Open(start, error)) << error;
  // A picture file among the art kit's pictures: 100 x 100 pixels of plain colour.
  SDL_Surface* plain = SDL_CreateRGBSurfaceWithFormat(0, 100, 100, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(plain, nullptr);
  SDL_FillRect(plain, nullptr, 0xFF336699u);
  ASSERT_EQ(SDL_SaveBMP(plain, (dir_ / "probe.bmp").string().c_str()), 0);
  SDL_FreeSurface(plain);
  platform::SetDataFolders({dir_.string()});
  platform::ClearPictureCache();
  const size_t one = 120 * 90 * 4;  // one art kit picture of 120 x 90
  platform::SetPictureBudget(3 * one);

  // One new picture per frame: never more than the budget, the newest kept.
  for (int i = 0; i < 12; ++i) {
    platform::BeginFrame();
    platform::DrawPicture("Planet_" + std::to_string(i) + ".jpg", {0, 0, 120, 90});
    EXPECT_LE(platform::CachedPictureBytes(), 3 * one) << "frame " << i;
    platform::EndFrame();
  }
  EXPECT_EQ(platform::CachedPictureCount(), 3u);
  // A frame that needs more than the budget keeps all of its own pictures.
  platform::BeginFrame();
  for (int i = 0; i < 5; ++i) platform::DrawPicture("Ship_" + std::to_string(i) + ".jpg", {0, 0, 120, 90});
  EXPECT_EQ(platform::CachedPictureBytes(), 5 * one);
  platform::EndFrame();
  // The next frame's first new picture makes room again.
  platform::BeginFrame();
  platform::DrawPicture("Ship_4.jpg", {0, 0, 120, 90});
  platform::DrawPicture("Portrait_1.jpg", {0, 0, 120, 90});
  EXPECT_LE(platform::CachedPictureBytes(), 3 * one);
  platform::EndFrame();

  // A file pushed out of the cache comes back from its file, not from the art kit.
  platform::SetPictureBudget(0);
  platform::ClearPictureCache();
  platform::BeginFrame();
  platform::DrawPicture("probe.bmp", {0, 0, 100, 100});
  platform::EndFrame();
  const size_t fileBytes = platform::CachedPictureBytes();
  platform::SetPictureBudget(1);  // everything but the present frame's pictures goes
  platform::BeginFrame();
  platform::DrawPicture("Planet_1.jpg", {0, 0, 120, 90});
  platform::EndFrame();
  EXPECT_EQ(platform::CachedPictureBytes(), one);
  platform::BeginFrame();
  platform::DrawPicture("probe.bmp", {0, 0, 100, 100});
  EXPECT_EQ(platform::CachedPictureBytes(), fileBytes) << "the file was decoded again";
  const art::Image canvas = platform::ReadCanvas();
  platform::EndFrame();
  ASSERT_GT(canvas.pixels.size(), 0u);
  EXPECT_EQ(canvas.pixels[50 * canvas.width + 50] & 0xFFFFFFu, 0x336699u);

  platform::SetPictureBudget(0);
  platform::ClearPictureCache();
  platform::Close();
}

TEST_F(PictureCache, EveryScreenOfAGameStaysWithinTheDefaultBudget) {
  std::vector<std::string> lines = {"click 400 218", "key Return", "key Return", "key Return", "key Return",
                                    "set Option.NoWarPopups 1"};
  for (const char* unit : {"Screen_GalaxyMap", "Screen_ShipStatus", "Screen_PersonalStatus", "Screen_Missions",
                           "Screen_TradeScreenMoveable", "Screen_Radar", "Screen_Bank", "Screen_Bar",
                           "Screen_ShipPurchase", "Screen_ShipEquipment", "Screen_CrewHiring", "Screen_Governor",
                           "Screen_Campaign", "Screen_Planet", "Screen_GameOptions", "Screen_Cheats",
                           "Screen_SaveLoad", "Screen_Highscore", "Screen_Credits"})
    for (std::string l : {"screen " + std::string(unit), std::string("wait 300"), std::string("key Escape")})
      lines.push_back(l);
  for (const char* l : {"console duel 12 2", "wait 500", "console board start 4 2", "wait 500"}) lines.push_back(l);
  // The script is handed over line by line: before each line the last frame has been drawn.
  size_t next = 0, most = 0, budget = 0;
  ui::SetScriptSource([&] {
    most = std::max(most, platform::CachedPictureBytes());
    budget = platform::PictureBudget();
    return next < lines.size() ? lines[next++] + "\n" : std::string();
  });
  Play("wait 1\n");
  ui::SetScriptSource(nullptr);
  EXPECT_EQ(next, lines.size());
  std::printf("picture cache: at most %zu of %zu bytes\n", most, budget);
  ASSERT_GT(most, 0u);
  EXPECT_LE(most, budget);
}

}  // namespace
}  // namespace qm
