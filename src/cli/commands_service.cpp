// Console commands for shipyard, equipment, crew, bank, bar, hideout and governor.
#include "cli/commands.h"

namespace qm {

void AddServiceCommands(CommandTable&) {}

}  // namespace qm
