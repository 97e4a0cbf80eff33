#include "runtime/sequential_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
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

// The read position of a file opened for input, over the bytes read at the open.
struct InputCursor {
  const std::string& bytes;
  std::size_t& next;
  int peek() const { return next < bytes.size() ? static_cast<unsigned char>(bytes[next]) : EOF; }
  char get() { return bytes[next++]; }
  void skip_blanks() {
    while (is_blank(peek())) ++next;
  }
  // After a field: blanks, then one comma or colon if there is one.
  void skip_delimiter() {
    skip_blanks();
    if (peek() == ',' || peek() == ':') ++next;
  }
};

// Reads a plain file whole, up to one byte more than the longest allowed.
// Returns false, with errno set, when the system cannot read it.
bool read_up_to_limit(int fd, std::string& contents) {
  char buffer[65536];
  while (contents.size() <= kLongestInputFile) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    contents.append(buffer, static_cast<std::size_t>(got));
  }
  return true;
}

}  // namespace

SequentialFiles::~SequentialFiles() {
  for (auto& [number, f] : files_) {
    if (f.stream) std::fclose(f.stream);
  }
}

void SequentialFiles::open(int number, const std::string& path, FileMode mode, std::source_location where) {
  refuse_if_open(number, where);
  std::FILE* stream = nullptr;
  switch (mode) {
    case FileMode::input:
      return open_for_input(number, path, where);
    case FileMode::output:
      return adopt_output(number, ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666), path, where);
    case FileMode::append:
      stream = std::fopen(path.c_str(), "ab");
      break;
  }
  if (!stream) throw RuntimeError(system_message("ファイルを開けません", path), where);
  files_[number] = OpenFile{stream, mode, 0, {}, 0};
}

void SequentialFiles::open_for_input(int number, const std::string& path, std::source_location where) {
  // Without O_NONBLOCK the open of a named pipe would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    // No file at all is a first start; a file there that may not be opened
    // is someone's saved inputs.
    const ErrorKind kind = errno == ENOENT ? ErrorKind::other : ErrorKind::file_unreadable;
    throw RuntimeError(system_message("ファイルを開けません", path), kind, where);
  }
  struct stat st {};
  std::string contents;
  const bool plain = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const bool was_read = plain && read_up_to_limit(fd, contents);
  const int error = errno;
  ::close(fd);
  if (!plain) throw RuntimeError("通常のファイルではありません: " + path, where);
  if (!was_read) {
    errno = error;
    throw RuntimeError(system_message("ファイルを読み込めません", path), ErrorKind::file_unreadable, where);
  }
  if (contents.size() > kLongestInputFile) throw RuntimeError("ファイルが長すぎます: " + path, where);
  files_[number] = OpenFile{nullptr, FileMode::input, 0, std::move(contents), 0};
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
  files_[number] = OpenFile{stream, FileMode::output, 0, {}, 0};
}

void SequentialFiles::close(int number, std::source_location where) {
  const auto it = files_.find(number);
  if (it == files_.end()) return;
  const bool failed = it->second.stream && std::fclose(it->second.stream) != 0;
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
  if (!f.stream) return;  // input: read whole at the open, nothing to write out
  if (std::fflush(f.stream) != 0 || ::fsync(::fileno(f.stream)) != 0) {
    throw RuntimeError("ファイルをディスクに書き出せません: #" + std::to_string(number), where);
  }
}

SequentialFiles::OpenFile& SequentialFiles::input_file(int number, std::source_location where) {
  OpenFile& f = file(number, where);
  if (f.mode != FileMode::input) throw RuntimeError("出力用のファイルからは読み込めません", where);
  return f;
}

float SequentialFiles::input_number(int number, std::source_location where) {
  OpenFile& f = input_file(number, where);
  InputCursor in{f.contents, f.next};
  while (is_blank(in.peek()) || is_line_end(in.peek())) in.get();
  if (in.peek() == EOF) throw RuntimeError("ファイルの終わりを越えて読み込もうとしました", where);
  std::string token;
  for (int c = in.peek(); c != EOF && !is_blank(c) && !is_line_end(c) && c != ',' && c != ':'; c = in.peek()) {
    token += in.get();
  }
  in.skip_delimiter();
  const ValResult v = VAL(token);
  if (token.empty() || val_number_length(token) != token.size()) {
    throw RuntimeError("型が一致しません: " + token, where);
  }
  if (v.out_of_range) throw RuntimeError("オーバーフローしました: " + token, where);
  return static_cast<float>(v.value);
}

std::string SequentialFiles::input_text(int number, std::source_location where) {
  OpenFile& f = input_file(number, where);
  InputCursor in{f.contents, f.next};
  in.skip_blanks();
  if (in.peek() == EOF) throw RuntimeError("ファイルの終わりを越えて読み込もうとしました", where);
  std::string text;
  if (in.peek() == '"') {
    in.get();
    for (int c = in.peek(); c != EOF && c != '"' && !is_line_end(c); c = in.peek()) text += in.get();
    if (in.peek() == '"') in.get();
    in.skip_delimiter();
    return text;
  }
  bool quoted = false;
  for (int c = in.peek(); c != EOF && !is_line_end(c) && (quoted || (c != ',' && c != ':')); c = in.peek()) {
    if (c == '"') quoted = !quoted;
    text += in.get();
  }
  while (!text.empty() && is_blank(text.back())) text.pop_back();
  if (in.peek() == ',' || in.peek() == ':') in.get();
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
