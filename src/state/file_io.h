#pragma once
// Whole-file reads and crash-safe writes.
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// Reads the file whole. `maxBytes` guards against reading a huge foreign file.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error,
                   size_t maxBytes = 16u << 20);

// Reads a file that must have exactly `size` bytes; never reads more than that.
enum class SizedRead { Ok, CannotRead, WrongSize };
SizedRead ReadFileOfSize(const std::string& path, size_t size, std::vector<uint8_t>& out, std::string& error);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`: the old file stays intact until the new one is complete.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data, std::string& error);

// The same for files that belong together (a savegame's two files): all are
// written and flushed first, then renamed one after the other. If a rename
// fails, the files already replaced get their previous contents back, so the
// set stays either all old or all new.
struct FileToWrite {
  std::string path;
  const std::vector<uint8_t>* data;
};
bool WriteFilesAtomically(const std::vector<FileToWrite>& files, std::string& error);

}  // namespace qm
