// Draws the desktop icons at build time:
//   quellmark-icons OUTDIR APP_ID SIZE...
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "icons/icon.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: quellmark-icons OUTDIR APP_ID SIZE...\n");
    return 2;
  }
  std::vector<int> sizes;
  for (int i = 3; i < argc; ++i) {
    char* end = nullptr;
    const long size = std::strtol(argv[i], &end, 10);
    if (*end != '\0' || size < 8 || size > 2048) {
      std::fprintf(stderr, "error: '%s' is not an icon size (8..2048)\n", argv[i]);
      return 2;
    }
    sizes.push_back(static_cast<int>(size));
  }
  std::string error;
  if (!qm::icons::WriteIcons(argv[1], argv[2], sizes, error)) {
    std::fprintf(stderr, "error: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
