// The type faces the programs name, and the installed faces that stand in
// for them: "ＭＳ ゴシック" is drawn with IPAGothic, "ＭＳ Ｐゴシック" with
// IPAPGothic, "ＭＳ 明朝" with IPAMincho (Debian's fonts-ipafont). IPAGothic
// and IPAMincho are fixed pitch with half-width characters exactly half the
// em, the widths the layouts assume.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The installed family for a face name; other names come back unchanged.
std::string platform_font_family(std::string_view face);

// True for the proportional faces ("ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝"), whose
// texts are drawn with the face's own widths rather than in cells.
bool is_proportional_face(std::string_view face);

// Registers the stand-ins with the font system, so that any font asked for
// by one of the programs' face names finds its IPA face. Needs the
// application object; safe to call more than once.
void install_font_substitutions();

}  // namespace rt
