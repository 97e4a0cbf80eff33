#include "runtime/printer/font_faces.hpp"

#include <QFont>
#include <QString>
#include <QStringList>

namespace rt {

namespace {

struct FaceMapping {
  std::string_view face;
  std::string_view family;
  bool proportional;
};

// The full-width names the programs use, and their Latin spellings.
constexpr FaceMapping kFaces[] = {
    {"ＭＳ ゴシック", "IPAGothic", false},
    {"ＭＳ Ｐゴシック", "IPAPGothic", true},
    {"ＭＳ 明朝", "IPAMincho", false},
    {"ＭＳ Ｐ明朝", "IPAPMincho", true},
    {"MS Gothic", "IPAGothic", false},
    {"MS PGothic", "IPAPGothic", true},
    {"MS Mincho", "IPAMincho", false},
    {"MS PMincho", "IPAPMincho", true},
};

const FaceMapping* find(std::string_view face) {
  for (const FaceMapping& m : kFaces)
    if (m.face == face) return &m;
  return nullptr;
}

}  // namespace

std::string platform_font_family(std::string_view face) {
  const FaceMapping* m = find(face);
  return std::string(m ? m->family : face);
}

bool is_proportional_face(std::string_view face) {
  const FaceMapping* m = find(face);
  return m ? m->proportional : false;
}

void install_font_substitutions() {
  for (const FaceMapping& m : kFaces) {
    const QString face = QString::fromUtf8(m.face.data(), static_cast<qsizetype>(m.face.size()));
    const QString family = QString::fromUtf8(m.family.data(), static_cast<qsizetype>(m.family.size()));
    if (!QFont::substitutes(face).contains(family)) QFont::insertSubstitution(face, family);
  }
}

}  // namespace rt
