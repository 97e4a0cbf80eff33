#include "runtime/cp932.hpp"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace rt::cp932 {

namespace {

// One conversion descriptor per direction and thread, opened on first use
// and reset before every conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in` and appends the result to `out`. Where a sequence cannot
  // be converted, `skip(rest)` says how many input bytes to drop and
  // `replacement` is written in their place. Returns false when anything
  // was replaced.
  template <typename Skip>
  bool convert(std::string_view in, std::string& out, std::string_view replacement, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    bool complete = true;
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buffer[256];
    while (src_left > 0) {
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or cut-off sequence.
      const std::size_t n = skip(std::string_view(src, src_left));
      src += n;
      src_left -= n;
      out += replacement;
      complete = false;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return complete;
  }

 private:
  iconv_t cd_;
};

Converter& encoder() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

Converter& decoder() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

bool is_continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8_char_length(std::string_view text) {
  if (text.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(text[0]);
  std::size_t n = 0;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) n = 2;
  else if (b0 >= 0xE0 && b0 <= 0xEF) n = 3;
  else if (b0 >= 0xF0 && b0 <= 0xF4) n = 4;
  else return 1;
  if (text.size() < n) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if (!is_continuation(static_cast<unsigned char>(text[i]))) return 1;
  return n;
}

Encoded from_utf8(std::string_view utf8) {
  Encoded e;
  e.bytes.reserve(utf8.size());
  e.complete = encoder().convert(utf8, e.bytes, "?", utf8_char_length);
  return e;
}

std::string to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  decoder().convert(bytes, out, "\xEF\xBF\xBD", [](std::string_view) -> std::size_t { return 1; });
  return out;
}

std::size_t byte_length(std::string_view utf8) { return from_utf8(utf8).bytes.size(); }

}  // namespace rt::cp932
