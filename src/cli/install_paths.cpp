#include "cli/install_paths.h"

#include <filesystem>

#ifndef QM_DATA_FROM_BIN
#define QM_DATA_FROM_BIN "../share/quellmark"
#endif

namespace qm {

std::string FolderBeside(const std::string& executable, const std::string& relative) {
  namespace fs = std::filesystem;
  if (executable.empty() || relative.empty()) return "";
  const fs::path rel(relative);
  const fs::path folder = rel.is_absolute() ? rel : fs::path(executable).parent_path() / rel;
  std::string out = folder.lexically_normal().string();
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string ExecutablePath() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}

std::string InstalledDataFolder() { return FolderBeside(ExecutablePath(), QM_DATA_FROM_BIN); }

}  // namespace qm
