#include "state/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "state/file_io_detail.h"

namespace qm {
namespace fileio {

std::string Failure(const std::string& path, const std::string& what) {
  return std::filesystem::path(path).filename().string() + ": " + what;
}
std::string Failure(const std::string& path, int err) { return Failure(path, std::strerror(err)); }

std::string UniqueName(const std::string& path, const char* kind) {
  static unsigned counter = 0;
  return path + "." + kind + "." + std::to_string(::getpid()) + "." + std::to_string(++counter);
}

void SyncDirectoryOf(const std::string& path) {
  std::string dir = std::filesystem::path(path).parent_path().string();
  if (dir.empty()) dir = ".";
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // durability only; the rename itself has already succeeded
  ::fsync(fd);
  ::close(fd);
}

bool WriteTemporary(const std::string& path, const std::vector<uint8_t>& data, std::string& temp,
                    std::string& error) {
  int fd = -1, err = 0;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = UniqueName(path, "tmp");
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    err = errno;
    if (fd < 0 && err != EEXIST) break;
  }
  if (fd < 0) return error = Failure(path, std::string("cannot create a file: ") + std::strerror(err)), false;
  const auto fail = [&](const std::string& why) {
    error = Failure(path, why);
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  };
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    err = errno;
    if (n < 0 && err == EINTR) continue;
    if (n < 0) return fail(std::strerror(err));  // a full disk (ENOSPC), the size limit (EFBIG) ...
    if (n == 0) return fail("the disk is full");
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(std::strerror(errno));
  if (::close(fd) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    return error = Failure(path, err), false;
  }
  return true;
}

}  // namespace fileio

using namespace fileio;

namespace {

int stopAfterStep = 0;

// Reads up to `limit` bytes straight into `out`; stops early at the end of the
// file. `expected` (the size fstat reported) sizes the buffer once. On failure
// `err` holds the read's errno.
bool ReadUpTo(int fd, size_t limit, size_t expected, std::vector<uint8_t>& out, int& err) {
  out.reserve(std::min(limit, expected + 1));
  while (out.size() < limit) {
    const size_t done = out.size();
    const size_t chunk = std::min(limit - done, std::max<size_t>(out.capacity() - done, 1 << 16));
    out.resize(done + chunk);
    const ssize_t n = ::read(fd, out.data() + done, chunk);
    err = errno;
    out.resize(done + static_cast<size_t>(std::max<ssize_t>(n, 0)));
    if (n < 0 && err == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
  }
  return true;
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A second name for the current contents of `path`, to put back if a later step fails.
bool KeepBackup(const std::string& path, std::string& backup, std::string& error) {
  backup = UniqueName(path, "old");
  if (::link(path.c_str(), backup.c_str()) == 0) return true;
  std::error_code ec;  // file systems without hard links: a copy does as well
  if (std::filesystem::copy_file(path, backup, ec)) return true;
  error = Failure(path, "cannot keep the previous version: " + ec.message());
  backup.clear();
  return false;
}

// Reads an opened regular file: at most `limit` bytes (one more is tried, so a
// file that grew since it was measured is noticed).
bool ReadOpened(const std::string& path, int fd, size_t limit, std::vector<uint8_t>& out, off_t& size,
                std::string& error) {
  struct stat st {};
  size = ::fstat(fd, &st) == 0 ? st.st_size : 0;
  int err = 0;
  const bool ok = ReadUpTo(fd, limit == SIZE_MAX ? limit : limit + 1, static_cast<size_t>(std::max<off_t>(size, 0)),
                           out, err);
  ::close(fd);
  if (!ok) return out.clear(), error = Failure(path, err), false;
  return true;
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string& error, bool* notRegular) {
  if (notRegular) *notRegular = false;
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one forever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return error = Failure(path, errno), -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    if (notRegular) *notRegular = true;
    return error = Failure(path, "not a regular file"), -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int err = errno;
    ::close(fd);
    return error = Failure(path, err), -1;
  }
  return fd;
}

FILE* OpenRegularFileStream(const std::string& path, std::string& error) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return nullptr;
  FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    error = Failure(path, errno);
    ::close(fd);
  }
  return file;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error, size_t maxBytes) {
  out.clear();
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  off_t size = 0;
  if (!ReadOpened(path, fd, maxBytes, out, size, error)) return false;
  if (out.size() > maxBytes) return out.clear(), error = Failure(path, "the file is too large"), false;
  return true;
}

