// Places the manual's blocks on pages: words wrapped into justified lines,
// headings kept with what follows them, tables split between rows with their
// header repeated, pictures and notes kept whole.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "manual/pages.h"

namespace qm::manual {
namespace {

constexpr art::Rgb kInk{0.11, 0.12, 0.15};
constexpr art::Rgb kAccent{0.09, 0.31, 0.60};
constexpr art::Rgb kGrey{0.38, 0.41, 0.46};
constexpr art::Rgb kHeaderFill{0.86, 0.91, 0.97};
constexpr art::Rgb kZebra{0.955, 0.965, 0.978};
constexpr art::Rgb kRule{0.70, 0.74, 0.80};
constexpr art::Rgb kNoteFill{0.91, 0.96, 0.92};
constexpr art::Rgb kNoteBar{0.20, 0.58, 0.32};

constexpr Style kBody{false, false, 9.5};
constexpr Style kCell{true, false, 7.6};
constexpr Style kCellHead{true, true, 7.6};
constexpr Style kCaption{true, false, 7.6};
constexpr double kWidth = kRight - kLeft;
constexpr double kParaGap = 6;

double Leading(const Style& s) { return s.size * (s.sans ? 1.32 : 1.44); }

struct Piece {
  std::string text;
  bool bold = false;
  double width = 0;
};
struct Word {
  std::vector<Piece> pieces;
  double width = 0;
};
using Line = std::vector<Word>;

class Layouter {
 public:
  explicit Layouter(const Measure& m) : m_(m) {}
  Layout Run(const Document& doc);

 private:
  Page& P() { return out_.pages.back(); }
  double Room() const { return kBottom - y_; }
  bool AtTop() const { return y_ <= kTop + 0.5; }
  void NewPage(bool numbered = true) {
    out_.pages.push_back(Page{{}, chapter_, numbered});
    y_ = kTop;
  }
  // Starts a new page unless `h` fits on this one; notes a block too tall for any page.
  void Ensure(double h, const std::string& what) {
    if (h > Room() && !AtTop()) NewPage();
    if (h > kBottom - kTop) out_.problems.push_back(what + " is taller than a page");
  }

  std::vector<Word> Words(const std::string& text, const Style& s) const;
  std::vector<Line> Wrap(const std::string& text, const Style& s, double width) const;
  void PlaceLine(const Line& line, double x, double baseline, double width, const Style& s, art::Rgb c,
                 bool justify);
  // Places a paragraph at x on the running y, page by page when it may split.
  void Flow(const std::string& text, double x, double width, const Style& s, art::Rgb c, bool justify);
  // Places wrapped lines at a fixed top without page breaks; returns the height.
  double Fixed(const std::vector<Line>& lines, double x, double top, double width, const Style& s, art::Rgb c,
               bool justify, bool centred = false);
  void Text(const std::string& t, double x, double baseline, const Style& s, art::Rgb c, bool right = false);
  void Box(double x, double y, double w, double h, art::Rgb c) {
    Item i;
    i.kind = Item::Box;
    i.x = x, i.y = y, i.w = w, i.h = h, i.color = c;
    P().items.push_back(i);
  }
  void Rule(double x, double y, double w, art::Rgb c, double width = 0.6, bool dotted = false) {
    Item i;
    i.kind = Item::Rule;
    i.x = x, i.y = y, i.w = w, i.h = width, i.color = c;
    i.dotted = dotted;
    P().items.push_back(i);
  }
  void Image(const Picture& p, double x, double y) {
    Item i;
    i.kind = Item::Image;
    i.x = x, i.y = y, i.w = p.w, i.h = p.h, i.picture = p;
    P().items.push_back(i);
  }

  void TitlePage(const Block& b);
  void Contents();
  void Chapter(const Block& b);
  void Heading(const Block& b, int level, const Block* next);
  double Start(const Block* b) const;
  void Bullets(const Block& b);
  void Definitions(const Block& b);
  void TableBlock(const Table& t);
  void Figure(const Block& b);
  void Gallery(const Block& b);
  void Note(const Block& b);
  void RecordHeading() {
    out_.headings[static_cast<size_t>(next_)].page = static_cast<int>(out_.pages.size());
    out_.headingTop[static_cast<size_t>(next_)] = y_;
    ++next_;
  }

