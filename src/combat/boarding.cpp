#include "combat/boarding.h"

namespace qm {

// Boarding parties are not trained yet: a boarding offer leads nowhere.
void StartBoarding() {}

}  // namespace qm
