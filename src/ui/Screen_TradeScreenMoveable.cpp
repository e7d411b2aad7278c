#include "ui/Screen_TradeScreenMoveable.h"

#include <cstdio>
#include <memory>

#include "platform/pictures.h"
#include "world/market.h"
#include "world/money.h"
#include "world/trade_panel.h"
#include "ui/window_frontend.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items of the panel's buttons: the four amounts, the four actions, "Close".
constexpr int kFirstAmountItem = 5;
constexpr int kBuyItem = 9, kSellItem = 10, kBuyAllItem = 11, kSellAllItem = 12, kCloseItem = 13;
// Commodity rows take items 20 + commodity (the labels of a row share one item).
constexpr int kRowItemBase = 20;

constexpr int kRowTop = 84, kRowHeight = 17;
constexpr Color kIllegal{236, 150, 128, 255};
constexpr Color kSelectedFill{68, 150, 247, 60};
constexpr Color kSelectedBorder{68, 150, 247, 170};

// The panel's buttons: "TradeScreen_NN.jpg", "TradeScreenHighlight_NN.jpg" under
// the mouse and "TradeScreenON_NN.jpg" for the chosen amount.
class TradeButton : public Button {
 public:
  std::string Picture(const Window& w) const {
    char nn[8];
    std::snprintf(nn, sizeof nn, "%02d", item);
    const bool hover = w.Hover() == item;
    return std::string(hover ? "TradeScreenHighlight_" : on ? "TradeScreenON_" : "TradeScreen_") + nn + ".jpg";
  }
  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    platform::DrawPicture(Picture(w), r);
    TextStyle s = captionStyle;
    if (w.Hover() == item) s.color = kHighlight;
    else if (on) s.color = kGold;
    // The chosen amount's picture carries a lamp at its left: the caption keeps clear of it.
    const int lamp = on ? rect.h / 2 : 0;
    platform::DrawText(caption, {r.x + lamp, r.y, r.w - lamp, r.h}, s);
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "button " + std::to_string(item) + " \"" + caption +
           "\" " + Picture(w) + (w.Hover() == item ? " hover" : "") + (on ? " on" : "") + "\n";
  }
};

TradeButton& AddTradeButton(Window& w, int item, Rect r, const std::string& caption, std::function<void()> action) {
  auto b = std::make_unique<TradeButton>();
  b->item = item;
  b->rect = r;
  b->prefix = "TradeScreen";
  b->caption = caption;
  b->captionStyle = Caption(12);
  b->onClick = std::move(action);
  return w.Root().Add(std::move(b));
}

TextStyle Column(Align align, int size = 11) {
  TextStyle s = Body(size);
  s.align = align;
  s.wrap = false;
  s.middle = true;
  return s;
}

}  // namespace

