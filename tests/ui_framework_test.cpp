// The window framework on SDL's offscreen driver: picture files, the canvas
// mapping, clicks, timers and nested modal windows.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/pictures.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "ui/event_loop.h"
#include "ui/window.h"
#include "ui/window_frontend.h"

#include <sstream>

namespace qm {
namespace {

namespace fs = std::filesystem;

class Framework : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    std::string error;
    ASSERT_TRUE(platform::Open({true}, error)) << error;
    ASSERT_TRUE(platform::OpenFonts(error)) << error;
  }
  static void TearDownTestSuite() {
    platform::CloseFonts();
    platform::ClearPictureCache();
    platform::Close();
  }
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qm_fw_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    ui::ResetEventLoop();
  }
  void TearDown() override {
    if (!getenv("QM_KEEP_TEST_FILES")) fs::remove_all(dir_);  // keep them to look at the pictures
  }

  void Script(const std::string& text) {
    std::string error;
    ASSERT_TRUE(ui::SetInputScript(text, "test", error)) << error;
  }

  // A small JPEG of one colour, written with libjpeg.
  void WriteJpeg(const fs::path& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) row[x * 3] = r, row[x * 3 + 1] = g, row[x * 3 + 2] = b;
    while (c.next_scanline < c.image_height) {
      JSAMPROW rows[1] = {row.data()};
      jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
  }

  fs::path dir_;
};

TEST_F(Framework, PictureFilesAreFoundInFolderOrderAndBrokenOnesCountAsMissing) {
  fs::create_directories(dir_ / "data");
  fs::create_directories(dir_ / "cwd");
  WriteJpeg(dir_ / "data" / "Earth.jpg", 8, 4, 250, 10, 10);
  WriteJpeg(dir_ / "cwd" / "Earth.jpg", 2, 2, 10, 10, 250);
  WriteJpeg(dir_ / "cwd" / "Moon.jpg", 3, 5, 10, 250, 10);
  platform::SetDataFolders({(dir_ / "data").string(), (dir_ / "cwd").string()});
  EXPECT_EQ(platform::FindDataFile("Earth.jpg"), (dir_ / "data" / "Earth.jpg").string());
  EXPECT_EQ(platform::FindDataFile("Moon.jpg"), (dir_ / "cwd" / "Moon.jpg").string());
  EXPECT_EQ(platform::FindDataFile("Mars.jpg"), "");
  EXPECT_EQ(platform::FindDataFile("../cwd/Moon.jpg"), "") << "bare names only";

  auto earth = platform::LoadPictureFile(platform::FindDataFile("Earth.jpg"));
  ASSERT_TRUE(earth);
  EXPECT_EQ(earth->width, 8);
  EXPECT_EQ(earth->height, 4);
  const uint32_t p = earth->pixels[0];
  EXPECT_GT((p >> 16) & 0xFF, 200u);
  EXPECT_LT(p & 0xFF, 60u);

  // A truncated JPEG, a text file named .jpg and an empty file: libjpeg refuses them, the program goes on.
  {
    std::ifstream in(dir_ / "data" / "Earth.jpg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(dir_ / "cwd" / "Cut.jpg", std::ios::binary) << bytes.substr(0, bytes.size() / 3);
    std::ofstream(dir_ / "cwd" / "Text.jpg") << "not a picture";
    std::ofstream(dir_ / "cwd" / "Empty.jpg");
    std::ofstream(dir_ / "cwd" / "Bad.bmp") << "BM nonsense";
  }
  for (const char* name : {"Text.jpg", "Empty.jpg", "Bad.bmp"})
    EXPECT_FALSE(platform::LoadPictureFile(platform::FindDataFile(name))) << name;
  platform::LoadPictureFile(platform::FindDataFile("Cut.jpg"));  // a partial picture or none, never an exit

  // A BMP written by SDL reads back.
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 6, 7, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 200, 0));
  SDL_SaveBMP(s, (dir_ / "cwd" / "Green.bmp").c_str());
  SDL_FreeSurface(s);
  auto green = platform::LoadPictureFile(platform::FindDataFile("Green.bmp"));
  ASSERT_TRUE(green);
  EXPECT_EQ(green->width, 6);
  EXPECT_EQ((green->pixels[0] >> 8) & 0xFF, 200u);

  // Drawing files and missing pictures alike never fails.
  platform::BeginFrame();
  for (const char* name : {"Earth.jpg", "Cut.jpg", "Text.jpg", "Nowhere.jpg", "Green.bmp"})
    platform::DrawPicture(name, {0, 0, 40, 30});
  const art::Image canvas = platform::ReadCanvas();
  platform::EndFrame();
  EXPECT_EQ(canvas.width, 800);
  platform::SetDataFolders({"."});
}