  const Measure& m_;
  Layout out_;
  double y_ = kTop;
  std::string chapter_;
  int next_ = 0;  // the next heading to record
};

std::vector<Word> Layouter::Words(const std::string& text, const Style& s) const {
  std::vector<Word> words;
  bool bold = s.bold, gap = true;
  std::string piece;
  const auto flush = [&] {
    if (piece.empty()) return;
    const Style ps{s.sans, bold, s.size};
    Piece p{piece, bold, m_.Width(ps, piece)};
    if (gap || words.empty()) words.emplace_back();
    words.back().pieces.push_back(p);
    words.back().width += p.width;
    piece.clear();
    gap = false;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "**") == 0) {
      flush();
      bold = !bold;
      ++i;
    } else if (text[i] == ' ' || text[i] == '\n') {
      flush();
      gap = true;
    } else if (text[i] == '"') {
      // Typographic quotes: opening after a blank, a bracket or a dash, closing elsewhere.
      const auto endsWith = [&](std::string_view tail) {
        return piece.size() >= tail.size() && piece.compare(piece.size() - tail.size(), tail.size(), tail) == 0;
      };
      const bool opening = piece.empty() ? gap
                                         : endsWith("(") || endsWith("[") || endsWith("/") || endsWith("\u2013") ||
                                               endsWith("\u2014");
      piece += opening ? "\u201c" : "\u201d";
    } else if (text[i] == '\'') {
      piece += "\u2019";
    } else {
      piece += text[i];
    }
  }
  flush();
  return words;
}

