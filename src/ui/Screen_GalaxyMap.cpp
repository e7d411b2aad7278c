#include "ui/Screen_GalaxyMap.h"

#include <SDL.h>

#include <cmath>
#include <vector>

#include "platform/platform.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: systems 1..24, commodity rows 40 + id, the buttons 30..32.
constexpr int kPricesItem = 30, kInfoItem = 31, kCloseItem = 32, kRowItemBase = 40;
constexpr int kBlip = 28;
constexpr int kLegendY = 552;                   // the legend's line under the map                       // blips are drawn this size at the system's map position
// The prices or information panel, right of the map; the side column keeps
// clear of the window's frame and its corner marks.
constexpr Rect kSidePanel{544, 48, 178, 480};
constexpr int kRowTop = 52, kRowHeight = 19;

constexpr Color kSelected{68, 150, 247, 255};
constexpr Color kWar{240, 84, 72, 255};
constexpr Color kWhite{255, 255, 255, 255};
constexpr Color kLane{96, 140, 210, 120};
constexpr Color kLaneLit{150, 200, 255, 230};

TextStyle Centred(int size, Color c) {
  TextStyle s = Body(size);
  s.align = Align::Centre;
  s.wrap = false;
  s.color = c;
  s.shadow = true;
  return s;
}

TextStyle Column(Align align) {
  TextStyle s = Body(11);
  s.align = align;
  s.wrap = false;
  s.middle = true;
  return s;
}

// Window pixels of a canvas point.
SDL_FPoint Pixel(double x, double y) {
  const SDL_Rect c = platform::CanvasPixels();
  const double k = platform::Scale();
  return {static_cast<float>(c.x + x * k), static_cast<float>(c.y + y * k)};
}

SDL_Vertex Vertex(SDL_FPoint p, Color c) { return {p, {c.r, c.g, c.b, c.a}, {0, 0}}; }

// A straight band `width` canvas units wide from (x1, y1) to (x2, y2).
void Band(double x1, double y1, double x2, double y2, double width, Color c) {
  const double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
  if (len < 1) return;
  const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
  const SDL_Vertex v[4] = {Vertex(Pixel(x1 + nx, y1 + ny), c), Vertex(Pixel(x2 + nx, y2 + ny), c),
                           Vertex(Pixel(x2 - nx, y2 - ny), c), Vertex(Pixel(x1 - nx, y1 - ny), c)};
  const int order[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(platform::Renderer(), nullptr, v, 4, order, 6);
}

// A ring of radius r around (cx, cy).
void Ring(double cx, double cy, double r, double width, Color c) {
  constexpr int kSteps = 40;
  std::vector<SDL_Vertex> v;
  std::vector<int> order;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = 2 * M_PI * i / kSteps, ca = std::cos(a), sa = std::sin(a);
    v.push_back(Vertex(Pixel(cx + (r - width / 2) * ca, cy + (r - width / 2) * sa), c));
    v.push_back(Vertex(Pixel(cx + (r + width / 2) * ca, cy + (r + width / 2) * sa), c));
    if (i > 0) {
      const int k = 2 * i;
      order.insert(order.end(), {k - 2, k - 1, k, k - 1, k + 1, k});
    }
  }
  SDL_RenderGeometry(platform::Renderer(), nullptr, v.data(), static_cast<int>(v.size()), order.data(),
                     static_cast<int>(order.size()));
}

// A small triangle pointing down at (x, y).
void Marker(double x, double y, Color c) {
  const SDL_Vertex v[3] = {Vertex(Pixel(x - 6, y - 8), c), Vertex(Pixel(x + 6, y - 8), c), Vertex(Pixel(x, y), c)};
  SDL_RenderGeometry(platform::Renderer(), nullptr, v, 3, nullptr, 0);
}

}  // namespace