TEST_F(Framework, TheCanvasScalesWithTheWindowAndKeepsItsProportions) {
  SDL_Window* window = SDL_GetWindowFromID(1);
  ASSERT_NE(window, nullptr);
  SDL_SetWindowSize(window, 1600, 1000);
  platform::UpdateMapping();
  EXPECT_DOUBLE_EQ(platform::Scale(), 1000.0 / 600.0);
  const SDL_Rect canvas = platform::CanvasPixels();
  EXPECT_EQ(canvas.w, 1333);
  EXPECT_EQ(canvas.h, 1000);
  EXPECT_EQ(canvas.x, (1600 - 1333) / 2);
  const SDL_Rect px = platform::ToPixels({400, 300, 30, 60});
  EXPECT_EQ(px.x, canvas.x + 667);
  EXPECT_EQ(px.h, 100);
  int cx = 0, cy = 0;
  platform::ToCanvas(px.x + 1, px.y + 1, cx, cy);
  EXPECT_EQ(cx, 400);
  EXPECT_EQ(cy, 300);
  SDL_SetWindowSize(window, 800, 600);
  platform::UpdateMapping();
  EXPECT_DOUBLE_EQ(platform::Scale(), 1.0);
}

TEST(PictureNames, FollowTheNamingRulesOfEachKind) {
  using ui::ItemPicture;
  using ui::PictureKind;
  EXPECT_EQ(ItemPicture("StartScreen", 6, PictureKind::Push, false), "StartScreen_06.jpg");
  EXPECT_EQ(ItemPicture("Message4Int", 2, PictureKind::Push, true), "Message4Int_02_Highlighted.jpg");
  EXPECT_EQ(ItemPicture("GameSettings", 2, PictureKind::Toggle, false, false), "GameSettings_02.jpg");
  EXPECT_EQ(ItemPicture("GameSettings", 2, PictureKind::Toggle, true, false), "GameSettingsMouseOver_02.jpg");
  EXPECT_EQ(ItemPicture("GameSettings", 2, PictureKind::Toggle, false, true), "GameSettingsON_02.jpg");
  EXPECT_EQ(ItemPicture("GameSettings", 2, PictureKind::Toggle, true, true), "GameSettingsON+_02.jpg");
  EXPECT_EQ(ItemPicture("Mission-Screen", 25, PictureKind::ListEntry, false), "Mission-Screen_25.jpg");
  EXPECT_EQ(ItemPicture("Mission-Screen", 25, PictureKind::ListEntry, true), "Mission-ScreenH_25.jpg");
}

// A window that logs what happens to it.
class Probe : public ui::Window {
 public:
  Probe(std::string unit, int w, int h) : Window(std::move(unit), w, h) {}
  std::string log;
};

