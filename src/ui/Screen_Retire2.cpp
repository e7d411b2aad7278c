#include "ui/Screen_Retire2.h"

#include <string>

#include "world/money.h"

namespace qm::ui {
namespace {

constexpr int kW = 395, kH = 592;
constexpr int kPages = 6;  // five steps and the ladder
constexpr int kContinueItem = 1;
constexpr int kRungX = 20, kRungY = 12, kRungW = kW - 40, kRungH = 34, kRungPitch = 37;

constexpr Color kGlass{6, 10, 22, 200};
constexpr Color kGlassEdge{70, 96, 136, 255};

}  // namespace

Screen_Retire2::Screen_Retire2() : Window("Screen_Retire2", kW, kH) {
  background = "RetireScreen_00.jpg";
  TextStyle title = OneLine(Title(20), Align::Centre);
  title.font = Font::SerifBold;
  title.color = kGold;
  title_ = &AddLabel({16, 14, kW - 32, 28}, "", Shadowed(title));
  heading_ = &AddLabel({16, 44, kW - 32, 20}, "", OneLine(Title(14), Align::Centre));

  // A step: its picture, text and score line.
  step_ = &AddPanel({16, 72, kW - 32, 430});
  step_->name = "Step";
  step_->fill = kGlass;
  step_->border = kGlassEdge;
  picture_ = &step_->AddPicture({12, 12, kW - 56, 220}, "");
  text_ = &step_->AddLabel({14, 244, kW - 60, 130}, "", Body(12));
  TextStyle score = Aligned(Title(14), Align::Centre);
  score.color = kGold;
  score_ = &step_->AddLabel({14, 384, kW - 60, 36}, "", score);

  // The promotion step's awards: the ribbons in rows of six, the medals beside them.
  for (size_t i = 0; i < ribbons_.size(); ++i)
    ribbons_[i] = &step_->AddPicture({14 + static_cast<int>(i % 6) * 38, 318 + static_cast<int>(i / 6) * 16, 34, 12}, "");
  for (size_t i = 0; i < medals_.size(); ++i)
    medals_[i] = &step_->AddPicture({250 + static_cast<int>(i) * 28, 306, 24, 44}, "");

  // The ladder: ten rungs, place 1 at the top.
  ladder_ = &AddPanel({0, 60, kW, 450});
  ladder_->name = "Ladder";
  for (int place = 1; place <= kRungs; ++place) {
    const int y = kRungY + (place - 1) * kRungPitch;
    rungs_[static_cast<size_t>(place)] = &ladder_->AddPicture({kRungX, y, kRungW, kRungH}, "");
    rungNames_[static_cast<size_t>(place)] =
        &ladder_->AddLabel({kRungX + 24, y + (kRungH - 18) / 2, kRungW - 48, 18}, CareerAtPlace(place).name,
                           Shadowed(OneLine(Title(13), Align::Centre)));
  }
  TextStyle career = OneLine(Title(16), Align::Centre);
  career.color = kGold;
  career_ = &ladder_->AddLabel({16, kRungY + kRungs * kRungPitch + 4, kW - 32, 22}, "", Shadowed(career));
  careerText_ = &ladder_->AddLabel({20, kRungY + kRungs * kRungPitch + 28, kW - 40, 48}, "",
                                   Shadowed(Aligned(Body(11), Align::Centre)));
  TextStyle final = OneLine(Small(11), Align::Centre);
  final.color = kText;
  final_ = &AddLabel({16, 512, kW - 32, 16}, "", Shadowed(final));

  TextStyle keys = OneLine(Small(10));
  keys.color = kDim;
  AddLabel({16, 548, 220, 16}, "Keys: Enter goes on, Left/Right turn back.", keys);
  continue_ = &AddButton(kContinueItem, {kW - 156, 538, 140, 36}, "RetireScreen", "Continue", [this] { Next(); });
  continue_->captionStyle = Caption(14);
  continue_->name = "Continue";
  SetDefault(continue_);
  SetCancel(continue_);
}

void Screen_Retire2::Present(const RetirementReport& report) {
  report_ = report;
  page_ = 0;
  Show();
}

void Screen_Retire2::OnShow() {
  ClearHover();
  ShowPage(page_);
}

bool Screen_Retire2::OnCloseRequest() {
  Next();
  return false;
}

void Screen_Retire2::Next() {
  if (page_ + 1 < kPages) return ShowPage(page_ + 1);
  Close();
}

void Screen_Retire2::ShowPage(int page) {
  page_ = page < 0 ? 0 : page >= kPages ? kPages - 1 : page;
  const bool ladder = page_ == kPages - 1;
  step_->Show(!ladder);
  ladder_->Show(ladder);
  if (!ladder && page_ < static_cast<int>(report_.steps.size())) {
    const DialogContent& d = report_.steps[static_cast<size_t>(page_)];
    title_->Set(d.topic);
    heading_->Set(d.title2);
    // The promotion step shows the uniform the pilot retires in.
    picture_->Set(d.picture.empty() ? d.uniform : d.picture);
    picture_->Show(!picture_->picture.empty());
    text_->Set(d.text);
    score_->Set(d.scoreLine);
    for (size_t i = 0; i < ribbons_.size(); ++i) {
      ribbons_[i]->Set(i < d.ribbons.size() ? d.ribbons[i] : "");
      ribbons_[i]->Show(i < d.ribbons.size());
    }
    for (size_t i = 0; i < medals_.size(); ++i) {
      medals_[i]->Set(i < d.medals.size() ? d.medals[i] : "");
      medals_[i]->Show(i < d.medals.size());
    }
    final_->Set("");
  }
  if (ladder) {
    const int reached = report_.career.place;
    title_->Set("Your new career");
    heading_->Set("");
    for (int place = 1; place <= kRungs; ++place) {
      rungs_[static_cast<size_t>(place)]->Set(LadderPicture(place, place == reached));
      rungNames_[static_cast<size_t>(place)]->style.color = place == reached ? kHighlight : kDim;
    }
    career_->Set(report_.career.name);
    careerText_->Set(report_.career.text);
    final_->Set("Final score: " + FormatMoney(report_.score));
  }
  continue_->caption = ladder ? "Finish" : "Continue";
  Invalidate();
}

bool Screen_Retire2::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_LEFT: if (page_ > 0) ShowPage(page_ - 1); return true;
    case SDLK_RIGHT: if (page_ + 1 < kPages) ShowPage(page_ + 1); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_Retire2::DrawContent(int ox, int oy) const {
  // Five marks for the steps under the title, the current one lit.
  for (int i = 0; i < kPages - 1 && page_ < kPages - 1; ++i) {
    const Rect r{ox + kW / 2 - 50 + i * 22, oy + 66, 12, 3};
    FillRect(r, i == page_ ? kGold : i < page_ ? Color{236, 200, 120, 110} : Color{96, 120, 160, 110});
  }
  if (page_ == kPages - 1) {
    // The reached rung framed in gold.
    const int y = oy + 60 + kRungY + (report_.career.place - 1) * kRungPitch;
    FrameRect({ox + kRungX - 3, y - 3, kRungW + 6, kRungH + 6}, kGold);
    FrameRect({ox + kRungX - 2, y - 2, kRungW + 4, kRungH + 4}, kGold);
  }
}

}  // namespace qm::ui