SizedRead ReadFileOfSize(const std::string& path, size_t size, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  bool notRegular = false;
  const int fd = OpenRegularFile(path, error, &notRegular);
  if (fd < 0) return notRegular ? SizedRead::NotAFile : SizedRead::CannotRead;
  off_t actual = 0;
  if (!ReadOpened(path, fd, size, out, actual, error)) return SizedRead::CannotRead;
  if (out.size() != size) {
    const auto bytes = static_cast<unsigned long long>(std::max<off_t>(actual, 0));
    error = Failure(path, "it has " + std::to_string(bytes) + " bytes instead of " + std::to_string(size));
    out.clear();
    return SizedRead::WrongSize;
  }
  return SizedRead::Ok;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data, std::string& error) {
  return WriteFilesAtomically({{path, &data}}, error);
}

void StopWritesAfterStepForTesting(int step) { stopAfterStep = step; }

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool WriteFilesAtomically(const std::vector<FileToWrite>& files, std::string& error) {
  const size_t n = files.size();
  if (n == 0) return true;
  int step = 0;
  // The test hook: a process killed right after this step leaves its files as they are.
  const auto died = [&] {
    if (++step != stopAfterStep) return false;
    error = "stopped after step " + std::to_string(step);
    return true;
  };
  std::vector<std::string> temps(n), backups(n);
  auto removeAll = [](const std::vector<std::string>& names, size_t from) {
    for (size_t i = from; i < names.size(); ++i)
      if (!names[i].empty()) ::unlink(names[i].c_str());
  };
  std::vector<CommitEntry> record(n);
  for (size_t i = 0; i < n; ++i) {
    if (!WriteTemporary(files[i].path, *files[i].data, temps[i], error)) {
      temps[i].clear();
      removeAll(temps, 0);
      return false;
    }
    record[i] = {files[i].path, temps[i], files[i].data->size(),
                 Checksum(files[i].data->data(), files[i].data->size())};
  }
  if (died()) return false;
  // Every file but the last may have to be put back when a later rename fails.
  for (size_t i = 0; i + 1 < n; ++i) {
    if (IsRegularFile(files[i].path) && !KeepBackup(files[i].path, backups[i], error)) {
      removeAll(temps, 0);
      removeAll(backups, 0);
      return false;
    }
  }
  if (died()) return false;
  const std::string recordPath = CommitRecordPath(files[0].path);
  if (n > 1) {  // a single rename needs no record: it is all or nothing by itself
    if (!WriteCommitRecord(record, error)) {
      removeAll(temps, 0);
      removeAll(backups, 0);
      return false;
    }
  }
  if (died()) return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::rename(temps[i].c_str(), files[i].path.c_str()) == 0) {
      if (died()) return false;
      continue;
    }
    error = Failure(files[i].path, errno);
    for (size_t j = 0; j < i; ++j) {  // undo the renames already done
      const bool restored = backups[j].empty() ? ::unlink(files[j].path.c_str()) == 0
                                               : std::rename(backups[j].c_str(), files[j].path.c_str()) == 0;
      if (!restored) error += "; " + Failure(files[j].path, "the previous version could not be put back");
      backups[j].clear();
    }
    removeAll(temps, i);
    removeAll(backups, i);
    // The old set is back: the record must not complete the new one at the next start.
    if (n > 1) ::unlink(recordPath.c_str());
    return false;
  }
  // The renames reach the disk with their folder (one folder for all files)
  // before the record goes.
  SyncDirectoryOf(files[0].path);
  if (n > 1) {
    ::unlink(recordPath.c_str());
    if (died()) return false;
    SyncDirectoryOf(files[0].path);
  }
  removeAll(backups, 0);
  return true;
}

}  // namespace qm
