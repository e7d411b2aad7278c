#pragma once
// Whole-file reads and crash-safe writes.
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// Reads the file whole. `maxBytes` guards against reading a huge foreign file.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error,
                   size_t maxBytes = 16u << 20);
// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`: the old file stays intact until the new one is complete.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data, std::string& error);

}  // namespace qm
