// The backend of the printer object: what receives the resolved operations.
// Implemented by the Qt painter (print job pages, picture boxes) and by the
// recorder used in tests.
#pragma once

#include <string_view>

#include "runtime/printer/draw_ops.hpp"

namespace rt {

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  virtual PrintStatus begin_document(std::string_view name) = 0;
  virtual void begin_page() = 0;
  virtual void end_page() = 0;
  // Ends the document and reports the first failure of the whole job.
  virtual PrintStatus end_document() = 0;

  virtual void text(const TextOp& op) = 0;
  virtual void line(const LineOp& op) = 0;
  virtual void circle(const CircleOp& op) = 0;
  virtual void arc(const ArcOp& op) = 0;
};

}  // namespace rt
