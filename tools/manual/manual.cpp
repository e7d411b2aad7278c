#include "manual/manual.h"

#include "version.h"

namespace qm::manual {

Document BuildManual() {
  Document d;
  d.Title("Quellmark",
          {"Player\u2019s Manual", "A turn-based space trading and combat game", "Version " QUELLMARK_VERSION},
          Picture{"Battlefleet.jpg", 0, 0, "", ""});
  d.Contents();
  AddIntroduction(d);
  AddScreens(d);
  AddTrade(d);
  AddShips(d);
  AddMissionsAndWar(d);
  AddCombat(d);
  AddCareer(d);
  AddReference(d);
  return d;
}

bool WriteManual(const std::string& path, const std::string& date, TypesetResult& result, std::string& error) {
  const PdfInfo info{"Quellmark \u2014 Player\u2019s Manual", "The player's manual of Quellmark " QUELLMARK_VERSION,
                     "The Quellmark developers", date};
  return WritePdf(BuildManual(), info, path, result, error);
}

}  // namespace qm::manual
