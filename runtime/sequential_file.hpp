// Numbered sequential files (#1, #2, ...) as the program statements use them:
// open for input, output or append, print a line of items in 14-column zones,
// read a list of values, flush to disk, close, delete or rename a file by
// name. Every failure is a
// RuntimeError raised at the caller's statement, so that a module's error
// trap can catch it.
//
// A file opened for input is read whole when it is opened, and only when it
// is a plain file of at most kLongestInputFile bytes: whatever else stands
// under its name (a named pipe, a device, an endless file) is refused at
// once instead of holding the program.
//
// The files hold bytes: callers convert text to and from the file's code
// page. Columns are counted in bytes.
#pragma once

#include <cstddef>
#include <cstdio>
#include <map>
#include <source_location>
#include <string>

#include "runtime/runtime_error.hpp"

namespace rt {

// Far above the longest record the programs write: a title of the edits'
// 32767 characters takes 64 KiB in cp932, the numbers a few hundred bytes.
constexpr std::size_t kLongestInputFile = 1024 * 1024;

enum class FileMode {
  input,   // the file must exist
  output,  // a new file is created; fails when the file exists
  append,  // created when missing
};

class SequentialFiles {
 public:
  SequentialFiles() = default;
  SequentialFiles(const SequentialFiles&) = delete;
  SequentialFiles& operator=(const SequentialFiles&) = delete;
  ~SequentialFiles();

  // Opening for input fails with ErrorKind::file_unreadable when the file is
  // there but may not be opened or read; a missing file, or one that is no
  // plain file or longer than kLongestInputFile, fails as any other error.
  void open(int number, const std::string& path, FileMode mode,
            std::source_location where = std::source_location::current());
  // Opens a new file for output under a name of its own beside `path`
  // (`path`, a dot, six random letters and ".tmp"), created exclusively:
  // whatever already stands under a name tried (a file, a folder, a link)
  // is neither opened nor followed, and another name is tried. Returns the
  // name of the file it made.
  std::string open_new_beside(int number, const std::string& path,
                              std::source_location where = std::source_location::current());
  // Closing a file that is not open does nothing.
  void close(int number, std::source_location where = std::source_location::current());
  bool is_open(int number) const;

  // Print statement pieces. A number is printed as its number text and one
  // blank; `next_zone` moves to the next multiple of 14 columns (14 further
  // columns when the line already stands on one); `end_line` writes CR LF.
  void print_number(int number, float value, std::source_location where = std::source_location::current());
  void print_bytes(int number, const std::string& bytes,
                   std::source_location where = std::source_location::current());
  void next_zone(int number, std::source_location where = std::source_location::current());
  void end_line(int number, std::source_location where = std::source_location::current());
  // Hands everything printed so far to the disk and waits until it is there,
  // so that a crash or power loss after this cannot leave the file short.
  void flush_to_disk(int number, std::source_location where = std::source_location::current());

  // List input. A number field: blanks and line ends before it are skipped;
  // it ends at a blank, comma, colon or line end, and must be a whole number
  // text within the single precision range. A text field: blanks before it
  // are skipped; a field that begins with a double quote is read up to the
  // closing quote; otherwise up to the first comma or colon outside double
  // quotes or the line end, trailing blanks removed. A field after the end
  // of the file is an error.
  float input_number(int number, std::source_location where = std::source_location::current());
  std::string input_text(int number, std::source_location where = std::source_location::current());

 private:
  struct OpenFile {
    std::FILE* stream = nullptr;  // output and append
    FileMode mode = FileMode::input;
    int column = 0;
    std::string contents;  // input: the whole file, read at the open
    std::size_t next = 0;  // input: where the next field starts
  };
  OpenFile& file(int number, std::source_location where);
  OpenFile& input_file(int number, std::source_location where);
  void open_for_input(int number, const std::string& path, std::source_location where);
  // Opening a number that is open is an error.
  void refuse_if_open(int number, std::source_location where) const;
  // Takes the descriptor of a file just created for output as #number.
  void adopt_output(int number, int fd, const std::string& path, std::source_location where);
  void write(OpenFile& f, const std::string& bytes, std::source_location where);

  std::map<int, OpenFile> files_;
};

// Deletes a file by name; a missing file is an error.
void kill_file(const std::string& path, std::source_location where = std::source_location::current());

// Gives a file a new name in one step; a file already under the new name is
// replaced, so that the name always stands for the one file or the other,
// whole. Both names lie in the same folder.
void name_file(const std::string& from, const std::string& to,
               std::source_location where = std::source_location::current());

}  // namespace rt

namespace rt {

// The program's numbered files.
SequentialFiles& files();

}  // namespace rt