TEST_F(Framework, ClicksDoubleClicksRightClicksAndDraggingReachTheirControls) {
  Probe w("Probe", 400, 300);  // at 200, 150 on the canvas
  auto& target = w.AddLabel({10, 10, 100, 20}, "target", ui::Body(), 1);
  target.onClick = [&] { w.log += "click "; };
  target.onDoubleClick = [&] { w.log += "double "; };
  target.onRightClick = [&] { w.log += "right "; };
  auto& panel = w.AddPanel({100, 100, 120, 80});
  panel.draggable = true;
  auto& done = w.AddButton(2, {300, 250, 80, 30}, "Probe", "Done", [&] { w.Close(); });
  w.SetDefault(&done);
  Script("click 220 170\ndclick 220 170\nrclick 220 170\nclick 150 100\nmove 310 260\n");
  w.Show();
  EXPECT_EQ(w.log, "click click double right ");
  EXPECT_FALSE(w.IsOpen()) << "the script's end closes every window";

  ui::ResetEventLoop();
  Probe d("Drag", 400, 300);
  auto& p = d.AddPanel({100, 100, 120, 80});
  p.draggable = true;
  d.MouseDown(110, 110, SDL_BUTTON_LEFT, 1);
  d.MouseMove(150, 600);
  d.MouseUp(150, 600, SDL_BUTTON_LEFT);
  EXPECT_EQ(p.rect.x, 140);
  EXPECT_EQ(p.rect.y, 300 - 80) << "a dragged panel stays inside its window";
  d.MouseMove(300, 10);
  EXPECT_EQ(p.rect.x, 140) << "released: it no longer follows";

  // A movable window follows the mouse by its empty area and stays on the canvas.
  d.movable = true;
  d.MouseDown(10, 10, SDL_BUTTON_LEFT, 1);
  d.MouseMove(-40, 30);  // the window moves 50 left and 20 down
  EXPECT_EQ(d.Bounds().x, 150);
  EXPECT_EQ(d.Bounds().y, 170);
  d.MouseMove(-1000, -1000);
  EXPECT_EQ(d.Bounds().x, 0);
  EXPECT_EQ(d.Bounds().y, 0);
  d.MouseUp(0, 0, SDL_BUTTON_LEFT);
}

TEST_F(Framework, TimersFireOnGameTimeNeverReenterAndNestedWindowsReturnInOrder) {
  Probe outer("Outer", 600, 400);
  Probe inner("Inner", 200, 100);
  int ticks = 0, depth = 0, deepest = 0;
  outer.StartTimer(1, 100, [&] {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    if (ticks == 2) inner.Show();  // a battle inside a travel day
    --depth;
    outer.log += "tick" + std::to_string(ticks) + " ";
  });
  inner.StartTimer(1, 50, [&] {
    inner.log += "i ";
    if (inner.log.size() >= 6) inner.Close();
  });
  auto& stop = outer.AddButton(1, {0, 0, 50, 50}, "P", "", [&] { outer.Close(); });
  outer.SetCancel(&stop);
  Script("wait 99\nwait 1\nwait 100\nwait 150\nwait 100\nkey Escape\n");
  outer.Show();
  // 100: tick1; 200: tick2 opens Inner, whose timer fires at once (it was due while Inner was
  // closed), at 250 and at 300, where it closes Inner; tick2 then ends. The outer timer rested
  // while Inner lay over it and fires again at 300 and 400.
  EXPECT_EQ(inner.log, "i i i ");
  EXPECT_EQ(outer.log, "tick1 tick2 tick3 tick4 ");
  EXPECT_EQ(deepest, 1) << "a timer never runs inside its own callback";
  EXPECT_EQ(ticks, 4);
}