Screen_GalaxyMap::Screen_GalaxyMap() : Window("Screen_GalaxyMap", 742, 583) {
  background = "GalaxyMap_00.jpg";
  AddLabel({22, 14, 240, 24}, "Galaxy map", Title(18));
  AddBox({536, 20, 1, 543}, {96, 120, 160, 120});

  for (int s = 1; s <= kSystems; ++s) {
    const MapPosition p = mapPosition(s);
    SystemControls& sc = systems_[static_cast<size_t>(s)];
    sc.blip = &AddPicture({p.x, p.y, kBlip, kBlip}, "");
    sc.blip->item = s;
    sc.blip->name = "system" + std::to_string(s);
    sc.blip->onClick = [this, s] {
      SelectMapSystem(s);
      Refresh();
    };
    sc.name = &AddLabel({p.x + kBlip / 2 - 50, p.y + kBlip + 4, 100, 13}, mapLabel(s), Centred(11, kWhite), s);
    sc.name->hoverColor = kHighlight;
    // A price under a system low on the map would run into the legend: it goes beside the blip.
    const bool low = p.y + 45 + 14 > kLegendY - 2;
    TextStyle beside = Centred(10, kWhite);
    beside.align = Align::Left;
    sc.price = &AddLabel(low ? Rect{p.x + kBlip + 4, p.y + 7, 64, 14} : Rect{p.x - 16, p.y + 45, kBlip + 32, 14}, "",
                         low ? beside : Centred(10, kWhite), s);
  }

  // The legend under the map: the owners' blips, the battle icon and the ship's marker.
  static const char* const kOwners[] = {"Federation", "Outer Rim", "Coalition", "Syndicate"};
  int lx = 24;
  for (int f = 1; f <= 5; ++f) {
    AddPicture({lx, kLegendY + 1, 12, 12}, f <= 4 ? blipPicture(f) : "Battleicon.jpg");
    const std::string text = f <= 4 ? kOwners[f - 1] : "Under invasion";
    AddLabel({lx + 16, kLegendY, 90, 14}, text, Small(10));
    lx += f <= 4 ? 82 : 106;
  }
  AddLabel({lx, kLegendY, 100, 14}, "\u25BC Your ship", [] {
    TextStyle t = Small(10);
    t.color = kGold;
    return t;
  }());

  pricesButton_ = &AddButton(kPricesItem, {kSidePanel.x, 16, 85, 26}, "GalaxyMap", "Prices", [this] { ShowPanel(true); },
                             PictureKind::Toggle);
  infoButton_ = &AddButton(kInfoItem, {kSidePanel.x + 93, 16, 85, 26}, "GalaxyMap", "Info", [this] { ShowPanel(false); },
                           PictureKind::Toggle);
  for (Button* b : {pricesButton_, infoButton_}) b->captionStyle = Caption(12);

  prices_ = &AddPanel(kSidePanel);
  prices_->name = "prices";
  prices_->fill = {6, 10, 22, 190};
  prices_->border = {70, 96, 136, 255};
  pricesTitle_ = &prices_->AddLabel({10, 8, 160, 20}, "", Title(14));
  pricesNote_ = &prices_->AddLabel({10, 30, 160, 16}, "", Small(10));
  for (int c = 1; c <= kCommodities; ++c) {
    const int y = kRowTop + (c - 1) * kRowHeight, item = kRowItemBase + c;
    const size_t i = static_cast<size_t>(c);
    rowBand_[i] = &prices_->AddBox({4, y, 172, kRowHeight}, {68, 150, 247, 60}, {68, 150, 247, 170});
    rowName_[i] = &prices_->AddLabel({10, y, 96, kRowHeight}, "", Column(Align::Left), item);
    rowName_[i]->onClick = [this, c] {
      Run.SelectedCommodity = c;
      Refresh();
    };
    rowPrice_[i] = &prices_->AddLabel({106, y, 64, kRowHeight}, "", Column(Align::Right), item);
  }
  const int below = kRowTop + kCommodities * kRowHeight;
  prices_->AddBox({8, below + 6, 164, 1}, {96, 120, 160, 160});
  hold_ = &prices_->AddLabel({10, below + 12, 160, 18}, "", Column(Align::Left));
  TextStyle hint = Small(9);
  prices_->AddLabel({10, below + 34, 160, 40}, "Click a good to see its price under every system.", hint);

  info_ = &AddPanel(kSidePanel);
  info_->name = "info";
  info_->fill = prices_->fill;
  info_->border = prices_->border;
  infoName_ = &info_->AddLabel({10, 8, 160, 22}, "", Title(15));
  infoLogo_ = &info_->AddPicture({50, 36, 80, 80}, "");
  infoClass_ = &info_->AddLabel({10, 124, 160, 16}, "", Body(11));
  infoFaction_ = &info_->AddLabel({10, 142, 160, 32}, "", Body(11));
  info_->AddBox({8, 178, 164, 1}, {96, 120, 160, 160});
  infoText_ = &info_->AddLabel({10, 186, 160, 200}, "", Body(10));
  info_->AddLabel({10, 390, 160, 16}, "Wormholes to:", Title(11));
  infoLanes_ = &info_->AddLabel({10, 408, 160, 70}, "", Body(10));

  auto& close = AddButton(kCloseItem, {kSidePanel.x, 536, kSidePanel.w, 30}, "GalaxyMap", "Close", [this] { Leave(); });
  SetCancel(&close);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::GalaxyMap, TutorialPanel::Place{12, 276});
}

void Screen_GalaxyMap::OnShow() {
  ClearHover();
  OpenGalaxyMap();
  ShowPanel(true);
}

