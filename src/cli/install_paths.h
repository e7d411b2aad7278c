#pragma once
// Where an installed program finds its data folder. The build fixes the way
// from the program's folder to the data folder (bin/ to share/quellmark gives
// "../share/quellmark"); the program resolves it from its own location at run
// time, so an installation copied or moved as a whole still finds its data.
#include <string>

namespace qm {

// The folder `relative` names from the folder holding `executable`, without
// "." and ".." steps; an absolute `relative` is returned as it is. "" when
// either is empty.
std::string FolderBeside(const std::string& executable, const std::string& relative);
// The running program's own file (from /proc/self/exe); "" when it cannot be read.
std::string ExecutablePath();
// The installed data folder of the running program; "" when unknown.
std::string InstalledDataFolder();

}  // namespace qm
