// The commit record that makes a set of files (a savegame's two files) change
// all at once, and the tidying after a process that died while writing.
//
// The record is a short text:
//   quellmark-commit 1 PID COUNT
//   NAME TEMP SIZE CHECKSUM      (one line per file, names without folders)
//   end
// It is written only after every new file is on disk, and removed after the
// last rename. Found at a start or a load, it means the renames were cut off:
// the new files still waiting are renamed into place.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "state/file_io.h"
#include "state/file_io_detail.h"

namespace qm {
namespace fileio {

std::string CommitRecordPath(const std::string& firstPath) { return firstPath + ".commit"; }

uint64_t Checksum(const uint8_t* data, size_t size) {  // FNV-1a, 64 bits
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
  return h;
}

namespace {

std::string BaseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }
std::string Folder(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

bool AllDigits(const std::string& s) {
  return !s.empty() && s.size() < 12 && s.find_first_not_of("0123456789") == std::string::npos;
}

// The process id in a name "<name>.<kind>.<pid>.<n>" (0 when it is not such a name).
long WriterOf(const std::string& file, const std::string& name, const std::string& kind) {
  const std::string prefix = name + "." + kind + ".";
  if (file.compare(0, prefix.size(), prefix) != 0) return 0;
  const std::string tail = file.substr(prefix.size());
  const size_t dot = tail.find('.');
  if (dot == std::string::npos || !AllDigits(tail.substr(0, dot)) || !AllDigits(tail.substr(dot + 1))) return 0;
  return std::stol(tail.substr(0, dot));
}

// Another process that may still be writing: its files are not ours to touch.
bool StillWriting(long pid) {
  if (pid <= 0 || pid == ::getpid()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool FileMatches(const std::string& path, uint64_t size, uint64_t checksum) {
  std::vector<uint8_t> data;
  std::string error;
  return ReadWholeFile(path, data, error, size) && data.size() == size && Checksum(data.data(), size) == checksum;
}

// Parses a record of the set `paths`; false when it is not a complete record of
// exactly these files (a record cut short, or not ours).
bool ParseRecord(const std::string& text, const std::vector<std::string>& paths, long& pid,
                 std::vector<CommitEntry>& entries) {
  std::istringstream in(text);
  std::string magic, end;
  int version = 0;
  size_t count = 0;
  if (!(in >> magic >> version >> pid >> count) || magic != "quellmark-commit" || version != 1 ||
      count != paths.size())
    return false;
  const std::string folder = Folder(paths[0]);
  entries.assign(count, {});
  for (size_t i = 0; i < count; ++i) {
    CommitEntry& e = entries[i];
    std::string name, temp, checksum;
    if (!(in >> name >> temp >> e.size >> checksum) || name != BaseName(paths[i])) return false;
    if (pid <= 0 || WriterOf(temp, name, "tmp") != pid) return false;
    if (checksum.size() != 16 || checksum.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
    e.checksum = std::stoull(checksum, nullptr, 16);
    e.path = paths[i];
    e.temp = (std::filesystem::path(folder) / temp).string();
  }
  return static_cast<bool>(in >> end) && end == "end" && !(in >> end);
}

}  // namespace

bool WriteCommitRecord(const std::vector<CommitEntry>& entries, std::string& error) {
  std::ostringstream text;
  text << "quellmark-commit 1 " << ::getpid() << ' ' << entries.size() << '\n';
  for (const CommitEntry& e : entries) {
    char checksum[17];
    std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(e.checksum));
    text << BaseName(e.path) << ' ' << BaseName(e.temp) << ' ' << e.size << ' ' << checksum << '\n';
  }
  text << "end\n";
  const std::string s = text.str();
  const std::vector<uint8_t> bytes(s.begin(), s.end());
  const std::string path = CommitRecordPath(entries[0].path);
  std::string temp;
  if (!WriteTemporary(path, bytes, temp, error)) return false;
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = Failure(path, errno);
    ::unlink(temp.c_str());
    return false;
  }
  SyncDirectoryOf(path);
  return true;
}

}  // namespace fileio

using namespace fileio;

bool FinishInterruptedWrite(const std::vector<std::string>& paths, std::string& error) {
  if (paths.empty()) return true;
  const std::string recordPath = CommitRecordPath(paths[0]);
  struct stat st {};
  if (::lstat(recordPath.c_str(), &st) != 0) return true;  // no record: no write was cut off
  std::vector<uint8_t> bytes;
  std::string readError;
  long pid = 0;
  std::vector<CommitEntry> entries;
  const bool whole = ReadWholeFile(recordPath, bytes, readError, 1 << 16) &&
                     ParseRecord(std::string(bytes.begin(), bytes.end()), paths, pid, entries);
  if (!whole) {
    // The renames start only after the record is whole on disk: none was done.
    ::unlink(recordPath.c_str());
    return true;
  }
  if (StillWriting(pid)) return true;
  std::vector<bool> waiting(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const CommitEntry& e = entries[i];
    waiting[i] = FileMatches(e.temp, e.size, e.checksum);
    if (!waiting[i] && !FileMatches(e.path, e.size, e.checksum)) {
      error = Failure(e.path, "an interrupted save left files that do not belong together");
      return false;
    }
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!waiting[i] || std::rename(entries[i].temp.c_str(), entries[i].path.c_str()) == 0) continue;
    error = Failure(entries[i].path, std::string("an interrupted save cannot be completed: ") + std::strerror(errno));
    return false;
  }
  SyncDirectoryOf(recordPath);
  ::unlink(recordPath.c_str());
  SyncDirectoryOf(recordPath);
  return true;
}

void RemoveLeftoverFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  namespace fs = std::filesystem;
  std::string folder = Folder(paths[0]);
  if (folder.empty()) folder = ".";
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string file = it->path().filename().string();
    for (const std::string& path : paths) {
      const std::string name = BaseName(path), record = BaseName(CommitRecordPath(paths[0]));
      long pid = 0;
      for (const auto& [base, kind] : {std::pair{name, "tmp"}, std::pair{name, "old"}, std::pair{record, "tmp"}})
        if (!pid) pid = WriterOf(file, base, kind);
      std::error_code statError;
      if (pid && !StillWriting(pid) && it->is_regular_file(statError)) {
        ::unlink(it->path().c_str());
        break;
      }
    }
  }
}

}  // namespace qm