Screen_TradeScreenMoveable::Screen_TradeScreenMoveable() : Window("Screen_TradeScreenMoveable", 351, 560) {
  background = "TradeScreen_00.jpg";
  movable = true;

  AddLabel({16, 12, 200, 24}, "Trade", Title(18));
  place_ = &AddLabel({16, 38, 240, 16}, "", Small(11));
  auto& close = AddTradeButton(*this, kCloseItem, {263, 12, 72, 26}, "Close", [this] { Close(); });
  SetCancel(&close);

  // A dark glass under the table keeps the rows readable over bright nebulae.
  AddBox({12, 58, 327, kRowTop + kCommodities * kRowHeight + 20 - 58}, {4, 8, 20, 190});
  TextStyle head = Column(Align::Left, 10);
  head.font = Font::SansBold;
  head.color = kDim;
  AddLabel({20, 62, 120, 16}, "Goods", head);
  head.align = Align::Right;
  AddLabel({150, 62, 80, 16}, "Price", head);
  AddLabel({232, 62, 48, 16}, "Stock", head);
  AddLabel({282, 62, 50, 16}, "Hold", head);
  AddBox({16, 80, 319, 1}, {96, 120, 160, 160});

  for (int c = 1; c <= kCommodities; ++c) {
    const int y = kRowTop + (c - 1) * kRowHeight, item = kRowItemBase + c;
    Row& row = rows_[static_cast<size_t>(c)];
    if (c % 2 == 0) AddBox({16, y, 319, kRowHeight}, {255, 255, 255, 10});  // faint stripes guide the eye
    row.band = &AddBox({16, y, 319, kRowHeight}, kSelectedFill, kSelectedBorder);
    row.band->visible = false;
    row.name = &AddLabel({20, y, 130, kRowHeight}, "", Column(Align::Left), item);
    row.name->onClick = [this, c] {
      SelectTradeCommodity(c);
      Refresh();
      tutorial_->Refresh();
      UI().RefreshMainScreen(Run.CurrentSystem);  // the planets' price labels follow the selection
    };
    row.price = &AddLabel({150, y, 80, kRowHeight}, "", Column(Align::Right), item);
    row.stock = &AddLabel({230, y, 50, kRowHeight}, "", Column(Align::Right), item);
    row.held = &AddLabel({280, y, 52, kRowHeight}, "", Column(Align::Right), item);
    if (c >= 13) row.name->style.color = kIllegal;
  }
  const int below = kRowTop + kCommodities * kRowHeight;
  TextStyle note = Small(10);
  note.color = kIllegal;
  AddLabel({20, below + 4, 300, 14}, "* Prohibited goods (Danger!)", note);
  AddBox({16, below + 22, 319, 1}, {96, 120, 160, 160});
  hold_ = &AddLabel({20, below + 28, 150, 18}, "", Column(Align::Left, 12));
  credits_ = &AddLabel({170, below + 28, 162, 18}, "", Column(Align::Right, 12));

  const int amountsY = below + 54;
  for (size_t i = 0; i < kTradeAmounts.size(); ++i) {
    const int amount = kTradeAmounts[i];
    amounts_[i] = &AddTradeButton(*this, kFirstAmountItem + static_cast<int>(i),
                                  {16 + static_cast<int>(i) * 81, amountsY, 76, 28}, "", [this, amount] {
                                    SetTradeAmount(amount);
                                    Refresh();
                                  });
  }
  AddTradeButton(*this, kBuyItem, {16, amountsY + 36, 157, 30}, "Buy", [this] { Act(buy); });
  AddTradeButton(*this, kSellItem, {178, amountsY + 36, 157, 30}, "Sell", [this] { Act(sell); });
  AddTradeButton(*this, kBuyAllItem, {16, amountsY + 72, 157, 30}, "Buy all", [this] { Act(buyAll); });
  AddTradeButton(*this, kSellAllItem, {178, amountsY + 72, 157, 30}, "Sell all", [this] { Act(sellAll); });

  // The tutorial's pane stands left of the trade window.
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Trade, TutorialPanel::Place{-TutorialPanel::kW - 8, 40});
  tutorial_->markerAt = [amountsY](int step) -> Rect {
    switch (step) {
      case 5: return Run.SelectedCommodity == 1 ? Rect{16, amountsY + 36, 157, 30} : Rect{16, kRowTop, 319, kRowHeight};
      case 7: return {178, amountsY + 72, 157, 30};
      case 8: return {263, 12, 72, 26};
      default: return {};
    }
  };
}

void Screen_TradeScreenMoveable::Act(void (*action)()) {
  action();  // refusals speak through the rules' own messages
  Refresh();
  tutorial_->Refresh();
}

void Screen_TradeScreenMoveable::Refresh() {
  const TradeView v = BuildTradeView();
  place_->Set(v.market ? "Market of " + v.placeName : "There is no market at this place.");
  const auto showRow = [](Row& row, bool on, bool selected) {
    for (Label* l : {row.name, row.price, row.stock, row.held}) l->Show(on);
    row.band->Show(on && selected);
  };
  for (Row& row : rows_)
    if (row.name) showRow(row, false, false);
  for (const TradeRow& r : v.rows) {
    Row& row = rows_[static_cast<size_t>(r.commodity)];
    row.name->Set(r.name);
    row.price->Set(v.market ? r.price : "-");
    row.stock->Set(v.market ? std::to_string(r.stock) : "-");
    row.held->Set(std::to_string(r.held));
    showRow(row, true, r.selected);
  }
  hold_->Set("Hold: " + v.holdLine);
  credits_->Set("Credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  for (size_t i = 0; i < amounts_.size(); ++i) {
    amounts_[i]->caption = v.amountCaptions[i];
    amounts_[i]->SetOn(static_cast<int>(i) == v.amountChosen);
  }
  Invalidate();
}

void Screen_TradeScreenMoveable::OnShow() {
  Run.TradeWindowVisible = true;
  previousRefresh_ = TheFrontend().onRefreshTradePopup;
  TheFrontend().onRefreshTradePopup = [this] { Refresh(); };
  ClearHover();
  Refresh();
  UI().RefreshMainScreen(Run.CurrentSystem);
  UI().PlaySound("maxi.wav");  // the pop-up opens
}

void Screen_TradeScreenMoveable::OnClose() {
  TutorialHook(TutorialEvent::TradeClosed);
  Run.TradeWindowVisible = false;
  TheFrontend().onRefreshTradePopup = previousRefresh_;
  UI().RefreshMainScreen(Run.CurrentSystem);
  UI().PlaySound("mini.wav");
}

}  // namespace qm::ui
