#include "ui/Screen_Credits.h"

#include <iterator>

#include "version.h"

namespace qm::ui {
namespace {

struct Block {
  const char* heading;
  const char* text;
};

constexpr Block kBlocks[] = {
    {"Game design and programming", "The Quellmark team"},
    {"Pictures", "Drawn as you play by the built-in art kit, with Cairo"},
    {"Type", "The DejaVu fonts"},
    {"Built with", "SDL2, SDL2_ttf, Cairo, libjpeg-turbo and Ogg Vorbis"},
    {"Testing", "Every pilot who flew an early build and came back to tell"},
    {"Special thanks", "To the traders, smugglers and pirates of the Outer Rim, for their patience"},
};

}  // namespace

Screen_Credits::Screen_Credits() : Window("Screen_Credits", 584, 581) {
  background = "Credits_00.jpg";
  TextStyle title = Title(30);
  title.font = Font::SerifBold;
  title.align = Align::Centre;
  AddLabel({20, 26, 544, 40}, "QUELLMARK", title);
  TextStyle sub = Small(11);
  sub.align = Align::Centre;
  AddLabel({20, 68, 544, 18}, std::string("Version ") + QUELLMARK_VERSION, sub);
  AddBox({142, 96, 300, 1}, {96, 120, 160, 160});
  // A dark glass under the names keeps them readable over the bright world behind.
  AddBox({36, 106, 512, 64 * static_cast<int>(std::size(kBlocks)) + 36}, {4, 8, 20, 170});
  int y = 114;
  for (const Block& b : kBlocks) {
    TextStyle h = Title(13);
    h.align = Align::Centre;
    AddLabel({40, y, 504, 20}, b.heading, h);
    TextStyle t = Body(12);
    t.align = Align::Centre;
    AddLabel({40, y + 22, 504, 36}, b.text, t);
    y += 64;
  }
  TextStyle end = Body(11);
  end.align = Align::Centre;
  end.color = kDim;
  AddLabel({40, y + 4, 504, 20}, "Thank you for playing. Fly safe, pilot.", end);
  auto& close = AddButton(1, {222, 527, 140, 36}, "Credits", "Close", [this] { Close(); });
  SetDefault(&close);
  SetCancel(&close);
}

}  // namespace qm::ui
