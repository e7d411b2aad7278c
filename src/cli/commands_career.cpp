// Console commands for missions, wars and news, promotion and retirement.
#include "cli/commands.h"

namespace qm {

void AddCareerCommands(CommandTable&) {}

}  // namespace qm
