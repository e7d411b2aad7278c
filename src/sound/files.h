#pragma once
// Music and sound files by bare name, looked up like the pictures: in each data
// folder in turn (--data, the working directory, the installed data folder, the
// build's own data folder), first by the exact name, then, when no folder has
// it, by the name in any mix of upper and lower case. Nothing is remembered, so
// a file dropped in while the game runs is found the next time it is asked for.
#include <string>
#include <vector>

namespace qm::sound {

void SetFolders(const std::vector<std::string>& folders);
const std::vector<std::string>& Folders();
// The full path of `name`, or "" when no folder holds it (or the name has a path in it).
std::string FindFile(const std::string& name);
// The same search in the given folders.
std::string FindFileIn(const std::vector<std::string>& folders, const std::string& name);

}  // namespace qm::sound
