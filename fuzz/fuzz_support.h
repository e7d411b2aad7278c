#pragma once
// What the fuzz targets share: a scratch folder of their own for the files an
// input is written to, and a check that stops the run on a broken promise.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qm::fuzz {

// A folder of this process, removed at exit (in memory where the system has it).
inline const std::string& Folder() {
  // Never destroyed: the exit handler that removes the folder still needs its name.
  static const std::string* dir = [] {
    const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    auto* d = new std::string(base + "/qm-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(*d);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return d;
  }();
  return *dir;
}

// Writes `size` bytes as file `name` in the folder; returns its path.
inline std::string WriteFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = Folder() + "/" + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                               static_cast<std::streamsize>(size));
  return path;
}

// A property every input must keep; a broken one is a finding like a crash.
inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}

// Splits an input in two the way two files of `first` and `second` bytes
// stand one after the other: a real pair, concatenated, splits into its files.
inline size_t SplitPoint(size_t size, size_t first, size_t second) {
  return static_cast<size_t>(static_cast<unsigned __int128>(size) * first / (first + second));
}

}  // namespace qm::fuzz
