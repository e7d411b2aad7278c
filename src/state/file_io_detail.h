#pragma once
// What file_io.cpp and file_commit.cpp share: names, flushes and the commit record.
#include <cstdint>
#include <string>
#include <vector>

namespace qm::fileio {

// "Savegame1.int: No such file or directory" — the player sees the file, not the folder.
std::string Failure(const std::string& path, const std::string& what);
// The same with the text of `err` (errno captured right at the failing call).
std::string Failure(const std::string& path, int err);

// "<path>.<kind>.<pid>.<n>": a name beside `path` no other write uses.
std::string UniqueName(const std::string& path, const char* kind);
void SyncDirectoryOf(const std::string& path);
// Writes `data` into a new temporary file beside `path` and flushes it to disk.
bool WriteTemporary(const std::string& path, const std::vector<uint8_t>& data, std::string& temp,
                    std::string& error);

// The commit record of a set of files: where each new file waits, and what it holds.
struct CommitEntry {
  std::string path;  // the file's own name
  std::string temp;  // the new contents, waiting beside it
  uint64_t size = 0;
  uint64_t checksum = 0;
};
std::string CommitRecordPath(const std::string& firstPath);
uint64_t Checksum(const uint8_t* data, size_t size);
// Writes and flushes the record (itself atomically: a temporary renamed into place).
bool WriteCommitRecord(const std::vector<CommitEntry>& entries, std::string& error);

}  // namespace qm::fileio
