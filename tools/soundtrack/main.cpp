// quellmark-soundtrack FOLDER: writes the game's music and sound effects.
#include <cstdio>
#include <filesystem>

#include "soundtrack/soundtrack.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quellmark-soundtrack FOLDER\n");
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  std::string error;
  if (!soundtrack::WriteSoundtrack(argv[1], error)) {
    std::fprintf(stderr, "quellmark-soundtrack: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
