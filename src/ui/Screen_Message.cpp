#include "ui/Screen_Message.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "ui/screens.h"

namespace qm::ui {
namespace {

struct Layout {
  int w, h;
  Rect topic, picture, text;
  int buttonsY;
  bool buttonsRight;  // the one-line notices keep their button at the right
};

// Sizes and places of the nine dialogs.
const std::array<Layout, 10> kLayouts{{
    {0, 0, {}, {}, {}, 0, false},
    {328, 455, {20, 18, 288, 26}, {74, 56, 180, 180}, {24, 250, 280, 140}, 405, false},
    {327, 454, {20, 18, 287, 26}, {74, 56, 180, 180}, {24, 250, 279, 140}, 404, false},
    {304, 234, {18, 16, 268, 24}, {18, 52, 64, 64}, {18, 52, 268, 122}, 186, false},
    {303, 235, {18, 16, 267, 24}, {18, 52, 64, 64}, {18, 52, 267, 122}, 187, false},
    {305, 466, {18, 16, 269, 26}, {20, 52, 265, 170}, {20, 234, 265, 170}, 416, false},
    {470, 146, {128, 14, 326, 24}, {16, 16, 96, 96}, {128, 44, 326, 50}, 100, true},
    {464, 136, {128, 12, 320, 24}, {16, 16, 96, 96}, {128, 40, 320, 44}, 92, true},
    {543, 349, {24, 18, 495, 28}, {24, 62, 150, 150}, {24, 60, 495, 226}, 300, false},
    {666, 333, {236, 18, 410, 28}, {20, 20, 200, 248}, {236, 60, 410, 212}, 284, false},
}};

constexpr int kButtonW = 116, kButtonH = 34;
constexpr int kScoreH = 22;  // the score line under the text
constexpr int kBlockH = 50;  // dialog 3's second block: header, rule, text

// Where dialog 9's awards sit on the uniform (window coordinates; the uniform
// fills 20, 20, 200 x 248): rank boards on the shoulders, rank pins by the
// collar, wings on the right breast, ribbons in rows of three on the left
// breast and the medals under them.
constexpr Rect kShoulders[2] = {{30, 36, 52, 14}, {138, 36, 52, 14}};
constexpr Rect kCollars[2] = {{88, 28, 18, 14}, {134, 28, 18, 14}};
constexpr Rect kWings{128, 98, 62, 18};
constexpr int kRibbonX = 36, kRibbonY = 100, kRibbonW = 24, kRibbonH = 8, kRibbonGap = 2, kRibbonsPerRow = 3;
constexpr int kMaxRibbons = 11, kMaxMedals = 3;
constexpr int kMedalX = 38, kMedalY = 146, kMedalW = 18, kMedalH = 30, kMedalGap = 4;
constexpr int kCanvasMargin = 8;      // a grown dialog keeps this much of the screen below visible
constexpr int kSmallestGrowing = 10;  // below this type size a dialog grows instead of shrinking its text

}  // namespace

Screen_Message::Screen_Message(int dialog)
    : Window("Screen_Message" + std::to_string(dialog), kLayouts[std::clamp(dialog, 1, 9)].w,
             kLayouts[std::clamp(dialog, 1, 9)].h),
      dialog_(std::clamp(dialog, 1, 9)) {
  const Layout& l = kLayouts[dialog_];
  const std::string prefix = "Message" + std::to_string(dialog_) + "Int";
  background = prefix + "_00.jpg";
  picture_ = &AddPicture(l.picture, "");
  topic_ = &AddLabel(l.topic, "", Title(dialog_ == 8 || dialog_ == 9 ? 18 : 15));
  text_ = &AddLabel(l.text, "", Body(12));
  if (dialog_ == 9) {
    for (const Rect& r : kShoulders) shoulders_.push_back(&AddPicture(r, ""));
    for (const Rect& r : kCollars) collars_.push_back(&AddPicture(r, ""));
    wings_ = &AddPicture(kWings, "");
    for (int i = 0; i < kMaxRibbons; ++i) {
      const int row = i / kRibbonsPerRow, col = i % kRibbonsPerRow;
      ribbons_.push_back(&AddPicture({kRibbonX + col * (kRibbonW + kRibbonGap), kRibbonY + row * (kRibbonH + kRibbonGap),
                                      kRibbonW, kRibbonH},
                                     ""));
    }
    for (int i = 0; i < kMaxMedals; ++i)
      medals_.push_back(&AddPicture({kMedalX + i * (kMedalW + kMedalGap), kMedalY, kMedalW, kMedalH}, ""));
  }
  title2_ = &AddLabel({l.topic.x, l.topic.y, l.topic.w, 22}, "", Title(14));
  title2_->style.color = kGold;
  score_ = &AddLabel({l.text.x, l.text.y, l.text.w, kScoreH}, "", OneLine(Title(13)));
  score_->style.color = kGold;
  news_ = &AddLabel({l.text.x, l.text.y, l.text.w, 18}, "", Small(11));
  news_->style.color = kDim;
  blockHeader_ = &AddLabel({l.text.x, l.text.y, l.text.w, 16}, "", OneLine(Title(12)));
  blockRule_ = &AddBox({l.text.x, l.text.y, l.text.w, 1}, {96, 120, 160, 160});
  blockText_ = &AddLabel({l.text.x, l.text.y, l.text.w, 30}, "", Body(11));
  if (dialog_ == 5) {
    encounter_ = &AddLabel({l.text.x, l.text.y, l.text.w, 16}, "Encounter:", Small(11));
    encounter_->style.color = kDim;
    ship_ = &AddLabel({l.text.x, l.text.y + 16, l.text.w, 22}, "", Title(14));
    ship_->style.color = kGold;
  }
  if (!l.buttonsRight) rule_ = &AddBox({16, l.buttonsY - 10, l.w - 32, 1}, {96, 120, 160, 120});
  const int mid = l.buttonsRight ? l.w - kButtonW / 2 - 18 : l.w / 2;
  continue_ = &AddButton(1, {mid - kButtonW / 2, l.buttonsY, kButtonW, kButtonH}, prefix, "Continue",
                         [this] { Finish(0); });
  const int pairX = l.buttonsRight ? l.w - 2 * kButtonW - 28 : l.w / 2 - kButtonW - 6;
  yes_ = &AddButton(2, {pairX, l.buttonsY, kButtonW, kButtonH}, prefix, "Yes", [this] { Finish(1); });
  no_ = &AddButton(3, {pairX + kButtonW + 12, l.buttonsY, kButtonW, kButtonH}, prefix, "No", [this] { Finish(2); });
}

void Screen_Message::Finish(int result) {
  result_ = result;
  Close();
}

int Screen_Message::Run(const std::string& topic, const std::string& text, const std::string& picture,
                        Buttons buttons, const std::string& first, const std::string& second) {
  DialogContent d;
  d.dialog = dialog_;
  d.topic = topic;
  d.text = text;
  d.picture = picture;
  return Run(d, buttons, first, second);
}

int Screen_Message::Run(const DialogContent& d, Buttons buttons, const std::string& first, const std::string& second) {
  const Layout& l = kLayouts[dialog_];
  const std::string& topic = d.topic;
  const std::string& text = d.text;
  // Dialog 9 shows the uniform in the picture's place.
  const std::string picture = dialog_ == 9 && !d.uniform.empty() ? d.uniform : d.picture;
  const bool withPicture = !picture.empty() && l.picture.w > 0;
  // An encounter names the ship met, then quotes the alert: the name goes on a
  // line of its own under "Encounter:".
  std::string body = text;
  Rect encounterText = l.text;
  if (dialog_ == 5) {
    const size_t quote = text.find('"');
    const bool split = quote != std::string::npos && quote > 0;
    std::string name = split ? text.substr(0, quote) : "";
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (split) body = text.substr(quote);
    ship_->Set(name);
    encounter_->Show(split);
    ship_->Show(split);
    if (split) {
      encounterText.y += 44;
      encounterText.h -= 44;
    }
  }
  topic_->Set(topic);
  picture_->Set(picture);
  picture_->Show(withPicture);
  // The small dialogs and dialog 8 put a picture at the left of the text.
  Rect textRect = dialog_ == 5 ? encounterText : l.text;
  if (withPicture && (dialog_ == 3 || dialog_ == 4 || dialog_ == 8)) {
    textRect.x += l.picture.w + 12;
    textRect.w -= l.picture.w + 12;
  }
  // A second title goes under the topic, a score line, a line of news and a
  // second block under the text: each takes its room from the text's place.
  const bool withTitle2 = !d.title2.empty();
  const bool withScore = !d.scoreLine.empty() && (dialog_ == 8 || dialog_ == 9);
  const bool withNews = !d.newsText.empty() && dialog_ == 9;
  const bool withBlock = !d.blockHeader.empty() && dialog_ == 3;
  if (withTitle2) {
    textRect.y += 26;
    textRect.h -= 26;
  }
  const int below = (withScore ? kScoreH + 4 : 0) + (withNews ? 20 : 0) + (withBlock ? kBlockH : 0);
  textRect.h -= below;
  // The topic stays on one line: a long one gets a smaller type.
  TextStyle topicStyle = Title(dialog_ == 8 || dialog_ == 9 ? 18 : 15);
  topicStyle.wrap = false;
  int topicW = 0, topicH = 0;
  for (; topicStyle.size >= 12; --topicStyle.size) {
    platform::MeasureText(topic, 10000, topicStyle, topicW, topicH);
    if (topicW <= l.topic.w) break;
  }
  // ... and one too long even then wraps, pushing the picture and text down.
  int shift = 0;
  if (topicW > l.topic.w) {
    topicStyle.size = 12;
    topicStyle.wrap = true;
    platform::MeasureText(topic, l.topic.w, topicStyle, topicW, topicH);
    shift = std::max(0, topicH - l.topic.h);
  }
  topic_->style = topicStyle;
  topic_->rect = {l.topic.x, l.topic.y, l.topic.w, l.topic.h + shift};
  picture_->rect = l.picture;
  if (l.picture.y > l.topic.y) picture_->rect.y += shift;
  textRect.y += shift;
  if (dialog_ == 8 && withPicture) picture_->rect.y = textRect.y;
  if (encounter_) {
    encounter_->rect.y = l.text.y + shift;
    ship_->rect.y = l.text.y + 16 + shift;
  }
  // Long texts get a smaller type first, then a taller dialog (still centred
  // and inside the canvas), so the text never runs under the buttons.
  TextStyle style = Body(12);
  int extra = 0;
  const int maxExtra = platform::kCanvasHeight - 2 * kCanvasMargin - l.h - shift;
  for (int size = 12; size >= 8; --size) {
    style.size = size;
    int w = 0, h = 0;
    platform::MeasureText(body, textRect.w, style, w, h);
    extra = std::max(0, h - textRect.h);
    if (extra == 0 || (size <= kSmallestGrowing && extra <= maxExtra)) break;
  }
  extra = std::min(extra, maxExtra);
  textRect.h += extra;
  extra += shift;
  text_->rect = textRect;
  // The fields under the text follow it down when the dialog grows.
  int y = textRect.y + textRect.h + 4;
  title2_->rect = {textRect.x, textRect.y - 26, textRect.w, 22};
  title2_->Set(withTitle2 ? d.title2 : "");
  title2_->Show(withTitle2);
  news_->rect = {textRect.x, y, textRect.w, 18};
  news_->Set(withNews ? d.newsText : "");
  news_->Show(withNews);
  if (withNews) y += 20;
  score_->rect = {textRect.x, y, textRect.w, kScoreH};
  score_->Set(withScore ? d.scoreLine : "");
  score_->Show(withScore);
  if (withScore) y += kScoreH + 4;
  blockHeader_->rect = {textRect.x, y, textRect.w, 16};
  blockRule_->rect = {textRect.x, y + 18, textRect.w, 1};
  blockText_->rect = {textRect.x, y + 22, textRect.w, kBlockH - 24};
  blockHeader_->Set(withBlock ? d.blockHeader : "");
  blockText_->Set(withBlock ? d.blockText : "");
  for (Control* c : std::initializer_list<Control*>{blockHeader_, blockRule_, blockText_}) c->Show(withBlock);
  if (dialog_ == 9) ShowUniformParts(d);
  Root().rect = {(platform::kCanvasWidth - l.w) / 2, (platform::kCanvasHeight - l.h - extra) / 2, l.w, l.h + extra};
  for (Button* b : {continue_, yes_, no_}) b->rect.y = l.buttonsY + extra;
  if (rule_) rule_->rect.y = l.buttonsY - 10 + extra;
  // A short notice without a picture sits in the middle of its dialog.
  style.middle = (dialog_ == 3 || dialog_ == 4) && !withPicture;
  text_->style = style;
  text_->Set(body);
  const bool ask = buttons == Buttons::YesNo;
  yes_->caption = first;
  no_->caption = second;
  yes_->Show(ask);
  no_->Show(ask);
  continue_->Show(!ask);
  SetDefault(ask ? yes_ : continue_);
  SetCancel(ask ? no_ : continue_);
  result_ = ask ? 2 : 0;  // anything but a "Yes" counts as "No"
  Show();
  return result_;
}

void Screen_Message::ShowUniformParts(const DialogContent& d) {
  const bool uniform = !d.uniform.empty();
  for (Picture* p : shoulders_) {
    p->Set(d.shoulder);
    p->Show(uniform && !d.shoulder.empty());
  }
  for (Picture* p : collars_) {
    p->Set(d.collar);
    p->Show(uniform && !d.collar.empty());
  }
  wings_->Set(d.wings);
  wings_->Show(uniform && !d.wings.empty());
  for (size_t i = 0; i < ribbons_.size(); ++i) {
    const bool worn = uniform && i < d.ribbons.size();
    ribbons_[i]->Set(worn ? d.ribbons[i] : "");
    ribbons_[i]->Show(worn);
  }
  for (size_t i = 0; i < medals_.size(); ++i) {
    const bool worn = uniform && i < d.medals.size();
    medals_[i]->Set(worn ? d.medals[i] : "");
    medals_[i]->Show(worn);
  }
}

Screen_Message& MessageDialog(int dialog) {
  switch (dialog) {
    case 1: return Instance<Screen_Message1>();
    case 2: return Instance<Screen_Message2>();
    case 4: return Instance<Screen_Message4>();
    case 5: return Instance<Screen_Message5>();
    case 6: return Instance<Screen_Message6>();
    case 7: return Instance<Screen_Message7>();
    case 8: return Instance<Screen_Message8>();
    case 9: return Instance<Screen_Message9>();
    default: return Instance<Screen_Message3>();
  }
}

}  // namespace qm::ui
