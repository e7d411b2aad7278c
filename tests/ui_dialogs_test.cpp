// Message dialogs fit whatever text the rules send them: a long text wraps,
// gets a smaller type, and then a taller dialog; the buttons stay inside.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "platform/text.h"
#include "state/frontend.h"
#include "support/ui_play.h"
#include "ui/FlyTo.h"
#include "ui/Screen_Credits.h"
#include "ui/Screen_GalaxyMap.h"
#include "ui/Screen_Message.h"
#include "ui/Screen_SaveLoad.h"
#include "ui/Screen_TradeScreenMoveable.h"
#include "ui/Select_Name.h"
#include "ui/Select_Profession.h"
#include "ui/Select_Race.h"
#include "ui/WormholeTo.h"
#include "ui/screens.h"

namespace qm {
namespace {

struct Geometry {
  ui::Rect window;
  ui::Rect text;
  int textHeight = 0;  // what the text needs at its drawn size
  int topicWidth = 0, topicHeight = 0;
  ui::Rect topic;
  std::vector<ui::Rect> buttons;
};

// The dialog as it was laid out for its last text.
Geometry Measure(int dialog) {
  ui::Screen_Message& m = ui::MessageDialog(dialog);
  Geometry g;
  g.window = m.Bounds();
  int labels = 0;
  for (const auto& c : m.Root().children) {
    if (!c->visible) continue;
    if (auto* b = dynamic_cast<ui::Button*>(c.get())) g.buttons.push_back(b->rect);
    auto* l = dynamic_cast<ui::Label*>(c.get());
    if (!l || l->text.empty()) continue;
    int w = 0, h = 0;
    platform::MeasureText(l->text, l->style.wrap ? l->rect.w : 10000, l->style, w, h);
    if (++labels == 1) {  // the topic comes first, then the text
      g.topic = l->rect;
      g.topicWidth = w;
      g.topicHeight = h;
    } else {
      g.text = l->rect;
      g.textHeight = h;
    }
  }
  return g;
}

std::string LongText(int sentences) {
  std::string text;
  for (int i = 0; i < sentences; ++i)
    text += "The Syndicate's smugglers were seen near the wormhole to New Germany again, carrying contraband. ";
  return text;
}

class Dialogs : public test::UiPlay {
 protected:
  void TearDown() override {
    ui::RegisterScreen("LongTexts", nullptr);
    UiPlay::TearDown();
  }
  static void ExpectFits(const Geometry& g, const std::string& what, bool textFits = true) {
    EXPECT_GE(g.window.x, 0) << what;
    EXPECT_GE(g.window.y, 0) << what;
    EXPECT_LE(g.window.x + g.window.w, platform::kCanvasWidth) << what;
    EXPECT_LE(g.window.y + g.window.h, platform::kCanvasHeight) << what;
    if (textFits) {
      EXPECT_LE(g.textHeight, g.text.h) << what << ": the text runs out of its place";
    }
    EXPECT_LE(g.topicWidth, g.topic.w) << what << ": the topic runs out of its line";
    EXPECT_LE(g.topicHeight, g.topic.h) << what;
    EXPECT_LE(g.topic.y + g.topic.h, g.text.y) << what << ": the topic runs into the text";
    ASSERT_FALSE(g.buttons.empty()) << what;
    for (const ui::Rect& b : g.buttons) {
      EXPECT_GE(b.y, g.text.y + g.text.h) << what << ": a button over the text";
      EXPECT_LE(b.y + b.h, g.window.h) << what << ": a button outside the dialog";
    }
  }
};

TEST_F(Dialogs, LongTextsGrowTheirDialogAndKeepTheButtonsInside) {
  std::vector<std::pair<std::string, Geometry>> seen;
  ui::RegisterScreen("LongTexts", [&] {
    UI().Message(3, "A short notice", "Game saved!", "");
    seen.emplace_back("short notice", Measure(3));
    UI().Message(3, "Smuggling", LongText(6), "");
    seen.emplace_back("notice of six sentences", Measure(3));
    AskYesNo("A question with a topic far too long for the dialog's single title line", LongText(14));
    seen.emplace_back("long question", Measure(4));
    UI().Message(1, "War news!", LongText(9), "news.jpg");
    seen.emplace_back("article with a picture", Measure(1));
    UI().Message(3, "Longest", LongText(24), "");
    seen.emplace_back("a text longer than any rule sends", Measure(3));
    UI().Message(3, "Endless", LongText(60), "");
    seen.emplace_back("a text longer than the screen", Measure(3));
    UI().Message(3, "Short again", "Done.", "");
    seen.emplace_back("short after long", Measure(3));
  });
  const std::string shot = (dir_ / "endless.png").string();
  const auto dumps = Play("screen LongTexts\nkey Return\nkey Return\ndump\nkey Return\nkey Return\nkey Return\nshot " +
                          shot + "\nkey Return\nkey Return\n");
  ASSERT_EQ(seen.size(), 7u);
  for (size_t i = 0; i < seen.size(); ++i) ExpectFits(seen[i].second, seen[i].first, i != 5);
  EXPECT_EQ(seen[0].second.window.h, 234) << "a short notice keeps its size";
  EXPECT_EQ(seen[6].second.window.h, 234) << "the dialog shrinks back after a long text";
  EXPECT_GT(seen[1].second.window.h, 234) << "six sentences need a taller notice";
  EXPECT_GT(seen[2].second.window.h, 235);
  EXPECT_EQ(seen[5].second.window.h, platform::kCanvasHeight - 16) << "the tallest dialog leaves a margin";
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "button 02 \"Yes\"")) << dumps[0];

