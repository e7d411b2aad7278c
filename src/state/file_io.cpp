#include "state/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace qm {
namespace {

// "Savegame1.int: No such file or directory" — the player sees the file, not the folder.
std::string Failure(const std::string& path, const std::string& what) {
  return std::filesystem::path(path).filename().string() + ": " + what;
}
std::string Failure(const std::string& path) { return Failure(path, std::strerror(errno)); }

// Reads up to `limit` bytes straight into `out`; stops early at the end of the
// file. `expected` (the size fstat reported) sizes the buffer once.
bool ReadUpTo(int fd, size_t limit, size_t expected, std::vector<uint8_t>& out) {
  out.reserve(std::min(limit, expected + 1));
  while (out.size() < limit) {
    const size_t done = out.size();
    const size_t chunk = std::min(limit - done, std::max<size_t>(out.capacity() - done, 1 << 16));
    out.resize(done + chunk);
    const ssize_t n = ::read(fd, out.data() + done, chunk);
    out.resize(done + static_cast<size_t>(std::max<ssize_t>(n, 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
  }
  return true;
}

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

// Writes `data` into a new temporary file beside `path` and flushes it to disk.
bool WriteTemporary(const std::string& path, const std::vector<uint8_t>& data, std::string& temp,
                    std::string& error) {
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = UniqueName(path, "tmp");
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return error = Failure(path, std::string("cannot create a file: ") + std::strerror(errno)), false;
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? Failure(path) : Failure(path, "the disk is full");
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) {
    error = Failure(path);
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  if (::close(fd) != 0) {
    error = Failure(path);
    ::unlink(temp.c_str());
    return false;
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

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error, size_t maxBytes) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return error = Failure(path), false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return error = Failure(path, "not a regular file"), false;
  }
  // One byte more than allowed is read, so a file that grew since fstat is noticed.
  const bool ok = ReadUpTo(fd, maxBytes == SIZE_MAX ? maxBytes : maxBytes + 1, static_cast<size_t>(st.st_size), out);
  const int readErrno = errno;
  ::close(fd);
  if (!ok) return error = Failure(path, std::strerror(readErrno)), false;
  if (out.size() > maxBytes) return out.clear(), error = Failure(path, "the file is too large"), false;
  return true;
}

SizedRead ReadFileOfSize(const std::string& path, size_t size, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return error = Failure(path), SizedRead::CannotRead;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return error = Failure(path, "not a regular file"), SizedRead::CannotRead;
  }
  const bool ok = ReadUpTo(fd, size + 1, static_cast<size_t>(st.st_size), out);
  const int readErrno = errno;
  ::close(fd);
  if (!ok) return error = Failure(path, std::strerror(readErrno)), SizedRead::CannotRead;
  if (out.size() != size) {
    const auto actual = static_cast<unsigned long long>(std::max<off_t>(st.st_size, 0));
    error = Failure(path, "it has " + std::to_string(actual) + " bytes instead of " + std::to_string(size));
    out.clear();
    return SizedRead::WrongSize;
  }
  return SizedRead::Ok;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data, std::string& error) {
  return WriteFilesAtomically({{path, &data}}, error);
}

bool WriteFilesAtomically(const std::vector<FileToWrite>& files, std::string& error) {
  const size_t n = files.size();
  std::vector<std::string> temps(n), backups(n);
  auto removeAll = [](const std::vector<std::string>& names, size_t from) {
    for (size_t i = from; i < names.size(); ++i)
      if (!names[i].empty()) ::unlink(names[i].c_str());
  };
  for (size_t i = 0; i < n; ++i) {
    if (!WriteTemporary(files[i].path, *files[i].data, temps[i], error)) {
      temps[i].clear();
      removeAll(temps, 0);
      return false;
    }
  }
  // Every file but the last may have to be put back when a later rename fails.
  for (size_t i = 0; i + 1 < n; ++i) {
    if (IsRegularFile(files[i].path) && !KeepBackup(files[i].path, backups[i], error)) {
      removeAll(temps, 0);
      removeAll(backups, 0);
      return false;
    }
  }
  for (size_t i = 0; i < n; ++i) {
    if (std::rename(temps[i].c_str(), files[i].path.c_str()) == 0) continue;
    error = Failure(files[i].path);
    for (size_t j = 0; j < i; ++j) {  // undo the renames already done
      const bool restored = backups[j].empty() ? ::unlink(files[j].path.c_str()) == 0
                                               : std::rename(backups[j].c_str(), files[j].path.c_str()) == 0;
      if (!restored) error += "; " + Failure(files[j].path, "the previous version could not be put back");
      backups[j].clear();
    }
    removeAll(temps, i);
    removeAll(backups, i);
    return false;
  }
  removeAll(backups, 0);
  // The renames reach the disk with their folder (usually one for all files).
  const auto folder = [&](size_t i) { return std::filesystem::path(files[i].path).parent_path(); };
  for (size_t i = 0; i < n; ++i)
    if (i == 0 || folder(i) != folder(i - 1)) SyncDirectoryOf(files[i].path);
  return true;
}

}  // namespace qm
