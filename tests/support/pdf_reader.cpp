#include "pdf_reader.hpp"

#include <cstdio>

namespace testing_support {

namespace {

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

std::string quoted(const std::string& path) { return " '" + path + "'"; }

std::string collapsed_blanks(const std::string& text) {
  std::string collapsed;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n' || c == '\f';
    if (blank && (collapsed.empty() || collapsed.back() == ' ')) continue;
    collapsed += blank ? ' ' : c;
  }
  return collapsed;
}

}  // namespace

bool poppler_installed() {
  return !std::string(PDFTOTEXT).empty() && !std::string(PDFFONTS).empty() && !std::string(PDFINFO).empty();
}

std::string pdf_text(const std::string& path) {
  return collapsed_blanks(run(std::string(PDFTOTEXT) + " -raw" + quoted(path) + " -"));
}

std::string pdf_page_text(const std::string& path, int page) {
  const std::string n = std::to_string(page);
  return collapsed_blanks(run(std::string(PDFTOTEXT) + " -raw -f " + n + " -l " + n + quoted(path) + " -"));
}

std::string pdf_word_boxes(const std::string& path) {
  return run(std::string(PDFTOTEXT) + " -bbox" + quoted(path) + " -");
}

std::string pdf_fonts(const std::string& path) { return run(std::string(PDFFONTS) + quoted(path)); }
std::string pdf_info(const std::string& path) { return run(std::string(PDFINFO) + quoted(path)); }

}  // namespace testing_support
