#include "runtime/printer/qt_font.hpp"

#include "runtime/printer/font_faces.hpp"

namespace rt {

QFont qt_font(const FontSpec& font, int pixel_height) {
  QFont f(QString::fromStdString(platform_font_family(font.face)));
  f.setPixelSize(pixel_height > 0 ? pixel_height : 1);
  f.setBold(font.style.bold);
  f.setItalic(font.style.italic);
  f.setUnderline(font.style.underline);
  f.setStrikeOut(font.style.strikeout);
  // Keep glyph positions at their design widths; the cells do the layout.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

}  // namespace rt
