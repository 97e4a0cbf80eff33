#include "runtime/keyboard.hpp"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <map>

#include "runtime/cp932.hpp"
#include "runtime/keyboard_watch.hpp"
#include "runtime/message_loop.hpp"

namespace rt {

namespace {

struct KeyboardState {
  bool held[3] = {false, false, false};
  std::map<QObject*, QString> compositions;  // open compositions by edit
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

// Watches every event of the application: key presses and releases of
// Enter, Up and Down (auto-repeats ignored), and the input method's
// composition of each edit.
class Watch : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        const int i = index_of(k->key());
        if (i >= 0 && !k->isAutoRepeat()) state().held[i] = event->type() == QEvent::KeyPress;
        break;
      }
      case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->preeditString().isEmpty()) state().compositions.erase(watched);
        else state().compositions[watched] = im->preeditString();
        break;
      }
      case QEvent::FocusOut:
        state().compositions.erase(watched);
        break;
      case QEvent::ApplicationDeactivate:
        for (bool& h : state().held) h = false;
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

void install_keyboard_watch(QApplication& app) { app.installEventFilter(new Watch(&app)); }

bool key_down(Key key) {
  process_messages();
  const bool down = state().held[static_cast<int>(key)];
  if (down) loop_activity().key_reads_down.fetch_add(1);
  return down;
}

WindowHandle focused_window() { return reinterpret_cast<WindowHandle>(QApplication::focusWidget()); }

int ime_composition_length(WindowHandle window) {
  const auto it = state().compositions.find(reinterpret_cast<QObject*>(window));
  if (it == state().compositions.end()) return 0;
  return static_cast<int>(cp932::byte_length(it->second.toStdString()));
}

}  // namespace rt