std::vector<Line> Layouter::Wrap(const std::string& text, const Style& s, double width) const {
  const double space = m_.Width(s, " ");
  std::vector<Line> lines(1);
  double used = 0;
  for (Word& w : Words(text, s)) {
    const double need = lines.back().empty() ? w.width : used + space + w.width;
    if (need > width && !lines.back().empty()) {
      lines.emplace_back();
      used = w.width;
    } else {
      used = need;
    }
    lines.back().push_back(std::move(w));
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

void Layouter::Text(const std::string& t, double x, double baseline, const Style& s, art::Rgb c, bool right) {
  Item i;
  i.kind = Item::Text;
  i.x = x, i.y = baseline, i.text = t, i.style = s, i.color = c, i.rightAligned = right;
  P().items.push_back(i);
}

void Layouter::PlaceLine(const Line& line, double x, double baseline, double width, const Style& s, art::Rgb c,
                         bool justify) {
  const double space = m_.Width(s, " ");
  double natural = 0;
  for (const Word& w : line) natural += w.width;
  natural += space * static_cast<double>(line.size() - 1);
  // Justified lines share out the slack; a line that would need gaps wider than
  // two and a half spaces stays ragged instead.
  double gap = space;
  if (justify && line.size() > 1) {
    const double stretched = space + (width - natural) / static_cast<double>(line.size() - 1);
    if (stretched <= space * 2.5) gap = stretched;
  }
  for (const Word& w : line) {
    for (const Piece& p : w.pieces) {
      Text(p.text, x, baseline, Style{s.sans, p.bold, s.size}, c);
      x += p.width;
    }
    x += gap;
  }
}

void Layouter::Flow(const std::string& text, double x, double width, const Style& s, art::Rgb c, bool justify) {
  const std::vector<Line> lines = Wrap(text, s, width);
  const double lead = Leading(s);
  // Short paragraphs stay whole; longer ones leave at least two lines on each page.
  if (lines.size() <= 3) Ensure(lead * static_cast<double>(lines.size()), "a paragraph");
  else if (Room() < 2 * lead) NewPage();
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t left = lines.size() - i;
    if (y_ + lead > kBottom || (left == 2 && y_ + 2 * lead > kBottom && i > 1)) NewPage();
    PlaceLine(lines[i], x, y_ + lead * 0.74, width, s, c, justify && i + 1 < lines.size());
    y_ += lead;
  }
}

double Layouter::Fixed(const std::vector<Line>& lines, double x, double top, double width, const Style& s,
                       art::Rgb c, bool justify, bool centred) {
  const double lead = Leading(s);
  double y = top;
  for (size_t i = 0; i < lines.size(); ++i) {
    double lx = x;
    if (centred) {
      double w = 0;
      for (const Word& word : lines[i]) w += word.width;
      w += m_.Width(s, " ") * static_cast<double>(lines[i].size() - 1);
      lx = x + (width - w) / 2;
    }
    PlaceLine(lines[i], lx, y + lead * 0.74, width, s, c, justify && i + 1 < lines.size());
    y += lead;
  }
  return y - top;
}

void Layouter::TitlePage(const Block& b) {
  NewPage(/*numbered=*/false);
  P().runningHead.clear();
  Box(0, 0, kPageW, kPageH, {0.016, 0.024, 0.058});
  Text(b.text, kLeft, 170, Style{true, true, 50}, {1, 1, 1});
  Rule(kLeft, 190, 190, {0.35, 0.65, 1.0}, 2.4);
  for (size_t i = 0; i < b.items.size(); ++i) {
    const bool lead = i == 0;
    Text(b.items[i], kLeft, lead ? 226 : 226 + 22 + 16.0 * static_cast<double>(i - 1),
         Style{true, lead, lead ? 18.0 : 11.0}, {0.86, 0.92, 1.0});
  }
  // The cover art: a band across the page, framed by two thin lines.
  if (!b.pictures.empty() && !b.pictures[0].name.empty()) {
    Picture cover = b.pictures[0];
    cover.w = kPageW, cover.h = kPageW * 2 / 3;
    const double top = 310;
    Image(cover, 0, top);
    Rule(0, top, kPageW, {0.35, 0.65, 1.0}, 1.2);
    Rule(0, top + cover.h, kPageW, {0.35, 0.65, 1.0}, 1.2);
  }
  y_ = kBottom;  // whatever follows starts a page of its own
}

void Layouter::Contents() {
  NewPage();
  P().runningHead.clear();
  Text("Contents", kLeft, y_ + 24, Style{true, true, 24}, kAccent);
  y_ += 36;
  Rule(kLeft, y_, kWidth, kAccent, 1.2);
  y_ += 14;
  for (size_t i = 0; i < out_.headings.size(); ++i) {
    const bool chapter = out_.headings[i].level == 1;
    const Style s = chapter ? Style{true, true, 10.5} : Style{false, false, 9.6};
    const double lead = chapter ? 18 : 13.5;
    if (y_ + lead > kBottom) NewPage();
    const double x = chapter ? kLeft : kLeft + 18;
    const double base = y_ + lead * 0.78;
    Text(out_.headings[i].title, x, base, s, kInk);
    P().items.back().link = static_cast<int>(i);
    Rule(x + m_.Width(s, out_.headings[i].title) + 6, base, kRight - 26 - (x + m_.Width(s, out_.headings[i].title) + 6),
         kRule, 0.8, /*dotted=*/true);
    Text("", kRight, base, s, chapter ? kAccent : kGrey, /*right=*/true);
    P().items.back().link = static_cast<int>(i);
    P().items.back().pageNumberOfLink = true;
    y_ += lead;
  }
  y_ = kBottom;
}

void Layouter::Chapter(const Block& b) {
  chapter_ = b.text;
  // A chapter opens a page of its own unless most of this page is still free.
  const bool ownPage = Room() < (kBottom - kTop) * 0.55;
  if (ownPage) {
    NewPage();
    P().runningHead.clear();
    Box(0, 0, kPageW, 10, kAccent);
  } else {
    y_ += 20;
  }
  RecordHeading();
  Text(b.text, kLeft, y_ + 30, Style{true, true, 25}, kAccent);
  y_ += 44;
  Rule(kLeft, y_, kWidth, kAccent, 1.2);
  y_ += 12;
  if (!b.items.empty() && !b.items[0].empty()) {
    Flow(b.items[0], kLeft, kWidth, Style{true, false, 10.6}, kGrey, false);
    y_ += 10;
  }
}

// The least of a block that must follow its heading on the same page.
double Layouter::Start(const Block* b) const {
  if (!b) return 0;
  switch (b->kind) {
    case BlockKind::Gallery: {
      double h = 0;
      for (const Picture& p : b->pictures) h = std::max(h, p.h);
      return h + 3 * Leading(kCaption);
    }
    case BlockKind::Figure: return b->pictures.empty() ? 0 : b->pictures[0].h;
    case BlockKind::TableBlock: return 4 * (Leading(kCell) + 6);
    case BlockKind::Subsection: return Leading(Style{true, true, 10.4}) + 3 * Leading(kBody);
    default: return 3 * Leading(kBody);
  }
}

void Layouter::Heading(const Block& b, int level, const Block* next) {
  const Style s = level == 2 ? Style{true, true, 13.2} : Style{true, true, 10.4};
  const double before = AtTop() ? 0 : (level == 2 ? 12 : 7);
  const double height = Leading(s) + (level == 2 ? 5 : 2);
  Ensure(before + height + Start(next), "a heading");
  if (!AtTop()) y_ += before;
  if (level == 2) RecordHeading();
  Text(b.text, kLeft, y_ + Leading(s) * 0.8, s, level == 2 ? kAccent : kInk);
  y_ += height;
}

void Layouter::Bullets(const Block& b) {
  for (const std::string& item : b.items) {
    const std::vector<Line> lines = Wrap(item, kBody, kWidth - 14);
    Ensure(Leading(kBody) * std::min<double>(2, static_cast<double>(lines.size())), "a list item");
    Text("\u2022", kLeft + 3, y_ + Leading(kBody) * 0.74, kBody, kAccent);
    Flow(item, kLeft + 14, kWidth - 14, kBody, kInk, true);
    y_ += 2.5;
  }
  y_ += kParaGap - 2.5;
}

void Layouter::Definitions(const Block& b) {
  // The term column is as wide as the longest term, up to a little over a quarter of the page.
  const Style termStyle{true, true, 8.8};
  double termW = 0, gap = 12;
  for (const auto& [term, text] : b.terms) termW = std::max(termW, m_.Width(termStyle, term) + 2);
  termW = std::min(termW, kWidth * 0.27);
  for (const auto& [term, text] : b.terms) {
    const auto termLines = Wrap(term, termStyle, termW);
    const auto textLines = Wrap(text, kBody, kWidth - termW - gap);
    const double h = std::max(Leading(termStyle) * static_cast<double>(termLines.size()),
                              Leading(kBody) * static_cast<double>(textLines.size()));
    Ensure(h, "a definition");
    Fixed(termLines, kLeft, y_ + 0.8, termW, termStyle, kAccent, false);
    Fixed(textLines, kLeft + termW + gap, y_, kWidth - termW - gap, kBody, kInk, true);
    y_ += h + 3.5;
  }
  y_ += kParaGap - 3.5;
}

void Layouter::TableBlock(const Table& t) {
  double total = 0;
  for (const Column& c : t.columns) total += c.weight;
  std::vector<double> xs{kLeft}, ws;
  for (const Column& c : t.columns) {
    ws.push_back(kWidth * c.weight / total);
    xs.push_back(xs.back() + ws.back());
  }
  constexpr double padX = 3.2, padY = 2.6;
  const auto wrapRow = [&](const std::vector<std::string>& cells, const Style& s) {
    std::vector<std::vector<Line>> out;
    double h = 0;
    for (size_t c = 0; c < t.columns.size(); ++c) {
      out.push_back(Wrap(c < cells.size() ? cells[c] : "", s, ws[c] - 2 * padX));
      h = std::max(h, Leading(s) * static_cast<double>(out.back().size()));
    }
    return std::pair{out, h + 2 * padY};
  };
  const auto placeRow = [&](const std::vector<std::vector<Line>>& cells, double h, const Style& s, art::Rgb fill,
                            bool fillIt) {
    if (fillIt) Box(kLeft, y_, kWidth, h, fill);
    for (size_t c = 0; c < cells.size(); ++c) {
      double baseline = y_ + padY + Leading(s) * 0.76;
      for (const Line& line : cells[c]) {
        std::string joined;
        for (const Word& w : line) {
          if (!joined.empty()) joined += ' ';
          for (const Piece& p : w.pieces) joined += p.text;
        }
        const bool right = t.columns[c].right;
        Text(joined, right ? xs[c + 1] - padX : xs[c] + padX, baseline, s, kInk, right);
        baseline += Leading(s);
      }
    }
    y_ += h;
  };
  std::vector<std::string> titles;
  for (const Column& c : t.columns) titles.push_back(c.title);
  const auto [head, headH] = wrapRow(titles, kCellHead);
  const auto header = [&] {
    placeRow(head, headH, kCellHead, kHeaderFill, true);
    Rule(kLeft, y_, kWidth, kAccent, 0.8);
  };
  std::vector<std::pair<std::vector<std::vector<Line>>, double>> rows;
  for (const auto& r : t.rows) rows.push_back(wrapRow(r, kCell));
  // A table starts where its header and its first rows (up to three) fit.
  double start = headH;
  for (size_t r = 0; r < std::min<size_t>(3, rows.size()); ++r) start += rows[r].second;
  Ensure(start, "the start of a table");
  header();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].second > Room()) {
      Rule(kLeft, y_, kWidth, kRule, 0.6);
      NewPage();
      header();
    }
    placeRow(rows[r].first, rows[r].second, kCell, kZebra, r % 2 == 1);
  }
  Rule(kLeft, y_, kWidth, kAccent, 0.8);
  y_ += 4;
  if (!t.note.empty()) {
    Flow(t.note, kLeft, kWidth, kCaption, kGrey, false);
  }
  y_ += kParaGap + 2;
}