  // Even the endless text stays inside its dialog: the light rows of text never
  // reach the screen's top and bottom margins.
  cairo_surface_t* png = cairo_image_surface_create_from_png(shot.c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  const auto* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png));
  const int stride = cairo_image_surface_get_stride(png) / 4;
  int light = 0;
  for (int y : {0, 1, 2, 3, 4, 5, 594, 595, 596, 597, 598, 599})
    for (int x = 262; x < 538; ++x) {
      const uint32_t p = px[y * stride + x];
      light += ((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) > 150 && (p & 0xFF) > 150;
    }
  EXPECT_LT(light, 20);
  cairo_surface_destroy(png);
}

// The buttons of a framed window, with where they lie in it; panels that stand
// outside their window (tutorial hints) are not part of its frame.
void CollectButtons(const ui::Panel& panel, int ox, int oy, std::vector<std::pair<std::string, ui::Rect>>& out) {
  for (const auto& c : panel.children) {
    const ui::Rect r{ox + c->rect.x, oy + c->rect.y, c->rect.w, c->rect.h};
    if (auto* b = dynamic_cast<const ui::Button*>(c.get())) out.emplace_back(b->caption, r);
    if (auto* p = dynamic_cast<const ui::Panel*>(c.get()); p && r.x >= 0 && r.y >= 0) CollectButtons(*p, r.x, r.y, out);
  }
}

TEST_F(Dialogs, ButtonsKeepClearOfTheirWindowsFrame) {
  std::vector<std::pair<std::string, ui::Window*>> windows;
  ui::RegisterScreen("LongTexts", [&] {
    windows = {{"credits", &ui::Instance<ui::Screen_Credits>()},
               {"galaxy map", &ui::Instance<ui::Screen_GalaxyMap>()},
               {"save/load", &ui::Instance<ui::Screen_SaveLoad>()},
               {"trade panel", &ui::Instance<ui::Screen_TradeScreenMoveable>()},
               {"name", &ui::Instance<ui::Select_Name>()},
               {"profession", &ui::Instance<ui::Select_Profession>()},
               {"faction", &ui::Instance<ui::Select_Race>()},
               {"travel", &ui::Instance<ui::FlyTo>()},
               {"wormhole", &ui::Instance<ui::WormholeTo>()}};
    for (int d = 1; d <= 9; ++d) windows.emplace_back("dialog " + std::to_string(d), &ui::MessageDialog(d));
    for (auto& [what, w] : windows) {
      // The frame runs about 2% of the window's smaller side inside its edge.
      const int frame = std::max(2, std::min(w->Width(), w->Height()) * 2 / 100) + 1;
      std::vector<std::pair<std::string, ui::Rect>> buttons;
      CollectButtons(w->Root(), 0, 0, buttons);
      for (const auto& [caption, r] : buttons) {
        EXPECT_GE(r.x, frame) << what << " \"" << caption << "\"";
        EXPECT_GE(r.y, frame) << what << " \"" << caption << "\"";
        EXPECT_LE(r.x + r.w, w->Width() - frame) << what << " \"" << caption << "\"";
        EXPECT_LE(r.y + r.h, w->Height() - frame) << what << " \"" << caption << "\"";
      }
    }
  });
  Play("screen LongTexts\n");
  EXPECT_EQ(windows.size(), 18u);
}

