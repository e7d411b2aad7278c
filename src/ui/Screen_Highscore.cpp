#include "ui/Screen_Highscore.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/pictures.h"
#include "world/retirement.h"

namespace qm::ui {
namespace {

constexpr int kW = 591, kH = 519;
// Items: the rows 1..5 (their labels share the number), the close button 34.
constexpr int kCloseItem = 34;
constexpr int kTableX = 28, kTableW = kW - 56;
constexpr int kHeadY = 78, kFirstRowY = 100, kRowH = 66;
// Columns, relative to the window.
constexpr int kPlaceX = 40, kNameX = 84, kNameW = 206, kScoreX = 290, kScoreW = 120;
constexpr int kLogoX = 426, kInsigniaX = 496, kPicW = 56, kPicH = 44;

constexpr Color kWhite{255, 255, 255, 255};
constexpr Color kYellow{255, 232, 40, 255};
constexpr Color kGlass{6, 10, 22, 196};
constexpr Color kGlassEdge{70, 96, 136, 255};

// The close button's pictures: "HighScoresScreen_34.jpg", hover "..._H.jpg".
class CloseButton : public Button {
 public:
  std::string Picture(const Window& w) const {
    return std::string("HighScoresScreen_34") + (w.Hover() == item ? "_H" : "") + ".jpg";
  }
  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    platform::DrawPicture(Picture(w), r);
    TextStyle s = captionStyle;
    if (w.Hover() == item) s.color = kHighlight;
    platform::DrawText(caption, r, s);
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "button 34 \"" + caption + "\" " + Picture(w) +
           (w.Hover() == item ? " hover" : "") + "\n";
  }
};

// A row's name or score: yellow for the new entry, which dumps say too.
class RowLabel : public Label {
 public:
  bool highlighted = false;
  void Dump(const Window& w, std::string& out, int depth) const override {
    if (text.empty()) return;
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "label \"" + text + "\"" +
           (highlighted ? " highlighted" : "") + (w.Hover() == item ? " hover" : "") + "\n";
  }
};

RowLabel& AddRowLabel(Panel& root, Rect r, const TextStyle& style, int item) {
  auto label = std::make_unique<RowLabel>();
  label->rect = r;
  label->style = style;
  label->item = item;
  return root.Add(std::move(label));
}

}  // namespace

Screen_Highscore::Screen_Highscore() : Window("Screen_Highscore", kW, kH) {
  background = "HighScoresScreen_00.jpg";
  TextStyle title = Title(26);
  title.font = Font::SerifBold;
  title.align = Align::Centre;
  title.color = kGold;
  AddLabel({20, 22, kW - 40, 36}, "Highscores", Shadowed(title));

  TextStyle head = OneLine(Small(10));
  head.color = kDim;
  AddLabel({kNameX, kHeadY, kNameW, 16}, "Pilot", head);
  AddLabel({kScoreX, kHeadY, kScoreW, 16}, "Score", OneLine(head, Align::Right));
  AddLabel({kLogoX - 8, kHeadY, kPicW + 16, 16}, "Faction", OneLine(head, Align::Centre));
  AddLabel({kInsigniaX - 8, kHeadY, kPicW + 16, 16}, "Rank", OneLine(head, Align::Centre));

  for (int i = 0; i < kRows; ++i) {
    const int y = kFirstRowY + i * kRowH, item = i + 1;
    Row& r = rows_[static_cast<size_t>(i)];
    TextStyle place = OneLine(Title(20), Align::Centre);
    place.color = kDim;
    r.place = &AddLabel({kPlaceX - 14, y + 18, 40, 28}, std::to_string(item) + ".", place, item);
    r.name = &AddRowLabel(Root(), {kNameX, y + 20, kNameW, 24}, OneLine(Title(15)), item);
    r.name->name = "Name" + std::to_string(item);
    r.score = &AddRowLabel(Root(), {kScoreX, y + 20, kScoreW, 24}, OneLine(Title(15), Align::Right), item);
    r.score->name = "Score" + std::to_string(item);
    r.logo = &AddPicture({kLogoX, y + 11, kPicW, kPicH}, "");
    r.insignia = &AddPicture({kInsigniaX, y + 11, kPicW, kPicH}, "");
    for (Label* l : {r.place, r.name, r.score}) l->onClick = [this, item] { Select(item); };
  }

  TextStyle keys = OneLine(Small(10));
  keys.color = kDim;
  AddLabel({kTableX, 470, 260, 16}, "Keys: Up/Down step through the list, Enter or Esc close.", keys);
  auto close = std::make_unique<CloseButton>();
  close->item = kCloseItem;
  close->rect = {kW - kTableX - 150, 458, 150, 40};
  close->caption = "Close";
  close->captionStyle = Caption(14);
  close->name = "Close";
  close->onClick = [this] { Close(); };
  Button& b = Root().Add(std::move(close));
  SetDefault(&b);
  SetCancel(&b);
}