void Layouter::Figure(const Block& b) {
  const Picture& p = b.pictures[0];
  const auto caption = Wrap(p.caption, kCaption, std::max(p.w, 90.0));
  const double captionH = p.caption.empty() ? 0 : 3 + Leading(kCaption) * static_cast<double>(caption.size());
  if (b.items.empty()) {
    Ensure(p.h + captionH, "a figure");
    Image(p, kLeft + (kWidth - p.w) / 2, y_);
    Fixed(caption, kLeft, y_ + p.h + 3, kWidth, kCaption, kGrey, false, /*centred=*/true);
    y_ += p.h + captionH + kParaGap + 2;
    return;
  }
  const double gap = 16, textW = kWidth - p.w - gap;
  std::vector<std::vector<Line>> paragraphs;
  double textH = 0;
  for (const std::string& t : b.items) {
    paragraphs.push_back(Wrap(t, kBody, textW));
    textH += Leading(kBody) * static_cast<double>(paragraphs.back().size()) + kParaGap;
  }
  textH -= kParaGap;
  const double h = std::max(textH, p.h + captionH);
  Ensure(h, "a figure with its text");
  double top = y_;
  for (const auto& lines : paragraphs) top += Fixed(lines, kLeft, top, textW, kBody, kInk, true) + kParaGap;
  const double px = kRight - p.w;
  Image(p, px, y_);
  Fixed(caption, px + (p.w - std::max(p.w, 90.0)) / 2, y_ + p.h + 3, std::max(p.w, 90.0), kCaption, kGrey, false,
        true);
  y_ += h + kParaGap + 2;
}