// What a dialog shows, in window coordinates: its visible labels and buttons.
struct Shown {
  ui::Rect window;
  std::vector<std::pair<std::string, ui::Rect>> labels;  // text and its rectangle
  std::vector<ui::Rect> buttons;
  std::vector<std::string> pictures;
};

Shown Look(int dialog) {
  ui::Screen_Message& m = ui::MessageDialog(dialog);
  Shown s;
  s.window = m.Bounds();
  for (const auto& c : m.Root().children) {
    if (!c->visible) continue;
    if (auto* b = dynamic_cast<ui::Button*>(c.get())) s.buttons.push_back(b->rect);
    if (auto* p = dynamic_cast<ui::Picture*>(c.get()); p && !p->picture.empty()) s.pictures.push_back(p->picture);
    auto* l = dynamic_cast<ui::Label*>(c.get());
    if (!l || l->text.empty()) continue;
    int w = 0, h = 0;
    platform::MeasureText(l->text, l->style.wrap ? l->rect.w : 10000, l->style, w, h);
    s.labels.emplace_back(l->text, ui::Rect{l->rect.x, l->rect.y, l->rect.w, std::max(l->rect.h, h)});
  }
  return s;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool HasLabel(const Shown& s, const std::string& text) {
  for (const auto& [t, r] : s.labels)
    if (t == text) return true;
  return false;
}

bool HasPicture(const Shown& s, const std::string& name) {
  return std::find(s.pictures.begin(), s.pictures.end(), name) != s.pictures.end();
}

// Every field of a dialog lies inside it, clear of the other fields and above the buttons.
void ExpectTidy(const Shown& s, const std::string& what) {
  EXPECT_GE(s.window.y, 0) << what;
  EXPECT_LE(s.window.y + s.window.h, platform::kCanvasHeight) << what;
  for (size_t i = 0; i < s.labels.size(); ++i) {
    const auto& [text, r] = s.labels[i];
    EXPECT_GE(r.x, 0) << what << ": " << text;
    EXPECT_LE(r.x + r.w, s.window.w) << what << ": " << text;
    for (size_t j = i + 1; j < s.labels.size(); ++j)
      EXPECT_FALSE(Overlap(r, s.labels[j].second)) << what << ": \"" << text << "\" runs into \"" << s.labels[j].first << "\"";
    for (const ui::Rect& b : s.buttons) EXPECT_LE(r.y + r.h, b.y) << what << ": \"" << text << "\" reaches the buttons";
  }
}

TEST_F(Dialogs, EveryDialogShowsTheFieldsOfItsKind) {
  std::vector<std::pair<std::string, Shown>> seen;
  ui::RegisterScreen("LongTexts", [&] {
    for (const std::string& text : {std::string("Short."), LongText(5)}) {
      AskYesNo("Boarding?", text, "Pirate_Corsair_scene.jpg");
      seen.emplace_back("question with a picture", Look(2));
      DialogContent block;
      block.topic = "Fire guns";
      block.text = text;
      block.blockHeader = "Action-Points required:";
      block.blockText = "2 AP";
      Notify(block);
      seen.emplace_back("notice with a second block", Look(3));
      Notify(5, "Hostile encounter!",
             "Pirates Corsair \"Alert! All hands to battle-stations. " + text + "\"", "Pirate_Corsair_scene.jpg");
      seen.emplace_back("encounter", Look(5));
      Notify(6, "Experience", text, "FederationLogo.jpg");
      seen.emplace_back("experience", Look(6));
      Notify(7, "Loot", text, "treasurer.jpg");
      seen.emplace_back("loot", Look(7));
      DialogContent step;
      step.dialog = 8;
      step.topic = "Retirement (1/5)";
      step.title2 = "Step 1: Fortune";
      step.text = text;
      step.scoreLine = "Score: $16,666 / 10 = 1,666";
      step.picture = "treasurer.jpg";
      Notify(step);
      seen.emplace_back("retirement step", Look(8));
      DialogContent uniform;
      uniform.dialog = 9;
      uniform.topic = "Retirement (3/5)";
      uniform.title2 = "Step 3: Promotion";
      uniform.text = text;
      uniform.scoreLine = "Score + 12% = 1,866";
      uniform.newsText = "The fleet honours its veterans.";
      uniform.uniform = "Uni-Fed-blank.jpg";
      uniform.shoulder = "Uni-Fed-Capt-shoulder.jpg";
      uniform.collar = "Uni-Fed-Capt-collar.jpg";
      uniform.wings = "Fed-Pilotwings.jpg";
      for (int r = 1; r <= 12; ++r) uniform.ribbons.push_back("Fed-Ribbon" + std::to_string(r) + ".jpg");
      uniform.medals = {"Fed-Medal-SilverStar.jpg", "Fed-Medal-GoldStar.jpg", "MedalofHonor.jpg"};
      Notify(uniform);
      seen.emplace_back("uniform", Look(9));
    }
    Notify("Plain", "Nothing more.");
    seen.emplace_back("plain notice after a second block", Look(3));
  });
  std::string script = "screen LongTexts\n";
  for (int i = 0; i < 15; ++i) script += "key Return\n";
  Play(script);
  ASSERT_EQ(seen.size(), 15u);
  for (const auto& [what, s] : seen) ExpectTidy(s, what);

  const Shown& question = seen[0].second;
  EXPECT_TRUE(HasPicture(question, "Pirate_Corsair_scene.jpg"));
  EXPECT_EQ(question.buttons.size(), 2u) << "Yes and No";
  EXPECT_TRUE(HasLabel(seen[1].second, "Action-Points required:"));
  EXPECT_TRUE(HasLabel(seen[1].second, "2 AP"));
  EXPECT_TRUE(HasLabel(seen[2].second, "Pirates Corsair")) << "the ship met on a line of its own";
  const Shown& step = seen[5].second;
  EXPECT_TRUE(HasLabel(step, "Step 1: Fortune"));
  EXPECT_TRUE(HasLabel(step, "Score: $16,666 / 10 = 1,666"));
  EXPECT_TRUE(HasPicture(step, "treasurer.jpg"));
  const Shown& uniform = seen[6].second;
  EXPECT_TRUE(HasPicture(uniform, "Uni-Fed-blank.jpg"));
  EXPECT_TRUE(HasPicture(uniform, "Uni-Fed-Capt-shoulder.jpg"));
  EXPECT_TRUE(HasPicture(uniform, "Fed-Pilotwings.jpg"));
  EXPECT_TRUE(HasPicture(uniform, "Fed-Ribbon11.jpg"));
  EXPECT_FALSE(HasPicture(uniform, "Fed-Ribbon12.jpg")) << "eleven ribbons at the most";
  EXPECT_TRUE(HasPicture(uniform, "MedalofHonor.jpg"));
  EXPECT_TRUE(HasLabel(uniform, "The fleet honours its veterans."));
  EXPECT_TRUE(HasLabel(uniform, "Score + 12% = 1,866"));
  EXPECT_TRUE(HasLabel(seen[8].second, "Action-Points required:")) << "a long text keeps its block";
  EXPECT_FALSE(HasLabel(seen[14].second, "Action-Points required:")) << "a plain notice shows no block of the last one";
}

}  // namespace
}  // namespace qm
