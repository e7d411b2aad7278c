#include "manual/document.h"

namespace qm::manual {
namespace {

Block Make(BlockKind kind, std::string text = "") {
  Block b;
  b.kind = kind;
  b.text = std::move(text);
  return b;
}

}  // namespace

void Document::Title(std::string title, std::vector<std::string> lines, Picture cover) {
  Block b = Make(BlockKind::Title, std::move(title));
  b.items = std::move(lines);
  b.pictures.push_back(std::move(cover));
  blocks_.push_back(std::move(b));
}

void Document::Contents() { blocks_.push_back(Make(BlockKind::Contents)); }

void Document::Chapter(std::string title, std::string leadIn) {
  Block b = Make(BlockKind::Chapter, std::move(title));
  b.items.push_back(std::move(leadIn));
  blocks_.push_back(std::move(b));
}

void Document::Section(std::string title) { blocks_.push_back(Make(BlockKind::Section, std::move(title))); }
void Document::Subsection(std::string title) { blocks_.push_back(Make(BlockKind::Subsection, std::move(title))); }
void Document::Paragraph(std::string text) { blocks_.push_back(Make(BlockKind::Paragraph, std::move(text))); }
void Document::Note(std::string text) { blocks_.push_back(Make(BlockKind::Note, std::move(text))); }

void Document::Bullets(std::vector<std::string> items) {
  Block b = Make(BlockKind::Bullets);
  b.items = std::move(items);
  blocks_.push_back(std::move(b));
}

void Document::Definitions(std::vector<std::pair<std::string, std::string>> terms) {
  Block b = Make(BlockKind::Definitions);
  b.terms = std::move(terms);
  blocks_.push_back(std::move(b));
}

void Document::AddTable(Table table) {
  Block b = Make(BlockKind::TableBlock);
  b.table = std::move(table);
  blocks_.push_back(std::move(b));
}

void Document::Figure(Picture picture, std::vector<std::string> paragraphs) {
  Block b = Make(BlockKind::Figure);
  b.pictures.push_back(std::move(picture));
  b.items = std::move(paragraphs);
  blocks_.push_back(std::move(b));
}

void Document::Gallery(std::vector<Picture> pictures) {
  Block b = Make(BlockKind::Gallery);
  b.pictures = std::move(pictures);
  blocks_.push_back(std::move(b));
}

}  // namespace qm::manual
