#include "frame/io_file.hpp"

#include <cfloat>
#include <cmath>

#include "runtime/cp932.hpp"
#include "runtime/file_lock.hpp"
#include "runtime/runtime_error.hpp"
#include "runtime/sequential_file.hpp"

namespace frame {

namespace {

constexpr int kFile = 1;

// An out-of-range input (held as an infinity) is saved as the largest single
// of its sign, so that the record always reads back.
float savable(Single x) {
  const float v = x.value();
  if (std::isinf(v)) return std::copysign(FLT_MAX, v);
  return v;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Whether the title, written as it is, reads back whole: the reader skips
// leading blanks, treats a leading quote as the start of a quoted text, ends
// at a comma or colon outside quotes and drops trailing blanks.
bool reads_back_unquoted(const std::string& t) {
  if (t.empty()) return true;
  if (is_blank(t.front()) || t.front() == '"' || is_blank(t.back())) return false;
  bool quoted = false;
  for (char c : t) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ',' || c == ':')) return false;
  }
  return true;
}

void print_record(const SavedInputs& list) {
  rt::SequentialFiles& f = rt::files();
  for (const SavedNumber& n : list.numbers) {
    f.print_number(kFile, savable(*n.value));
    f.next_zone(kFile);
  }
  f.print_bytes(kFile, title_field_bytes(*list.title));
  f.end_line(kFile);
}

void close_quietly() {
  try {
    rt::files().close(kFile);
  } catch (const rt::RuntimeError&) {
    // The file is gone from the table either way.
  }
}

// What a failed replacement leaves behind: #1 open, a temporary file of
// this save's own that may be short. Neither is of use, and the file itself
// is untouched.
void discard_temporary(const std::string& temporary) {
  close_quietly();
  if (temporary.empty()) return;
  try {
    rt::kill_file(temporary);
  } catch (const rt::RuntimeError&) {
    // It cannot go: it is only a leftover beside the file, which no load reads.
  }
}

// Steps of a save, also used by the handler to replace the file: wait while
// another copy replaces it, write the record into a new file of this save's
// own beside it, then give that file the file's name. Until that last step
// the file keeps its previous record; a file that other copies or earlier
// saves left beside it is never opened, so it cannot stand in the way.
void replace_file(const SavedInputs& list, const SaveStepHook& before_step) {
  rt::SequentialFiles& f = rt::files();
  const auto step = [&](SaveStep next) {
    if (before_step) before_step(next);
  };
  step(SaveStep::wait_for_other_saves);
  const rt::FileLock others_wait(list.file_name);
  std::string temporary;
  try {
    step(SaveStep::open_temporary);
    temporary = f.open_new_beside(kFile, list.file_name);
    step(SaveStep::print_record);
    print_record(list);
    step(SaveStep::flush_to_disk);
    f.flush_to_disk(kFile);
    step(SaveStep::close_temporary);
    f.close(kFile);
    step(SaveStep::move_over_file);
    rt::name_file(temporary, list.file_name);
  } catch (const rt::RuntimeError&) {
    discard_temporary(temporary);
    throw;
  }
}

void load(const SavedInputs& list) {
  rt::SequentialFiles& f = rt::files();
  f.open(kFile, list.file_name, rt::FileMode::input);
  for (const SavedNumber& n : list.numbers) *n.value = f.input_number(kFile);
  *list.title = rt::cp932::to_utf8(f.input_text(kFile));
  f.close(kFile);
}

void store_defaults(const SavedInputs& list) {
  for (const SavedNumber& n : list.numbers) *n.value = n.default_value;
  *list.title = list.default_title;
}

}  // namespace

std::string title_field_bytes(const std::string& title) {
  std::string t = rt::cp932::to_utf8(rt::cp932::from_utf8(title).bytes);
  if (reads_back_unquoted(t)) return rt::cp932::from_utf8(t).bytes;
  if (t.find('"') != std::string::npos) {
    // A quoted text ends at the next quote: inner quotes become full-width.
    std::string inner;
    for (char c : t) inner += c == '"' ? std::string("＂") : std::string(1, c);
    t = inner;
  }
  return rt::cp932::from_utf8("\"" + t + "\"").bytes;
}

IoResult IO_FILE(Single mode, const SavedInputs& list, const SaveStepHook& before_step) {
  // Each pass is one try of the load; a handled failure puts the defaults in
  // place and tries again. Three passes are more than a working folder ever
  // needs.
  for (int pass = 0; pass < 3; ++pass) {
    try {
      if (mode == kLoad) {
        load(list);
      } else {
        replace_file(list, before_step);
      }
      return IoResult::done;
    } catch (const rt::RuntimeError& error) {
      close_quietly();
      // A failed save keeps the previous record: writing the defaults over
      // it would lose the inputs of the last good save as well.
      if (mode != kLoad) return IoResult::cannot_write;
      store_defaults(list);
      // A record this user may not open or read (another user's, in a
      // shared folder) is someone's saved inputs, not a damaged record: it
      // stays as it is.
      if (error.kind() == rt::ErrorKind::file_unreadable) return IoResult::cannot_read;
      // Handler: the defaults replace the caller's values and the file.
      try {
        replace_file(list, before_step);
      } catch (const rt::RuntimeError&) {
        return IoResult::cannot_write;
      }
    }
  }
  return IoResult::cannot_write;
}

}  // namespace frame
