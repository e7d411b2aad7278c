#pragma once
// Whole-file reads and crash-safe writes.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace qm {

// Opens `path` for reading only when it is a regular file (or a link to one).
// A folder, a FIFO, a device or a socket is refused at once, without blocking:
// the file is opened without waiting, checked on the open descriptor, and only
// then switched to ordinary blocking reads. Returns the descriptor, or -1 with
// `error` ("Savegame1.int: not a regular file", "...: No such file or directory").
// `notRegular` tells the two apart when given.
int OpenRegularFile(const std::string& path, std::string& error, bool* notRegular = nullptr);
// The same as a stdio stream ("rb"); nullptr on failure.
FILE* OpenRegularFileStream(const std::string& path, std::string& error);

// Reads the file whole. `maxBytes` guards against reading a huge foreign file.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error,
                   size_t maxBytes = 16u << 20);

// Reads a file that must have exactly `size` bytes; never reads more than that.
// NotAFile: the name is taken by a folder, a FIFO, a device ...
enum class SizedRead { Ok, CannotRead, WrongSize, NotAFile };
SizedRead ReadFileOfSize(const std::string& path, size_t size, std::vector<uint8_t>& out, std::string& error);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`: the old file stays intact until the new one is complete.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data, std::string& error);

// The same for files that belong together (a savegame's two files), all in one
// folder. All are written and flushed first; then a commit record
// ("<first file>.commit") naming the new files with their sizes and checksums
// is written and flushed; then the files are renamed one after the other and
// the record is removed. A process that dies between the renames leaves the
// record behind, and FinishInterruptedWrite completes the set from it. If a
// rename fails, the files already replaced get their previous contents back.
struct FileToWrite {
  std::string path;
  const std::vector<uint8_t>* data;
};
bool WriteFilesAtomically(const std::vector<FileToWrite>& files, std::string& error);

// Completes a write of `paths` (the same files, in the same order) that a dead
// process left behind: the new files still waiting are renamed into place when
// they are whole. A record that was never completely written is dropped with the
// new files (the old set is untouched then). False, with `error`, when the set
// can be neither finished nor kept: its files do not belong together. A write of
// another process still running is left alone.
bool FinishInterruptedWrite(const std::vector<std::string>& paths, std::string& error);
// Removes the temporary and backup files that writes of `paths` by dead
// processes left behind. Call after FinishInterruptedWrite.
void RemoveLeftoverFiles(const std::vector<std::string>& paths);

// A write beyond the file-size limit (RLIMIT_FSIZE) kills the process with
// SIGXFSZ by default; ignored, the write fails with EFBIG like a full disk.
void IgnoreFileSizeSignal();

// Test hook: the next writes of WriteFilesAtomically stop right after step
// `step`, as if the process had died there, leaving their files as they are
// (1: new files written, 2: backups kept, 3: record written, 3+i: i-th rename,
// 4+n: record removed). 0 turns it off.
void StopWritesAfterStepForTesting(int step);

}  // namespace qm
