// Console commands for the built-in pilot, duels and battle moves.
#include "cli/commands.h"

namespace qm {

void AddCombatCommands(CommandTable&) {}

}  // namespace qm
