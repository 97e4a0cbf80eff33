#include "runtime/sequential_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>

#include "runtime/number_text.hpp"

namespace rt {

namespace {

constexpr int kZoneWidth = 14;

bool is_blank(int c) { return c == ' ' || c == '\t'; }
bool is_line_end(int c) { return c == '\r' || c == '\n'; }

std::string system_message(const std::string& what, const std::string& path) {
  return what + ": " + path + " (" + std::strerror(errno) + ")";
}

int peek(std::FILE* s) {
  const int c = std::fgetc(s);
  if (c != EOF) std::ungetc(c, s);
  return c;
}

void skip_blanks(std::FILE* s) {
  while (is_blank(peek(s))) std::fgetc(s);
}

// After a field: blanks, then one comma or colon if there is one.
void skip_delimiter(std::FILE* s) {
  skip_blanks(s);
  const int c = peek(s);
  if (c == ',' || c == ':') std::fgetc(s);
}

}  // namespace

SequentialFiles::~SequentialFiles() {
  for (auto& [number, f] : files_) std::fclose(f.stream);
}

void SequentialFiles::open(int number, const std::string& path, FileMode mode, std::source_location where) {
  refuse_if_open(number, where);
  std::FILE* stream = nullptr;
  switch (mode) {
    case FileMode::input:
      stream = std::fopen(path.c_str(), "rb");
      break;
    case FileMode::output:
      return adopt_output(number, ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666), path, where);
    case FileMode::append:
      stream = std::fopen(path.c_str(), "ab");
      break;
  }
  if (!stream) throw RuntimeError(system_message("ファイルを開けません", path), where);
  files_[number] = OpenFile{stream, mode, 0};
}

std::string SequentialFiles::open_new_beside(int number, const std::string& path, std::source_location where) {
  refuse_if_open(number, where);
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = path + ".";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    name += ".tmp";
    // O_EXCL with O_CREAT creates the file or fails; it never opens what is
    // there, a link to elsewhere included.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    adopt_output(number, fd, name, where);
    return name;
  }
  throw RuntimeError("一時ファイルを作成できません: " + path, where);
}

void SequentialFiles::refuse_if_open(int number, std::source_location where) const {
  if (is_open(number)) throw RuntimeError("ファイルは既に開いています: #" + std::to_string(number), where);
}

void SequentialFiles::adopt_output(int number, int fd, const std::string& path, std::source_location where) {
  std::FILE* stream = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
  if (!stream) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    errno = error;
    throw RuntimeError(system_message("ファイルを開けません", path), where);
  }
  files_[number] = OpenFile{stream, FileMode::output, 0};
}

void SequentialFiles::close(int number, std::source_location where) {
  const auto it = files_.find(number);
  if (it == files_.end()) return;
  const bool failed = std::fclose(it->second.stream) != 0;
  files_.erase(it);
  if (failed) throw RuntimeError("ファイルを閉じられません: #" + std::to_string(number), where);
}

bool SequentialFiles::is_open(int number) const { return files_.count(number) != 0; }

SequentialFiles::OpenFile& SequentialFiles::file(int number, std::source_location where) {
  const auto it = files_.find(number);
  if (it == files_.end()) throw RuntimeError("ファイルが開かれていません: #" + std::to_string(number), where);
  return it->second;
}

void SequentialFiles::write(OpenFile& f, const std::string& bytes, std::source_location where) {
  if (f.mode == FileMode::input) throw RuntimeError("入力用のファイルには書き込めません", where);
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.stream) != bytes.size()) {
    throw RuntimeError("ファイルに書き込めません", where);
  }
  f.column += static_cast<int>(bytes.size());
}

void SequentialFiles::print_number(int number, float value, std::source_location where) {
  write(file(number, where), number_text(value) + " ", where);
}

void SequentialFiles::print_bytes(int number, const std::string& bytes, std::source_location where) {
  write(file(number, where), bytes, where);
}

void SequentialFiles::next_zone(int number, std::source_location where) {
  OpenFile& f = file(number, where);
  const int target = (f.column / kZoneWidth + 1) * kZoneWidth;
  write(f, std::string(target - f.column, ' '), where);
}

void SequentialFiles::end_line(int number, std::source_location where) {
  OpenFile& f = file(number, where);
  write(f, "\r\n", where);
  f.column = 0;
  if (std::fflush(f.stream) != 0) throw RuntimeError("ファイルに書き込めません", where);
}

void SequentialFiles::flush_to_disk(int number, std::source_location where) {
  OpenFile& f = file(number, where);
  if (std::fflush(f.stream) != 0 || ::fsync(::fileno(f.stream)) != 0) {
    throw RuntimeError("ファイルをディスクに書き出せません: #" + std::to_string(number), where);
  }
}

float SequentialFiles::input_number(int number, std::source_location where) {
  std::FILE* s = file(number, where).stream;
  while (is_blank(peek(s)) || is_line_end(peek(s))) std::fgetc(s);
  if (peek(s) == EOF) throw RuntimeError("ファイルの終わりを越えて読み込もうとしました", where);
  std::string token;
  for (int c = peek(s); c != EOF && !is_blank(c) && !is_line_end(c) && c != ',' && c != ':'; c = peek(s)) {
    token += static_cast<char>(std::fgetc(s));
  }
  skip_delimiter(s);
  const ValResult v = VAL(token);
  if (token.empty() || val_number_length(token) != token.size()) {
    throw RuntimeError("型が一致しません: " + token, where);
  }
  if (v.out_of_range) throw RuntimeError("オーバーフローしました: " + token, where);
  return static_cast<float>(v.value);
}

std::string SequentialFiles::input_text(int number, std::source_location where) {
  std::FILE* s = file(number, where).stream;
  skip_blanks(s);
  if (peek(s) == EOF) throw RuntimeError("ファイルの終わりを越えて読み込もうとしました", where);
  std::string text;
  if (peek(s) == '"') {
    std::fgetc(s);
    for (int c = peek(s); c != EOF && c != '"' && !is_line_end(c); c = peek(s)) text += static_cast<char>(std::fgetc(s));
    if (peek(s) == '"') std::fgetc(s);
    skip_delimiter(s);
    return text;
  }
  bool quoted = false;
  for (int c = peek(s); c != EOF && !is_line_end(c) && (quoted || (c != ',' && c != ':')); c = peek(s)) {
    if (c == '"') quoted = !quoted;
    text += static_cast<char>(std::fgetc(s));
  }
  while (!text.empty() && is_blank(text.back())) text.pop_back();
  if (peek(s) == ',' || peek(s) == ':') std::fgetc(s);
  return text;
}

void kill_file(const std::string& path, std::source_location where) {
  if (std::remove(path.c_str()) != 0) throw RuntimeError(system_message("ファイルを削除できません", path), where);
}

void name_file(const std::string& from, const std::string& to, std::source_location where) {
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    throw RuntimeError(system_message("ファイルの名前を変更できません", from + " → " + to), where);
  }
  // The new name is written to the folder on disk as well. The file already
  // stands under it, so a folder that cannot be flushed (some file systems
  // refuse it) is left to the system's own write-back.
  const std::string folder = std::filesystem::path(to).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace rt

namespace rt {

SequentialFiles& files() {
  static SequentialFiles table;
  return table;
}

}  // namespace rt
