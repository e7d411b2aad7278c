// The articles of the war news and the situation texts of the campaign screen.
#include <array>
#include <string>

#include "catalogue/lookup.h"
#include "world/wars.h"

namespace qm {
namespace {

using Pool = std::array<const char*, 11>;  // variants 1..10; 0 unused

constexpr Pool kWarDeclared = {
    "",
    "The {A} has officially declared war on the {B}.",
    "Diplomats of the {B} left the embassy of the {A} this morning. Hours later the {A} declared war.",
    "After weeks of border incidents the {A} has broken off all relations and declared war on the {B}.",
    "War again! The {A} has mobilised its fleet and declared a state of war with the {B}.",
    "The council of the {A} voted for war today. Its ships are ordered to engage every vessel of the {B}.",
    "Merchants fear for their routes: the {A} has declared war on the {B} and closed its jump points to their "
    "traders.",
    "In a short statement the {A} announced that it considers itself at war with the {B} from this day on.",
    "The long peace is over. The {A} accuses the {B} of espionage and has declared war.",
    "Recruiting offices of the {A} are crowded after its declaration of war on the {B} was broadcast this morning.",
    "Sources in the admiralty confirm that the {A} is at war with the {B}. Both fleets are moving to the border.",
};

constexpr Pool kCeaseFire = {
    "",
    "Today we have a happy announcement to make. The {A} and the {B} have agreed to a cease-fire.",
    "The guns fall silent: envoys of the {A} and the {B} signed a cease-fire after long negotiations.",
    "A cease-fire between the {A} and the {B} has come into force today. Both fleets return to their bases.",
    "Traders celebrate in every port as the {A} and the {B} announce an end to the fighting.",
    "Exhausted by the war, the {A} has offered a cease-fire to the {B}, which accepted it this morning.",
    "The {A} and the {B} have agreed to stop all hostilities. Prisoners are to be exchanged within the month.",
    "After more than a hundred days of war the {A} and the {B} have signed a truce on neutral ground.",
    "Peace at last? The {A} and the {B} declare a cease-fire, though both keep their fleets on alert.",
    "Families of the fleet crews of the {A} and the {B} can breathe again: a cease-fire was signed today.",
    "The admiralties of the {A} and the {B} have ordered their ships to hold fire. The war is over for now.",
};

constexpr Pool kUnderAttack = {
    "",
    "This just in: a {A} battlegroup has crossed the border to the {B} and attacked the {S} system.",
    "Alarm sirens in the {S} system! The {A} has launched an invasion against the {B} forces defending it.",
    "A {A} fleet has jumped into the {S} system. The {B} garrison is fighting back against overwhelming numbers.",
    "The {A} has started a siege of the {S} system. The {B} calls every pilot to defend its border.",
    "Reports from the {S} system speak of heavy fighting as {A} warships attack the {B} starbase.",
    "Civilians are fleeing the {S} system after the {A} opened an invasion against the {B}.",
    "The {B} has lost contact with several patrols in the {S} system. A {A} invasion fleet is confirmed.",
    "War reaches the {S} system: {A} troopships and escorts have broken through the {B} picket line.",
    "The {A} admiralty announced an offensive to take the {S} system from the {B}. The siege has begun.",
    "Freighters report {A} battleships blockading the {S} system. The {B} defenders are holding the starbase.",
};

constexpr Pool kConquered = {
    "",
    "Today the {A} officially announced that their fleet has captured the {S} system and the defending forces of "
    "the {B} have been forced to withdraw.",
    "The flag of the {A} flies over the {S} system. The last {B} defenders surrendered this morning.",
    "After a long siege the {S} system has fallen. The {A} now controls every planet formerly held by the {B}.",
    "Victory for the {A}: the starbase of the {S} system was taken and the {B} fleet has retreated.",
    "The {B} has confirmed the loss of the {S} system. {A} administrators are already taking over the ports.",
    "Crowds cheer in the capital of the {A} as news arrives that the {S} system was taken from the {B}.",
    "The {S} system changes hands: the {A} has broken the resistance of the {B} after weeks of fighting.",
    "Grim news for the {B}: its forces were driven out of the {S} system, which is now held by the {A}.",
    "The siege of the {S} system is over. The {A} reports the capture of the starbase and most of the {B} garrison.",
    "Traders are told to register with the new masters of the {S} system: the {A} has defeated the {B} there.",
};

constexpr Pool kInvasionFailed = {
    "",
    "Today the {A} officially announced that all of its ships have retreated from the {S} system.",
    "The invasion of the {S} system has failed. The {A} fleet is limping home after heavy losses against the {B}.",
    "The {B} has held the {S} system. The last ships of the {A} left the system this morning.",
    "Celebrations in the {S} system: the defenders of the {B} have repelled the invasion of the {A}.",
    "The {A} has called off its siege of the {S} system. Its admirals blame the supply lines.",
    "The starbase of the {S} system still stands. The {A} withdrew its battered fleet after a failed assault.",
    "The {B} reports victory in the {S} system: the invaders of the {A} were driven back across the border.",
    "After months of siege the {A} gave up its attempt to take the {S} system from the {B}.",
    "Wreckage of {A} warships drifts through the {S} system, where the {B} has broken the invasion.",
    "A spokesman of the {A} confirmed that its forces have left the {S} system. The {B} keeps control.",
};

constexpr Pool kSituation = {
    "",
    "The {A} is invading the {S} system \u2013 currently under control of the {B}. Heavy fighting is taking place.",
    "Forces of the {A} besiege the {S} system. The {B} garrison defends its starbase day and night.",
    "The {S} system has become a battlefield: the {A} tries to wrest it from the {B}.",
    "Squadrons of the {A} and the {B} clash every day over the planets of the {S} system.",
    "The {A} has laid siege to the {S} system. Supply convoys of the {B} try to break through.",
    "The {B} holds the {S} system against a determined invasion of the {A}. Losses are high on both sides.",
    "Battlegroups of the {A} blockade the {S} system while the {B} calls in reinforcements.",
    "The fate of the {S} system hangs in the balance as the {A} presses its attack against the {B}.",
    "Minefields and wreckage fill the {S} system, where the {A} is fighting the {B} for every planet.",
    "The {A} invasion of the {S} system continues. The {B} refuses every call to surrender.",
};

}  // namespace

std::string WarStoryTemplate(int kind, int variant) {
  static const Pool* const pools[] = {&kWarDeclared, &kCeaseFire, &kUnderAttack, &kConquered, &kInvasionFailed};
  if (kind < 5 || kind > 9) return "";
  const char* t = entry(*pools[kind - 5], variant);
  return t ? t : "";
}

std::string SituationTemplate(int variant) {
  const char* t = entry(kSituation, variant);
  return t ? t : "";
}

std::string FillNames(const std::string& text, const std::string& a, const std::string& b, const std::string& s) {
  std::string out;
  out.reserve(text.size() + 64);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}') {
      const char k = text[i + 1];
      if (k == 'A' || k == 'B' || k == 'S') {
        out += k == 'A' ? a : k == 'B' ? b : s;
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace qm
