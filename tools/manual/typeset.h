#pragma once
// Typesets a manual document on A4 pages and writes it as PDF with Cairo:
// wrapped and justified paragraphs, headings kept with what follows, tables
// whose header repeats on every page, pictures drawn by the art kit, a
// contents list with links, PDF bookmarks, running heads and page numbers.
#include <string>
#include <vector>

#include "manual/document.h"

namespace qm::manual {

struct TypesetHeading {
  std::string title;
  int level = 1;  // 1 chapter, 2 section
  int page = 0;   // 1-based, the title page is page 1
};

struct TypesetResult {
  int pages = 0;
  std::vector<TypesetHeading> headings;
};

struct PdfInfo {
  std::string title, subject, author, date;  // date: "YYYY-MM-DD"
};

// Writes `doc` to `path`. False, with the reason in `error`, when the file
// cannot be written.
bool WritePdf(const Document& doc, const PdfInfo& info, const std::string& path, TypesetResult& result,
              std::string& error);

}  // namespace qm::manual
