// The resolved drawing operations that the printer object hands to its
// backend (a page of a print job, a picture box, or the recorder of the
// tests), and the values they carry: fonts, pens, colours. Coordinates are
// in tenths of a millimetre, x to the right and y downward from the top-left
// corner of the printable area (or of the picture box).
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace rt {

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// The four style switches of a font.
struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// A font as the programs name it: face ("ＭＳ ゴシック"), size in points
// and style.
struct FontSpec {
  std::string face;
  double points = 10;
  FontStyle style;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Character height of a font of `points` points in page units: points ·
// 254 / 72, rounded to the nearest unit (11 pt gives 39, 12 pt 42, 8 pt 28).
// It is also the line height and the height of a character cell; a cell is
// half as wide.
inline double cell_height_of(double points) { return std::round(points * 254.0 / 72.0); }

enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct Pen {
  double width = 1;  // page units; 0 draws the thinnest line the device has
  LineStyle style = LineStyle::Solid;
  Colour colour = kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A text placed by the top-left corner of its first character cell. Turned
// texts (one quarter turn counter-clockwise) read upward from the corner:
// the text runs towards -y and the tops of its characters face -x.
struct TextOp {
  Point at;
  std::string text;  // UTF-8
  FontSpec font;
  double cell_height = 0;  // character height, twice the cell width
  int quarter_turns = 0;   // 0 level, 1 turned to read upward
  Colour colour = kBlack;
};

struct LineOp {
  Point from;
  Point to;
  Pen pen;
};

struct CircleOp {
  Point centre;
  double radius = 0;
  Pen pen;
};

// An arc of a circle from angle `start` to angle `end`, both in fractions of
// a full turn measured from +x towards +y (clockwise on the y-down page);
// the arc runs the way the angle grows, wrapping past a full turn.
struct ArcOp {
  Point centre;
  double radius = 0;
  double start = 0;
  double end = 0;
  Pen pen;
};

// The result of document control. A job that the user aborted while it was
// being sent ends quietly; a failed one carries a message for the user.
struct PrintStatus {
  enum class Code { Ok, Aborted, Failed };
  Code code = Code::Ok;
  std::string message;

  bool ok() const { return code == Code::Ok; }
  static PrintStatus failed(std::string why) { return {Code::Failed, std::move(why)}; }
};

}  // namespace rt
