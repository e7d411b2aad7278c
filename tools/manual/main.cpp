// Typesets the player's manual at build time:
//   quellmark-manual OUT.pdf
#include <cstdio>

#include "manual/manual.h"

#ifndef QM_RELEASE_DATE
#define QM_RELEASE_DATE "2026-01-01"
#endif

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quellmark-manual OUT.pdf\n");
    return 2;
  }
  qm::manual::TypesetResult result;
  std::string error;
  if (!qm::manual::WriteManual(argv[1], QM_RELEASE_DATE, result, error)) {
    std::fprintf(stderr, "error: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
