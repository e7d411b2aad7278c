#pragma once
// The travel screen of a wormhole jump (see ui/FlyTo.h).
#include "ui/FlyTo.h"

namespace qm::ui {

class WormholeTo : public TravelProgress {
 public:
  WormholeTo();

 protected:
  std::string Destination() const override;
};

}  // namespace qm::ui
