// Descriptions of the star systems and of their planets and asteroid fields,
// as the main screen and the galaxy map show them.
#include <string_view>

#include "world/world_table.h"

namespace qm {
namespace {

constexpr const char* kSystemTexts[kSystems + 1] = {
    "",
    // Sol
    "Home of mankind and capital of the Federation. Most dream of visiting this planet at least one time in "
    "their life. This is the last stand of the Federation.",
    // Carse
    "Federation pleasure system and gateway to four wormholes. Rich families wait out the war on its beaches "
    "while convoys queue at the jump points.",
    // Hope
    "Farming system on the road to the Syndicate border. Its grain feeds half the Federation fleet, and its "
    "farmers have learned to count the warships passing overhead.",
    // Sirius
    "Federation forge system. The shipyards of Sirius Prime work in three shifts, and the smoke of the factory "
    "worlds hangs over the inner planets.",
    // N. Manchester
    "Coalition factory system on the Federation border. Its assembly lines run day and night, and its traders "
    "sell to whoever pays in cash.",
    // New Germany
    "The busiest crossroads of the Coalition, with five wormholes. Whoever holds New Germany holds the trade "
    "lanes between the core and the rim.",
    // Moor
    "A barren mining system claimed by the Syndicate. Prospectors, ore barges and smugglers share its asteroid "
    "belts; the law is whatever the Syndicate says it is.",
    // Finis
    "Second seat of the Federation and its bulwark against the rim. Fleets gather here before every offensive "
    "and the shipyards never sleep.",
    // Warfield
    "Named for the battles fought over it when the colonies first rose. Its mining towns and its one green "
    "world still bear the scars.",
    // New Ireland
    "A green Federation farming system and a quiet crossroads of four wormholes. Its ports are full of "
    "refugees from the frontier.",
    // Baiton
    "A remote farming system at the edge of Federation space. Its ranches ship food to the front; the pirates "
    "of Tortuga ship themselves in.",
    // Hyraxan
    "Capital of the Outer Rim Alliance, where the rebellion was declared. Every world here has sent its sons "
    "and daughters to the war.",
    // New Moscow
    "Capital of the Syndicate Of Arms. Its arsenals build weapons no other faction can copy, and every deal "
    "made here is watched by somebody.",
    // New Scotland
    "A cold, windy farming system of the Outer Rim, reached by a single wormhole. Its clans fight for the "
    "Alliance and trust nobody else.",
    // Lands End
    "The edge of charted space: one storm world and three asteroid fields. The Outer Rim mines ore here and "
    "hides its fleets among the rocks.",
    // New France
    "Capital of the Trading Coalition and the richest market in the galaxy. Here even the war is a matter of "
    "contracts and commission.",
    // New Italy
    "Syndicate mining system and crossroads of four wormholes. Its deserts yield ore and its asteroid fields "
    "yield smugglers.",
    // New England
    "A dead-end Coalition system of farms and foundries behind New Germany. It is safe from the front, and it "
    "charges for the privilege.",
    // New Cuba
    "Syndicate system of hot deserts and rich asteroid fields. Rum and tobacco flow from here to every black "
    "market in the galaxy.",
    // Tortuga
    "The pirate haven of the galaxy, Syndicate territory in name only. Its five asteroid fields hide more "
    "hideouts than any patrol will ever find.",
    // Barbados
    "A Syndicate mining outpost among three asteroid fields. Ore leaves by convoy; everything else leaves by "
    "night.",
    // Westwind
    "A frozen Outer Rim mining system swept by solar storms. Its miners supply the Alliance yards, and little "
    "else grows here.",
    // Kimberley
    "Outer Rim system known for Kimberley II, the pleasure world the locals call Sin. Whatever is forbidden "
    "elsewhere is for sale here.",
    // Glenshire
    "Outer Rim farming system and trade hub of the Alliance frontier. Its fields feed the rim and its three "
    "wormholes tie it together.",
};

struct PlaceText {
  int system;
  int location;
  const char* text;
};

constexpr PlaceText kPlaceTexts[] = {
    // Sol
    {1, 2, "Cradle of mankind and seat of the Federation Senate. Its orbit is crowded with warships, its cities "
           "with refugees who fled the rebel worlds."},
    {1, 3, "Earth's old companion, covered in domes, spaceports and the academies of the Federation Navy."},
    {1, 4, "The red workshop of the Federation. Its foundries forge hulls and guns for a war that never seems to "
           "end."},
    {1, 5, "Orbital refineries skim the gas giant for fleet fuel. The tanker traffic to Earth never stops."},
    {1, 6, "Refinery stations ride Saturn's rings, turning ice and gas into synthetics for the Federation's "
           "factories."},
    // Carse
    {2, 2, "Local capital of the system: marble ministries, beach resorts and the offices of trading houses "
           "waiting for peace."},
    {2, 3, "An ocean world of floating resorts, where admirals spend their leave and wealthy families buy their "
           "safety."},
    {2, 4, "Volcanic islands and warm seas. Its jewelry sells well in Sol; its casinos sell even better to "
           "officers on leave."},
    // Hope
    {3, 2, "Endless wheat plains and hydroponic towers. The harvest feeds the Federation fleet, which keeps a "
           "close watch over it."},
    {3, 3, "A young colony of farmers and pilgrims who came looking for peace and found themselves on a war "
           "route."},
    {3, 4, "A thin belt of iron-rich rock. Independent miners work it in rusty skiffs and sell their ore to "
           "Hope Prime."},
    // Sirius
    {4, 2, "Local capital and shipyard of the Federation. Half of its destroyers were laid down in these orbital "
           "docks."},
    {4, 3, "A smog-covered industrial world. Its robot factories work for the navy, and its workers rarely see "
           "the sky."},
    {4, 4, "A poisoned world without a proper name, home to weapons labs and engine test ranges. Visitors are "
           "scanned twice."},
    // N. Manchester
    {5, 2, "Grey factory world of the Coalition. Its mills turn out synthetics and machine parts by the "
           "million."},
    {5, 3, "A red, dusty world of steel works and smelters. Wages are low and the union halls are loud."},
    {5, 4, "A fortified industrial base on a barren rock, built to supply the border fleets. Its engines are "
           "sought after across the galaxy."},
    // New Germany
    {6, 2, "Local capital of New Germany and the Coalition's trade exchange. Every convoy passing the crossroads "
           "files its papers here."},
    {6, 3, "Mines and coking plants stretch across the whole planet. Its ore feeds the foundries of Neu "
           "Frankfurt."},
    {6, 4, "A dark industrial world of factories and banks, where engines are built and war loans are signed."},
    // Moor
    {7, 2, "A dusty mining world of deep pits and company towns. The Syndicate pays in credits, and sometimes in "
           "weapons."},
    {7, 3, "A dense field of nickel-iron rock. Prospectors claim a rock one week and lose it to raiders the "
           "next."},
    {7, 4, "Slowly tumbling ice and ore, thick enough to hide a ship. Smugglers know its lanes better than the "
           "miners do."},
    // Finis
    {8, 2, "Local capital of the Federation frontier and home of its largest fleet base. The admirals who run "
           "the war live here."},
    {8, 3, "An uncolonised desert world, scorched by its sun. The ruins of a failed colony still stand in the "
           "dunes."},
    {8, 4, "The second seat of government in Finis, built as a fortress. Its governors trade grain for loyalty "
           "with the rim worlds."},
    {8, 5, "A gas giant wrapped in orbital foundries. The armour plates of Federation cruisers are rolled "
           "here."},
    {8, 6, "A quake-shaken mining world. Its ore is rich, its shafts collapse often, and its miners are paid "
           "well to stay."},
    // Warfield
    {9, 2, "A hot mining world where the sun never sets on the ore pits. The name was a joke of the first "
           "settlers."},
    {9, 3, "A fortified mining colony on a red rock. Its people survived two sieges and still keep their guns "
           "by the door."},
    {9, 4, "An uncolonised world of poisonous fog. Wrecks from the first battles of Warfield still lie on its "
           "surface."},
    {9, 5, "A humid jungle world of plantations and strange creatures. Its rare pets fetch high prices on the "
           "core worlds."},
    // New Ireland
    {10, 2, "Local capital of New Ireland, a city of spires and old banks. Federation officials and rebel spies "
            "drink in the same bars."},
    {10, 3, "A green and peaceful farming world of small villages. Its grain travels to the front in armoured "
            "freighters."},
    {10, 4, "Rolling hills, breweries and busy markets. Half of its young men and women serve in the Federation "
            "navy."},
    {10, 5, "A rich ore field the surveyors left unnamed and every chart has misspelled since. Good pickings for "
            "a patient miner."},
    // Baiton
    {11, 2, "A farming world of wide plains and the system's trading post. Its market days draw freighters from "
            "Tortuga and the Federation alike."},
    {11, 3, "An icy mining world, stretched into a teardrop by its fast spin. Its ice supplies water and fuel to "
            "the whole system."},
    {11, 4, "A farming world with an old university. Its scholars argue about the war; its farmers sell grain to "
            "both sides."},
    {11, 5, "A jungle farming world famous for its spices and delicacies. The Tortuga pirates are its best "
            "customers."},
    {11, 6, "Tulan's smaller twin, covered in orchards and cattle ranges. Its farmers arm their freighters "
            "against raiders."},
    // Hyraxan
    {12, 2, "Local capital and war cabinet of the Outer Rim Alliance. Its assembly declared independence from "
            "the Federation."},
    {12, 3, "An ocean world of fish farms and kelp fields. Its harvest keeps the Alliance fed through the "
            "blockades."},
    {12, 4, "A dark, cloud-covered world of underground factories, safe from orbital bombardment. It builds the "
            "Alliance's missiles."},
    {12, 5, "A ringed world of shipyards where the Alliance fleet is repaired and refitted. Many Outer Rim "
            "pilots start their careers here."},
    {12, 6, "A storm-lashed mining world whose winds can strip a hull. Its crystal mines pay for much of the "
            "rebellion."},
    {12, 7, "A green world of farms and forests, settled by the veterans of the first uprising."},
    // New Moscow
    {13, 2, "Capital of the Syndicate Of Arms. Its arsenals design weapons no one else can build, and its "
            "bazaars sell them to anyone who asks."},
    {13, 3, "An icy industrial world of reactor plants and weapon factories. Its engineers guard the Syndicate's "
            "secrets with their lives."},
    {13, 4, "A smoky world of arms factories and canals. The Syndicate's engines and guns are assembled here."},
    {13, 5, "A farming world of collective farms and grain silos. Its harvest is traded for weapons as often as "
            "for credits."},
    {13, 6, "A dry steppe world of herds and wheat. Syndicate couriers buy its delicacies for the tables of "
            "Moscow Prime."},
    // New Scotland
    {14, 2, "A rocky, windy mining world. Its miners dig ore for the Alliance by day and distil illegal spirits "
            "by night."},
    {14, 3, "A cold industrial world of foundries and shipyards. It builds the sturdy freighters of the Outer "
            "Rim."},
    {14, 4, "A misty island world of sheep farms and fishing towns. Its wool and whisky sell in every rim "
            "port."},
    {14, 5, "A farming world of granite towns and barley fields. Its volunteers fill the ranks of the Alliance "
            "marines."},
    // Lands End
    {15, 2, "A desert world scoured by endless storms. Its mining domes are half buried in sand, and its miners "
            "rarely leave them."},
    {15, 3, "A field of dark rock at the edge of charted space. Outer Rim patrols hide here between raids."},
    {15, 4, "The outermost field of the system, cold and rich in super ore. Few miners dare to work this far "
            "out."},
    {15, 5, "A wide belt of shattered moons. The Alliance mines it for hull metal, and the pirates mine the "
            "miners."},
    // New France
    {16, 2, "A warm world of vineyards and fine delicacies. Its wines are drunk by admirals on every side of the "
            "war."},
    {16, 3, "Capital of the Trading Coalition and seat of its great trading houses. Everything here has a price, "
            "neutrality included."},
    {16, 4, "An industrial world of textile mills and robot factories. New Coalition pilots begin their careers "
            "in its spaceport."},
    {16, 5, "A sunny industrial world of chemical works and engine plants. Its exports keep the Coalition's "
            "books balanced."},
    // New Italy
    {17, 2, "A dry mining world of grand old-style cities built on new money. The Syndicate's ore barons live "
            "here."},
    {17, 3, "A red mining world of ore pits and fashion houses. Its miners dig; its traders make it look "
            "elegant."},
    {17, 4, "A scorching desert world with mines beneath the dunes. Only water is worth more here than ore."},
    {17, 5, "A volcanic mining world run by a few old families. Everything is possible here, for a price and a "
            "favour."},
    {17, 6, "A tight cluster of ore rocks near the wormholes. Syndicate smugglers use it to dodge the customs "
            "patrols."},
    {17, 7, "A thin, sprawling field rich in diamonds. Claims here are defended with guns rather than "
            "lawyers."},
    // New England
    {18, 2, "A red mining world whose name nobody can pronounce. Its ore feeds the foundries of New Wales."},
    {18, 3, "Local capital of New England, a foggy city of banks and insurance houses that grow rich on the "
            "war."},
    {18, 4, "A toxic industrial world of chemical plants. Its synthetics are cheap and its air is deadly."},
    {18, 5, "A mild farming world of hedged fields and market towns. It ships food up the wormhole to New "
            "Germany."},
    // New Cuba
    {19, 2, "A hot, dusty mining world. Beneath the ore trade runs the real business: rum, tobacco and whatever "
            "else is forbidden."},
    {19, 3, "A busy field of ore rocks, worked around the clock by Syndicate mining crews."},
    {19, 4, "Metal-rich rocks drifting close to the sun. Miners work it in the shadow of their own ships."},
    {19, 5, "A far, quiet field where crates of tobacco are said to float between the rocks, waiting for the "
            "right buyer."},
    // Tortuga
    {20, 2, "A lawless mining world and the pirates' favourite port. The Syndicate governor takes his share and "
            "asks no questions."},
    {20, 3, "A crowded field of mining claims and old wrecks. Pirates strip the wrecks; miners strip the "
            "rocks."},
    {20, 4, "A dense field of dark rock. Depots of stolen cargo are said to lie somewhere inside."},
    {20, 5, "A wide field of ice and ore. Its echoing rocks make ship sensors nearly useless."},
    {20, 6, "The broken remains of a moon destroyed in an old battle. Wreckage and ore drift side by side."},
    {20, 7, "The outermost field of Tortuga, cold and rich in super ore. Only the boldest miners come this "
            "far."},
    // Barbados
    {21, 2, "A dry mining world of company towns. The Syndicate ships its ore out and its contraband in."},
    {21, 3, "A field of iron-rich rocks, worked by automatic mining drones that shoot at strangers."},
    {21, 4, "A dense field of glittering rocks rich in diamonds, watched by Syndicate gunboats."},
    {21, 5, "A loose field of ore between the planets. Its lanes are used by smugglers running to Tortuga."},
    // Westwind
    {22, 2, "A frozen mining world swept by solar winds. Its miners live underground and sell their ore to the "
            "Alliance yards."},
    {22, 3, "A field of ice rocks, mined for water and fuel by Alliance tankers."},
    {22, 4, "A glittering field of frozen ore that shines in the solar storms."},
    {22, 5, "A sparse field of heavy-metal rocks. Radiation storms drive the miners out every few weeks."},
    // Kimberley
    {23, 2, "Local capital of Kimberley, a proud Outer Rim world that pays for its defences with the taxes of "
            "Sin."},
    {23, 3, "The pleasure world of the rim: casinos, dream parlours and a market for every vice. Fortunes are "
            "won and lost overnight."},
    {23, 4, "A quiet farming world of orchards and vineyards that supplies the kitchens of Sin."},
    {23, 5, "A cold mining world of deep shafts. Its miners spend their wages on Sin and come back poorer."},
    // Glenshire
    {24, 2, "Local capital of the system and the Alliance's frontier market. Freighters from three wormholes "
            "unload here."},
    {24, 3, "A rainy farming world of fields and fisheries. Its farmers grow food for the Alliance fleet."},
    {24, 4, "A dark mining world under thick clouds. Its ore keeps the shipyards of the Outer Rim working."},
    {24, 5, "A farming world settled by a single family clan. It trades grain, livestock and gossip across the "
            "rim."},
};

}  // namespace

std::string_view systemDescription(int system) {
  if (system < 1 || system > kSystems) return {};
  return kSystemTexts[system];
}

std::string_view planetDescription(int system, int location) {
  for (const PlaceText& t : kPlaceTexts)
    if (t.system == system && t.location == location) return t.text;
  return {};
}

}  // namespace qm
