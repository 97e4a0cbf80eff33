// The Qt backend on an image (as a picture box draws): the stand-in faces,
// the direction of arcs on the y-down page, turned texts reading upward
// from their corner, dashed lines.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "runtime/printer/font_faces.hpp"
#include "runtime/printer/printer.hpp"
#include "runtime/printer/qt_draw_target.hpp"
#include "runtime/printer/qt_font.hpp"

namespace {

struct FaceCase {
  const char* face;
  const char* family;
};

const FaceCase kFaces[] = {
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ 明朝", "IPAMincho"},
};

TEST(FontFaces, TheProgramsFacesFindTheirIpaStandIns) {
  for (const FaceCase& c : kFaces) {
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(c.face))).family().toStdString(), c.family) << c.face;
    EXPECT_EQ(QFontInfo(rt::qt_font({c.face, 11, {}}, 39)).family().toStdString(), c.family) << c.face;
  }
}

// A white image drawn on at one device pixel per unit.
class ImageDrawing : public testing::Test {
 protected:
  ImageDrawing() : image(200, 200, QImage::Format_RGB32), painter(&image), target(painter, 1.0), p(target) {
    image.fill(Qt::white);
  }

  bool dark(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }

  // Bounding box of the dark pixels: left, top, right, bottom.
  QRect ink() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (dark(x, y)) box |= QRect(x, y, 1, 1);
    return box;
  }

  void finish() { painter.end(); }

  QImage image;
  QPainter painter;
  rt::QtPainterTarget target;
  rt::Printer p;
};

TEST_F(ImageDrawing, ArcAnglesGrowFromPlusXTowardsPlusY) {
  p.set_pen_width(4);
  p.arc(100, 100, 50, 0.0, 0.25);  // the lower right quarter
  finish();
  EXPECT_TRUE(dark(135, 135));
  EXPECT_FALSE(dark(135, 65));
  EXPECT_FALSE(dark(65, 135));
}

TEST_F(ImageDrawing, ArcWrapsPastAFullTurn) {
  p.set_pen_width(4);
  p.arc(100, 100, 50, 0.96, 0.54);  // below the centre, from right to left
  finish();
  EXPECT_TRUE(dark(100, 150));
  EXPECT_FALSE(dark(100, 50));
}

TEST_F(ImageDrawing, TurnedTextReadsUpwardFromItsCorner) {
  p.set_font({"ＭＳ ゴシック", 11, {}});
  p.draw_text(100, 190, "H=0.500", rt::TextAngle::QuarterTurn);
  finish();
  const QRect box = ink();
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 100);
  EXPECT_LE(box.right(), 100 + 39);
  EXPECT_LE(box.bottom(), 190);
  EXPECT_GT(box.height(), 3 * box.width());  // seven cells run upward
}

TEST_F(ImageDrawing, LevelTextStartsAtItsTopLeftCorner) {
  p.set_font({"ＭＳ ゴシック", 11, {}});
  p.draw_text(20, 50, "HHHH");
  finish();
  const QRect box = ink();
  EXPECT_GE(box.left(), 20);
  EXPECT_LE(box.left(), 24);
  EXPECT_GE(box.top(), 50);
  EXPECT_LE(box.bottom(), 50 + 39);
  EXPECT_NEAR(box.right(), 20 + 4 * 19.5, 4);
}

TEST_F(ImageDrawing, DashedLineHasGaps) {
  p.set_pen_width(1);
  p.set_line_style(rt::LineStyle::Dash);
  p.line(10, 100, 190, 100);
  finish();
  int changes = 0;
  for (int x = 11; x < 190; ++x) changes += dark(x, 100) != dark(x - 1, 100);
  EXPECT_GE(changes, 8);
}

}  // namespace