TEST_F(Framework, TypedTextKeepsItsLimitAndBackspaceRemovesWholeCharacters) {
  ui::TextField f;
  f.maxChars = 5;
  f.Type("äöü");
  f.Backspace();
  EXPECT_EQ(f.text, "äö");
  f.Type("abcdef");
  EXPECT_EQ(f.text, "äöabc");
  f.replaceOnType = true;
  f.Type("x");
  EXPECT_EQ(f.text, "x");
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(Framework, TheNineMessageDialogsHaveTheirSizesButtonsAndAnswers) {
  const std::string dump = (dir_ / "dialogs.txt").string();
  std::string script;
  for (int d = 1; d <= 9; ++d)
    script += "dump " + dump + "\nshot " + (dir_ / ("message" + std::to_string(d) + ".png")).string() +
              "\nclose\nkey Return\n";
  // Then: Ask answered by Escape (No) and by Space (Yes); Choose answered by clicking its second button.
  script += "key Escape\nkey space\nclick 463 386\n";
  Script(script);
  ui::WindowFrontend& fe = ui::TheFrontend();
  for (int d = 1; d <= 9; ++d)
    fe.Message(d, "Topic " + std::to_string(d), "A text for dialog " + std::to_string(d) + ".", "Earth.jpg");
  EXPECT_FALSE(fe.Ask("Quit game?", "Really?"));
  EXPECT_TRUE(fe.Ask("Quit game?", "Really?"));
  EXPECT_EQ(fe.Choose("Pay?", "Pay the fine or fight?", "Pay", "Fight"), 2);

  std::ifstream in(dump);
  std::stringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  const char* sizes[] = {"328x455", "327x454", "304x234", "303x235", "305x466", "470x146", "464x136", "543x349",
                         "666x333"};
  for (int d = 1; d <= 9; ++d) {
    const std::string head = "window Screen_Message" + std::to_string(d) + " " + sizes[d - 1] + " top";
    EXPECT_NE(text.find(head), std::string::npos) << head;
    EXPECT_TRUE(fs::exists(dir_ / ("message" + std::to_string(d) + ".png")));
  }
  EXPECT_EQ(text.find("\"Yes\""), std::string::npos) << "notices show Continue only";
  EXPECT_NE(text.find("label \"Topic 8\""), std::string::npos);
  EXPECT_NE(text.find("picture Earth.jpg"), std::string::npos);
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST(InputScript, BadLinesAreRefusedWithTheirLineNumber) {
  std::string error;
  EXPECT_FALSE(ui::SetInputScript("move 1 2\nclick 3\n", "s", error));
  EXPECT_NE(error.find("s:2"), std::string::npos) << error;
  EXPECT_FALSE(ui::SetInputScript("wait -5\n", "s", error));
  EXPECT_FALSE(ui::SetInputScript("key NoSuchKey\n", "s", error));
  EXPECT_FALSE(ui::SetInputScript("# fine\n\njump 1 2\n", "s", error));
  EXPECT_NE(error.find("s:3: unknown command 'jump'"), std::string::npos) << error;
  EXPECT_FALSE(ui::SetInputScript("shot\n", "s", error));
  EXPECT_TRUE(ui::SetInputScript("# a comment\n  move 1 2\r\nkey Return\ntype two words\nwait 0\nquit\n", "s", error))
      << error;
  ui::ResetEventLoop();
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(Framework, ATimerStoppedInsideANestedWindowDoesNotFireAfterwards) {
  Probe outer("Outer", 600, 400);
  Probe inner("Inner", 200, 100);
  int a = 0, b = 0;
  outer.StartTimer(1, 100, [&] {
    ++a;
    inner.Show();
  });
  outer.StartTimer(2, 100, [&] { ++b; });  // due with the first one
  inner.StartTimer(1, 10, [&] {
    outer.StopTimer(2);
    inner.Close();
  });
  Script("wait 100\nwait 10\nwait 500\n");
  outer.Show();
  EXPECT_GE(a, 1);
  EXPECT_EQ(b, 0) << "stopped while the nested window ran";
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(Framework, LinesAndRectanglesLandWhereTheCanvasSaysAtAnyScale) {
  SDL_Window* window = SDL_GetWindowFromID(1);
  for (int width : {800, 1600}) {
    SDL_SetWindowSize(window, width, width * 3 / 4);
    SDL_PumpEvents();
    platform::UpdateMapping();
    platform::BeginFrame();
    ui::FillRect({100, 100, 50, 20}, {0, 0, 255, 255});
    ui::DrawLine(200, 300, 600, 300, {255, 0, 0, 255}, 3);
    const art::Image canvas = platform::ReadCanvas();
    platform::EndFrame();
    const double k = platform::Scale();
    const auto at = [&](int x, int y) {
      return canvas.pixels[static_cast<size_t>(y * k) * canvas.width + static_cast<size_t>(x * k)] & 0xFFFFFF;
    };
    EXPECT_EQ(at(125, 110), 0x0000FFu) << width;
    EXPECT_EQ(at(400, 300), 0xFF0000u) << width;
    EXPECT_EQ(at(400, 310), 0x000000u) << width;
    EXPECT_EQ(at(160, 110), 0x000000u) << width;
  }
  SDL_SetWindowSize(window, 800, 600);
  SDL_PumpEvents();
  platform::UpdateMapping();
}

}  // namespace
}  // namespace qm
