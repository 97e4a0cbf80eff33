// A backend that keeps every operation the printer object resolves, for
// tests: texts with their corner, font and orientation, lines, circles and
// arcs with their pen, and the document and page boundaries. `dump` writes
// them one per line for golden files.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/printer/draw_target.hpp"

namespace rt {

struct DocumentStart {
  std::string name;
};
struct DocumentEnd {};
struct PageStart {
  int page = 0;  // counted from 1
};
struct PageEnd {};

using RecordedOp = std::variant<DocumentStart, DocumentEnd, PageStart, PageEnd, TextOp, LineOp, CircleOp, ArcOp>;

class Recorder : public DrawTarget {
 public:
  PrintStatus begin_document(std::string_view name) override;
  void begin_page() override;
  void end_page() override;
  PrintStatus end_document() override;
  void text(const TextOp& op) override;
  void line(const LineOp& op) override;
  void circle(const CircleOp& op) override;
  void arc(const ArcOp& op) override;

  const std::vector<RecordedOp>& ops() const { return ops_; }
  void clear();

  // The recorded texts, lines, ... in drawing order.
  std::vector<TextOp> texts() const;
  std::vector<LineOp> lines() const;
  std::vector<CircleOp> circles() const;
  std::vector<ArcOp> arcs() const;
  int pages() const { return pages_; }

  // The first text op whose text equals `text`, or nullptr.
  const TextOp* find_text(std::string_view text) const;

  // One line per operation, e.g.
  //   text 234,117 "ＭＳ ゴシック" 11pt h39 "（１）計算条件"
  //   line 450,1220 610,1520 w10
  std::string dump() const;

 private:
  template <typename T>
  std::vector<T> all() const;

  std::vector<RecordedOp> ops_;
  int pages_ = 0;
};

std::string describe(const RecordedOp& op);

}  // namespace rt
