#pragma once
// Plays the real game window on SDL's offscreen driver from an input script and
// returns what the script's "dump" lines saw.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "state/random.h"
#include "state/savegame.h"
#include "ui/game.h"
#include "ui/window.h"
#include "ui/window_frontend.h"

namespace qm::test {

class UiPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    SeedRandom(1);  // every run of a test meets the same galaxy
    dir_ = std::filesystem::temp_directory_path() /
           ("qm_uiplay_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    SetSaveDirectory(dir_.string());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the game on `script`; each line "dump" adds one listing of the open windows.
  std::vector<std::string> Play(const std::string& script) {
    const std::string dumpFile = (dir_ / "dump.txt").string();
    std::filesystem::remove(dumpFile);
    std::string expanded;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) expanded += (line == "dump" ? "dump " + dumpFile : line) + "\n";
    ui::GameOptions options;
    options.scriptText = expanded;
    options.shotFolder = dir_.string();
    std::string error;
    EXPECT_EQ(ui::RunGame(options, error), 0) << error;
    std::ifstream in(dumpFile);
    std::stringstream all;
    all << in.rdbuf();
    std::vector<std::string> dumps;
    std::string text = all.str();
    for (size_t at; (at = text.find("--\n")) != std::string::npos; text.erase(0, at + 3))
      dumps.push_back(text.substr(0, at));
    return dumps;
  }

  // The top window of each dump of a run.
  std::vector<std::string> Tops(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& d : Play(script)) tops.push_back(TopWindow(d));
    return tops;
  }
  static std::string Label(const std::string& text) { return "label \"" + text + "\""; }

  // The part of a dump that lists the top window.
  static std::string TopWindow(const std::string& dump) {
    // Windows start their lines; texts on the screens may say "window" too.
    const size_t at = dump.rfind("\nwindow ");
    if (at != std::string::npos) return dump.substr(at + 1);
    return dump.rfind("window ", 0) == 0 ? dump : "";
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  std::filesystem::path dir_;
};

// The same, recording each button sound with the window that was on top when it played.
class UiPlayWithSounds : public UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    sounds_.clear();
    ui::TheFrontend().onPlaySound = [this](const std::string& wav) {
      if (wav == "button.wav") sounds_.push_back(ui::Top() ? ui::Top()->Unit() : "");
    };
  }
  void TearDown() override {
    ui::TheFrontend().onPlaySound = nullptr;
    UiPlay::TearDown();
  }
  // Button sounds that played while `unit` was the top window.
  int Sounds(const std::string& unit) const {
    return static_cast<int>(std::count(sounds_.begin(), sounds_.end(), unit));
  }

  std::vector<std::string> sounds_;
};

}  // namespace qm::test
