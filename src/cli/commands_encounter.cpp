// Console commands for the system scan, boarding and fleet battles.
#include "cli/commands.h"

namespace qm {

void AddEncounterCommands(CommandTable&) {}

}  // namespace qm
