#include "ui/info_popup.h"

#include <algorithm>

#include "platform/text.h"

namespace qm::ui {

InfoPopup::InfoPopup(Window& w, int x, int middleY) : middleY_(middleY) {
  panel_ = &w.AddPanel({x, middleY - 95, 400, 190});
  panel_->name = "InfoPanel";
  panel_->fill = {6, 12, 28, 246};
  panel_->border = kGold;
  panel_->onClick = [this] { Hide(); };
  topic_ = &panel_->AddLabel({16, 12, 368, 22}, "", Tinted(Title(15), kGold));
  topic_->name = "Info_Topic";
  text_ = &panel_->AddLabel({16, 40, 368, 120}, "", Body(12));
  text_->name = "Info_Text";
  close_ = &panel_->AddLabel({16, 168, 368, 14}, "Click here or press Escape to close.", Tinted(Small(10), kDim));
  close_->name = "Info_Close";
  panel_->visible = false;
}

void InfoPopup::Show(const std::string& topic, const std::string& text) {
  topic_->Set(topic);
  text_->Set(text);
  // The pane grows with its text, keeping clear of the screen's top.
  int w = 0, h = 0;
  platform::MeasureText(text, text_->rect.w, text_->style, w, h);
  const int textH = std::clamp(h, 20, 240);
  text_->rect.h = textH;
  panel_->rect.h = 40 + textH + 30;
  panel_->rect.y = std::max(20, middleY_ - panel_->rect.h / 2);
  close_->rect.y = panel_->rect.h - 22;
  panel_->Show(true);
}

}  // namespace qm::ui