void Layouter::Gallery(const Block& b) {
  constexpr double gap = 10, minCell = 56;
  size_t i = 0;
  while (i < b.pictures.size()) {
    // As many pictures as fit side by side make a row.
    size_t end = i;
    double used = 0;
    while (end < b.pictures.size()) {
      const double w = std::max(b.pictures[end].w, minCell);
      if (end > i && used + gap + w > kWidth) break;
      used += (end > i ? gap : 0) + w;
      ++end;
    }
    double picH = 0, capH = 0;
    std::vector<std::vector<Line>> captions;
    for (size_t k = i; k < end; ++k) {
      captions.push_back(Wrap(b.pictures[k].caption, kCaption, std::max(b.pictures[k].w, minCell)));
      picH = std::max(picH, b.pictures[k].h);
      capH = std::max(capH, Leading(kCaption) * static_cast<double>(captions.back().size()));
    }
    Ensure(picH + 3 + capH, "a row of pictures");
    double x = kLeft + (kWidth - used) / 2;
    for (size_t k = i; k < end; ++k) {
      const Picture& p = b.pictures[k];
      const double cell = std::max(p.w, minCell);
      Image(p, x + (cell - p.w) / 2, y_ + (picH - p.h));
      Fixed(captions[k - i], x, y_ + picH + 3, cell, kCaption, kGrey, false, /*centred=*/true);
      x += cell + gap;
    }
    y_ += picH + 3 + capH + 8;
    i = end;
  }
  y_ += kParaGap - 4;
}