bool Screen_GalaxyMap::OnCloseRequest() {
  Leave();
  return false;
}

void Screen_GalaxyMap::Leave() {
  TutorialHook(TutorialEvent::GalaxyClosed);
  CloseGalaxyMap();
  Close();
}

void Screen_GalaxyMap::ShowPanel(bool prices) {
  pricesShown_ = prices;
  prices_->Show(prices);
  info_->Show(!prices);
  pricesButton_->SetOn(prices);
  infoButton_->SetOn(!prices);
  Refresh();
}

void Screen_GalaxyMap::Refresh() {
  map_ = BuildGalaxyMap();
  for (int s = 1; s <= kSystems; ++s) {
    const MapSystem& m = map_.systems[static_cast<size_t>(s)];
    SystemControls& sc = systems_[static_cast<size_t>(s)];
    for (Control* c : {static_cast<Control*>(sc.blip), static_cast<Control*>(sc.name), static_cast<Control*>(sc.price)})
      c->Show(m.exists);
    if (!m.exists) continue;
    sc.blip->Set(m.picture);
    const Color colour = m.selected ? kSelected : m.atWar ? kWar : kWhite;
    sc.name->style.color = colour;
    sc.name->style.font = m.selected ? Font::SansBold : Font::Sans;
    sc.price->style.color = m.atWar ? kWar : kWhite;
    sc.price->Set(m.priceLabel);
  }

  const PricePanel& p = map_.prices;
  pricesTitle_->Set(p.systemName);
  pricesNote_->Set(p.known ? "Prices known today" : "Prices not known today");
  for (int c = 1; c <= kCommodities; ++c) {
    const size_t i = static_cast<size_t>(c);
    rowName_[i]->Show(false);
    rowPrice_[i]->Show(false);
    rowBand_[i]->Show(false);
  }
  for (const PriceRow& r : p.rows) {
    const size_t i = static_cast<size_t>(r.commodity);
    rowName_[i]->Set(r.name);
    rowPrice_[i]->Set(r.price);
    rowName_[i]->Show(true);
    rowPrice_[i]->Show(true);
    rowBand_[i]->Show(r.selected);
  }
  hold_->Set("Hold: " + p.holdLine);

  const InfoPanel& in = map_.info;
  infoName_->Set(in.name);
  infoLogo_->Set(in.logo);
  infoLogo_->Show(!in.logo.empty());
  infoClass_->Set(in.classLine);
  infoFaction_->Set(in.factionLine);
  infoText_->Set(in.description);
  std::string lanes;
  for (const MapLane& lane : map_.lanes) {
    if (lane.a != map_.currentSystem && lane.b != map_.currentSystem) continue;
    const bool fromA = lane.a == map_.currentSystem;
    const int other = fromA ? lane.b : lane.a, days = fromA ? lane.daysAtoB : lane.daysBtoA;
    lanes += (lanes.empty() ? "" : "\n") + mapLabel(other);
    if (days > 0) lanes += " (" + std::to_string(days) + (days == 1 ? " day)" : " days)");
  }
  infoLanes_->Set(lanes.empty() ? "none" : lanes);
  Invalidate();
}

void Screen_GalaxyMap::DrawContent(int ox, int oy) const {
  const auto centre = [&](int s, double& x, double& y) {
    const MapSystem& m = map_.systems[static_cast<size_t>(s)];
    x = ox + m.x + kBlip / 2.0;
    y = oy + m.y + kBlip / 2.0;
  };
  SDL_SetRenderDrawBlendMode(platform::Renderer(), SDL_BLENDMODE_BLEND);
  // The lanes: a soft glow under a thin line; the selected system's lanes are lit.
  for (const MapLane& lane : map_.lanes) {
    double x1, y1, x2, y2;
    centre(lane.a, x1, y1);
    centre(lane.b, x2, y2);
    const bool lit = lane.a == map_.currentSystem || lane.b == map_.currentSystem;
    const Color line = lit ? kLaneLit : kLane;
    Band(x1, y1, x2, y2, lit ? 5 : 4, {line.r, line.g, line.b, 40});
    Band(x1, y1, x2, y2, lit ? 1.6 : 1.1, line);
  }
  // The selected system wears a blue ring; a gold marker above a blip shows where the ship is.
  for (int s = 1; s <= kSystems; ++s) {
    const MapSystem& m = map_.systems[static_cast<size_t>(s)];
    if (!m.exists) continue;
    double x, y;
    centre(s, x, y);
    if (m.selected) Ring(x, y, kBlip / 2.0 + 3, 2.2, kSelected);
    if (m.playerHere) Marker(x, y - kBlip / 2.0 - 5, kGold);
  }
}

}  // namespace qm::ui
