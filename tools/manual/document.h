#pragma once
// The manual as a list of blocks: chapters, sections, paragraphs, lists,
// tables and pictures. The content files append blocks; the layout turns them
// into pages. Paragraph text may mark words **bold**.
#include <string>
#include <utility>
#include <vector>

namespace qm::manual {

// A picture drawn by the art kit, `w` x `h` points on the page.
struct Picture {
  std::string name;     // art kit name, e.g. "Federation_Paladin_scene.jpg"
  double w = 0, h = 0;
  std::string caption;  // printed below it (galleries, figures)
  std::string label;    // drawn by the kit into the picture (buttons)
};

struct Column {
  std::string title;
  double weight = 1;  // share of the table's width
  bool right = false;  // numbers: right-aligned
};

struct Table {
  std::vector<Column> columns;
  std::vector<std::vector<std::string>> rows;  // one string per column
  std::string note;  // a line under the table (units, footnotes)
};

enum class BlockKind {
  Title,        // the title page: text = title, items = subtitle lines, pictures[0] = the cover art
  Contents,     // the list of chapters and sections with their pages
  Chapter,      // starts a page: text = title, items[0] (optional) = the chapter's lead-in
  Section,      // text = title
  Subsection,   // text = title
  Paragraph,    // text
  Bullets,      // items
  Definitions,  // terms: a term and its explanation, side by side
  TableBlock,   // table
  Figure,       // pictures[0] beside the paragraphs in items (or alone, centred, when there are none)
  Gallery,      // pictures in rows, each with its caption
  Note,         // text in a tinted box: a hint for the player
};

struct Block {
  BlockKind kind = BlockKind::Paragraph;
  std::string text;
  std::vector<std::string> items;
  std::vector<std::pair<std::string, std::string>> terms;
  Table table;
  std::vector<Picture> pictures;
};

class Document {
 public:
  void Title(std::string title, std::vector<std::string> lines, Picture cover);
  void Contents();
  void Chapter(std::string title, std::string leadIn = "");
  void Section(std::string title);
  void Subsection(std::string title);
  void Paragraph(std::string text);
  void Bullets(std::vector<std::string> items);
  void Definitions(std::vector<std::pair<std::string, std::string>> terms);
  void AddTable(Table table);
  // A picture with paragraphs beside it; with no paragraphs it stands alone, centred.
  void Figure(Picture picture, std::vector<std::string> paragraphs = {});
  void Gallery(std::vector<Picture> pictures);
  void Note(std::string text);

  const std::vector<Block>& Blocks() const { return blocks_; }

 private:
  std::vector<Block> blocks_;
};

}  // namespace qm::manual
