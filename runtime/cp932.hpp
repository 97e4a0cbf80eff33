// Shift-JIS (code page 932) at the edges of the program: the programs keep
// their text as UTF-8, while saved files hold cp932 bytes and the layouts of
// the sheets count one cp932 byte as one character cell (half-width one,
// full-width two). glibc iconv does the conversion; "CP932" rather than
// "SHIFT_JIS", because only CP932 carries the vendor characters (①, ～ as
// U+FF5E, － as U+FF0D) that the programs' texts use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rt::cp932 {

// UTF-8 text converted to cp932 bytes. A character that cp932 cannot hold
// (and each byte of malformed UTF-8) becomes one "?" and clears `complete`.
struct Encoded {
  std::string bytes;
  bool complete = true;
};

Encoded from_utf8(std::string_view utf8);

// cp932 bytes converted to UTF-8; a byte that starts no valid cp932
// character becomes U+FFFD.
std::string to_utf8(std::string_view bytes);

// Number of cp932 bytes of UTF-8 text, as from_utf8 would write them.
std::size_t byte_length(std::string_view utf8);

// Length in bytes of the UTF-8 character that starts `text` (1 for a byte
// that starts no valid character, 0 for empty text).
std::size_t utf8_char_length(std::string_view text);

}  // namespace rt::cp932