void Screen_Highscore::ShowNewEntry() {
  keepHighlight_ = true;
  Show();
  keepHighlight_ = false;
}

void Screen_Highscore::OnShow() {
  if (!keepHighlight_) ClearHighscoreHighlight();
  selected_ = HighlightedHighscore();
  ClearHover();
  Refresh();
}

bool Screen_Highscore::OnCloseRequest() {
  Close();
  return false;
}

void Screen_Highscore::Refresh() {
  const std::vector<HighscoreRow> table = HighscoreTable();
  const int highlighted = HighlightedHighscore();
  for (int i = 0; i < kRows; ++i) {
    Row& r = rows_[static_cast<size_t>(i)];
    const HighscoreRow row = i < static_cast<int>(table.size()) ? table[static_cast<size_t>(i)] : HighscoreRow{};
    const Color c = highlighted == i + 1 ? kYellow : kWhite;
    r.name->style.color = r.score->style.color = c;
    r.name->hoverColor = r.score->hoverColor = c;
    static_cast<RowLabel*>(r.name)->highlighted = static_cast<RowLabel*>(r.score)->highlighted = highlighted == i + 1;
    r.name->Set(Fit(row.name, r.name->rect.w, r.name->style));
    r.score->Set(row.score);
    r.logo->Set(row.logo);
    r.logo->Show(!row.logo.empty());
    r.insignia->Set(row.insignia);
    r.insignia->Show(!row.insignia.empty());
  }
  Invalidate();
}

void Screen_Highscore::Select(int row) {
  if (row < 1 || row > kRows || row == selected_) return;
  selected_ = row;
  Invalidate();
}

bool Screen_Highscore::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_UP: Select(selected_ <= 1 ? kRows : selected_ - 1); return true;
    case SDLK_DOWN: Select(selected_ >= kRows ? 1 : selected_ + 1); return true;
    case SDLK_HOME: Select(1); return true;
    case SDLK_END: Select(kRows); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_Highscore::DrawContent(int ox, int oy) const {
  // A dark glass under the table keeps the names readable over the picture,
  // with thin lines between the rows and a frame around the selected one.
  const Rect table{ox + kTableX, oy + kHeadY - 8, kTableW, kFirstRowY - kHeadY + 8 + kRows * kRowH + 6};
  FillRect(table, kGlass);
  FrameRect(table, kGlassEdge);
  for (int i = 0; i <= kRows; ++i) {
    const int y = oy + kFirstRowY + i * kRowH;
    FillRect({ox + kTableX + 10, y, kTableW - 20, 1}, {96, 120, 160, 110});
  }
  if (selected_ >= 1 && selected_ <= kRows) {
    const Rect r{ox + kTableX + 4, oy + kFirstRowY + (selected_ - 1) * kRowH + 3, kTableW - 8, kRowH - 6};
    FillRect(r, {236, 200, 120, 28});
    FrameRect(r, {236, 200, 120, 170});
  }
}

}  // namespace qm::ui
