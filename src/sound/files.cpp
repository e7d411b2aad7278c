#include "sound/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace qm::sound {
namespace {

std::vector<std::string>& Paths() {
  static std::vector<std::string> folders{"."};
  return folders;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void SetFolders(const std::vector<std::string>& folders) { Paths() = folders; }
const std::vector<std::string>& Folders() { return Paths(); }

std::string FindFile(const std::string& name) { return FindFileIn(Paths(), name); }

std::string FindFileIn(const std::vector<std::string>& folders, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return "";
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const auto& folder : folders) {
    const fs::path p = fs::path(folder) / name;
    if (fs::is_regular_file(p, ec)) return p.string();
  }
  for (const auto& folder : folders) {
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (SameIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(ec)) return it->path().string();
    }
    ec.clear();
  }
  return "";
}

}  // namespace qm::sound
