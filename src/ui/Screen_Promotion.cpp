#include "ui/Screen_Promotion.h"

#include <string>

#include "state/game_state.h"
#include "world/retirement.h"

namespace qm::ui {
namespace {

constexpr int kW = 651, kH = 410;
constexpr int kCloseItem = 1;
constexpr Rect kShowcase{30, 64, 240, 262};
constexpr Rect kWords{282, 64, 339, 262};

// The award's size in the showcase by its kind: a ribbon is a wide bar, a medal
// hangs from its ribbon, rank insignia are a badge.
Rect AwardRect(int kind) {
  switch (kind) {
    case AwardContent::Medal: return {(kShowcase.w - 112) / 2, 20, 112, 232};
    case AwardContent::Rank: return {(kShowcase.w - 170) / 2, (kShowcase.h - 136) / 2, 170, 136};
    default: return {(kShowcase.w - 200) / 2, (kShowcase.h - 64) / 2, 200, 64};
  }
}

const char* Heading(int kind) {
  switch (kind) {
    case AwardContent::Medal: return "Medal awarded";
    case AwardContent::Rank: return "Promotion";
    default: return "Campaign ribbon";
  }
}

}  // namespace

Screen_Promotion::Screen_Promotion() : Window("Screen_Promotion", kW, kH) {
  heading_ = &AddLabel({32, 18, 330, 32}, "", Shadowed(OneLine(Tinted(Title(22), kGold))));
  heading_->name = "heading";
  logo_ = &AddPicture({kW - 32 - 40, 16, 40, 40}, "");
  command_ = &AddLabel({360, 26, kW - 32 - 40 - 8 - 360, 20}, "", Shadowed(OneLine(Bold(Body(12)), Align::Right)));

  Panel& showcase = GlassPanel(*this, kShowcase, "showcase");
  award_ = &showcase.AddPicture(AwardRect(AwardContent::Ribbon), "");
  award_->name = "award";

  Panel& words = GlassPanel(*this, kWords, "words");
  intro_ = &words.AddLabel({16, 16, kWords.w - 32, 54}, "", Body(13));
  intro_->name = "intro";
  words.AddBox({16, 78, kWords.w - 32, 1}, kGlassRule);
  name_ = &words.AddLabel({16, 90, kWords.w - 32, 58}, "", Shadowed(Aligned(Tinted(Title(20), kGold), Align::Centre)));
  name_->name = "award";
  kind_ = &words.AddLabel({16, 150, kWords.w - 32, 22}, "", OneLine(Tinted(Body(14), kDim), Align::Centre));
  kind_->name = "kind";
  words.AddBox({16, 184, kWords.w - 32, 1}, kGlassRule);
  motto_ = &words.AddLabel({16, 196, kWords.w - 32, 62}, "", Aligned(Tinted(Body(13), kHighlight), Align::Centre));
  motto_->name = "motto";

  Button& close = AddButton(kCloseItem, {kW - 30 - 150, kH - 26 - 42, 150, 42}, "PromotionScreen", "Thank you",
                            [this] { Close(); });
  close.captionStyle = Caption(14);
  SetDefault(&close);
  SetCancel(&close);
  AddLabel({34, kH - 26 - 28, 300, 14}, "Enter or Esc: close", OneLine(Tinted(Small(10), kDim)));
}

void Screen_Promotion::Present(const AwardContent& a) {
  background = a.background;
  heading_->Set(Heading(a.kind));
  const int f = a.faction >= 1 && a.faction <= kFactions ? a.faction : 0;
  command_->Set(f ? Game.FactionText[f][FacT::ShortName] + " High Command" : "");
  logo_->Set(FactionLogoPicture(f));
  logo_->Show(f != 0);
  award_->rect = AwardRect(a.kind);
  award_->Set(a.picture);
  award_->Show(!a.picture.empty());
  intro_->Set(a.intro);
  name_->Set(a.award);
  kind_->Set(a.kindLine);
  motto_->Set(a.motto);
  ClearHover();
  Invalidate();
  Show();
}

bool Screen_Promotion::OnCloseRequest() {
  Close();
  return false;
}

}  // namespace qm::ui
