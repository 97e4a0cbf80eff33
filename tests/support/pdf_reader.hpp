// Reads a printed PDF back with poppler's command-line tools (pdftotext,
// pdffonts, pdfinfo), for the tests that print whole sheets.
#pragma once

#include <string>

namespace testing_support {

// Whether pdftotext, pdffonts and pdfinfo were found when the tests were
// configured; the PDF tests are skipped without them.
bool poppler_installed();

// The text of a PDF in drawing order, runs of blanks and line ends as one
// blank; of one page (counted from 1) with `pdf_page_text`.
std::string pdf_text(const std::string& path);
std::string pdf_page_text(const std::string& path, int page);

// pdftotext's word boxes (-bbox): each word with its xMin, yMin, ... in points.
std::string pdf_word_boxes(const std::string& path);

// What pdffonts and pdfinfo print for the file.
std::string pdf_fonts(const std::string& path);
std::string pdf_info(const std::string& path);

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace testing_support