void Layouter::Note(const Block& b) {
  constexpr double pad = 8, bar = 3.5;
  const Style s{true, false, 9};
  const auto lines = Wrap(b.text, s, kWidth - 2 * pad - bar);
  const double h = Leading(s) * static_cast<double>(lines.size()) + 2 * pad - 2;
  Ensure(h, "a note");
  Box(kLeft, y_, kWidth, h, kNoteFill);
  Box(kLeft, y_, bar, h, kNoteBar);
  Fixed(lines, kLeft + bar + pad, y_ + pad - 1, kWidth - 2 * pad - bar, s, kInk, true);
  y_ += h + kParaGap + 3;
}

Layout Layouter::Run(const Document& doc) {
  for (const Block& b : doc.Blocks()) {
    if (b.kind == BlockKind::Chapter) out_.headings.push_back({b.text, 1, 0});
    if (b.kind == BlockKind::Section) out_.headings.push_back({b.text, 2, 0});
  }
  out_.headingTop.assign(out_.headings.size(), 0);
  const std::vector<Block>& blocks = doc.Blocks();
  for (size_t i = 0; i < blocks.size(); ++i) {
    const Block& b = blocks[i];
    const Block* next = i + 1 < blocks.size() ? &blocks[i + 1] : nullptr;
    if (out_.pages.empty() && b.kind != BlockKind::Title) NewPage();
    switch (b.kind) {
      case BlockKind::Title: TitlePage(b); break;
      case BlockKind::Contents: Contents(); break;
      case BlockKind::Chapter: Chapter(b); break;
      case BlockKind::Section: Heading(b, 2, next); break;
      case BlockKind::Subsection: Heading(b, 3, next); break;
      case BlockKind::Paragraph:
        Flow(b.text, kLeft, kWidth, kBody, kInk, true);
        y_ += kParaGap;
        break;
      case BlockKind::Bullets: Bullets(b); break;
      case BlockKind::Definitions: Definitions(b); break;
      case BlockKind::TableBlock: TableBlock(b.table); break;
      case BlockKind::Figure: Figure(b); break;
      case BlockKind::Gallery: Gallery(b); break;
      case BlockKind::Note: Note(b); break;
    }
  }
  return std::move(out_);
}

}  // namespace

void Measure::Select(const Style& s) const {
  cairo_select_font_face(cr_, s.sans ? "DejaVu Sans" : "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL,
                         s.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr_, s.size);
}

double Measure::Width(const Style& s, const std::string& text) const {
  Select(s);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, text.c_str(), &e);
  return e.x_advance;
}

Layout LayOut(const Document& doc, const Measure& measure) { return Layouter(measure).Run(doc); }

}  // namespace qm::manual
