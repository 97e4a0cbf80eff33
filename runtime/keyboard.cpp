#include "runtime/keyboard.hpp"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <deque>
#include <map>

#include "runtime/cp932.hpp"
#include "runtime/form_window.hpp"
#include "runtime/keyboard_watch.hpp"
#include "runtime/loop_wake.hpp"
#include "runtime/message_loop.hpp"
#include "runtime/runtime_objects.hpp"
#include "runtime/x11_key_state.hpp"

namespace rt {

namespace {

// One press of Enter, Up or Down made in an entry field of the main window.
// It is kept until the navigation loop has read it and its release has
// come, so that a press shorter than one pass of the loop is still seen, and
// a press the loop reads while it is held is waited out to its release.
struct Press {
  bool read = false;        // a read has reported it held
  bool released = false;
  std::uint32_t keycode = 0;  // the X key code, when the X server can confirm the release
};

struct KeyPresses {
  std::deque<Press> presses;  // in the order they were made; the front is read first
  // A release that the X server did not confirm (the key was still down):
  // the release half of an auto-repeat, unless a later press shows that the
  // key really went up in between.
  bool unconfirmed_release = false;
  unsigned long unconfirmed_release_time = 0;
};

struct KeyboardState {
  KeyPresses keys[3];
  std::map<QObject*, QString> compositions;  // open compositions by edit
  long focus_changes = 0;
  long focus_changes_seen = 0;  // as of the loop's last look at the focus
};

KeyboardState& state() {
  static KeyboardState s;
  return s;
}

int index_of(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return static_cast<int>(Key::enter);
    case Qt::Key_Up:
      return static_cast<int>(Key::up);
    case Qt::Key_Down:
      return static_cast<int>(Key::down);
    default:
      return -1;
  }
}

// The entry fields are the edits of the main window; presses anywhere else
// (a dialog, the about box, a check box) are not the navigation's.
bool is_main_window_edit(const QObject* object) {
  const auto* edit = qobject_cast<const QLineEdit*>(object);
  if (!edit) return false;
  const auto* form = dynamic_cast<const detail::FormWindow*>(edit->window());
  return form && form->is_main();
}

void on_press(const QKeyEvent& k, KeyPresses& key) {
  if (k.isAutoRepeat()) return;
  if (!key.presses.empty() && !key.presses.back().released) {
    // The key is held already: this is its auto-repeat, unless a release
    // the X server did not confirm came before it.
    const bool went_up_between = key.unconfirmed_release && key.unconfirmed_release_time < k.timestamp();
    if (!went_up_between) return;
    key.presses.back().released = true;
  }
  key.unconfirmed_release = false;
  key.presses.push_back(Press{false, false, k.nativeScanCode()});
  detail::wake_loop();
}

void on_release(const QKeyEvent& k, KeyPresses& key) {
  if (k.isAutoRepeat() || key.presses.empty() || key.presses.back().released) return;
  Press& held = key.presses.back();
  if (detail::x11_key_down(held.keycode).value_or(false)) {
    key.unconfirmed_release = true;
    key.unconfirmed_release_time = k.timestamp();
    return;
  }
  held.released = true;
  detail::wake_loop();
}

// The focus went somewhere that is not an entry field (a check box, a
// dialog, another program): the presses are dropped, read or not, since
// their releases go elsewhere; a key being waited out then reads as up.
// Between entry fields the presses stay: a press made in one field before
// the loop moved on to the next belongs to the next.
void on_focus_change(QWidget* now) {
  KeyboardState& s = state();
  ++s.focus_changes;
  if (!is_main_window_edit(now)) {
    for (KeyPresses& key : s.keys) {
      key.presses.clear();
      key.unconfirmed_release = false;
    }
  }
  detail::note_focus_change();
}

// The real state of a held key on an X server: a release that went to
// another window still ends the press.
void confirm_release(Press& press) {
  if (!press.released && detail::x11_key_down(press.keycode) == false) press.released = true;
}

// Watches every event of the application: presses and releases of Enter, Up
// and Down, and the input method's composition of each edit.
class Watch : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        const int i = index_of(k->key());
        if (i < 0) break;
        KeyPresses& key = state().keys[i];
        // A key event travels from the window to the focused widget and on
        // to its parents: a press counts once, at the entry field itself; a
        // release counts wherever it arrives.
        if (event->type() == QEvent::KeyPress) {
          if (is_main_window_edit(watched)) on_press(*k, key);
        } else {
          on_release(*k, key);
        }
        break;
      }
      case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->preeditString().isEmpty()) state().compositions.erase(watched);
        else state().compositions[watched] = im->preeditString();
        detail::wake_loop();
        break;
      }
      case QEvent::FocusOut:
        state().compositions.erase(watched);
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

void install_keyboard_watch(QApplication& app) {
  auto* watch = new Watch(detail::runtime_objects());
  app.installEventFilter(watch);
  QObject::connect(&app, &QApplication::focusChanged, watch, [](QWidget*, QWidget* now) { on_focus_change(now); });
}

namespace detail {

bool key_press_waiting() {
  bool unread = false;
  for (const KeyPresses& key : state().keys) {
    if (key.presses.empty()) continue;
    if (key.presses.front().read) return false;  // a key is being waited out
    unread = true;
  }
  return unread;
}

}  // namespace detail

// A press reads as held from its first read until its release, and then
// once as not held, so that the loop waiting it out sees it end even when
// the next press of the key is already waiting. A press not read yet is
// only read by a pass that looked at the field it was made in: after a
// focus change the loop first looks at the focus again.
bool key_down(Key which) {
  process_messages();
  KeyboardState& s = state();
  KeyPresses& key = s.keys[static_cast<int>(which)];
  if (key.presses.empty()) return false;
  Press& front = key.presses.front();
  confirm_release(front);
  if (!front.read) {
    if (s.focus_changes_seen != s.focus_changes) return false;
    front.read = true;
  } else if (front.released) {
    key.presses.pop_front();
    return false;
  }
  loop_activity().key_reads_down.fetch_add(1);
  return true;
}

WindowHandle focused_window() {
  state().focus_changes_seen = state().focus_changes;
  return reinterpret_cast<WindowHandle>(QApplication::focusWidget());
}

int ime_composition_length(WindowHandle window) {
  const auto it = state().compositions.find(reinterpret_cast<QObject*>(window));
  if (it == state().compositions.end()) return 0;
  return static_cast<int>(cp932::byte_length(it->second.toStdString()));
}

}  // namespace rt
