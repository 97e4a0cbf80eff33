#include "script_runner.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <thread>

#include "runtime/form_window.hpp"
#include "runtime/message_loop.hpp"
#include "runtime/printer/print_dialog_route.hpp"

namespace drive {

namespace {

using Clock = std::chrono::steady_clock;
// How long the driver waits for the program to start or catch up: long
// enough that only a hang runs out of it, however busy the machine.
constexpr auto kTimeout = std::chrono::seconds(120);

// Runs f on the program's thread and waits for it.
template <class F>
void gui(F f) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), f, Qt::BlockingQueuedConnection);
}

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

Qt::Key key_of(const std::string& name) {
  if (name == "Enter") return Qt::Key_Return;
  if (name == "Up") return Qt::Key_Up;
  if (name == "Down") return Qt::Key_Down;
  if (name == "Tab") return Qt::Key_Tab;
  return Qt::Key_unknown;
}

QWidget* key_target() {
  if (QWidget* w = QApplication::focusWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  const auto forms = rt::detail::open_forms();
  return forms.empty() ? nullptr : forms.front();
}

std::string text_of(QWidget* w) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
  if (auto* c = qobject_cast<QCheckBox*>(w)) return c->isChecked() ? "1" : "0";
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QPushButton*>(w)) return b->text().toStdString();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title().toStdString();
  return "";
}

// A menu item can be chosen when it and every menu above it are enabled.
bool reachable(QAction* action) {
  if (!action->isEnabled()) return false;
  for (QObject* o : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(o)) {
      if (menu->menuAction() != action && !reachable(menu->menuAction())) return false;
    }
  }
  return true;
}

void dump() {
  for (rt::detail::FormWindow* form : rt::detail::open_forms()) {
    std::printf("%s=%s\n", form->form_name().toStdString().c_str(), form->windowTitle().toStdString().c_str());
    for (const auto& [name, w] : form->controls()) {
      if (w) std::printf("%s=%s\n", name.toStdString().c_str(), text_of(w).c_str());
    }
    for (const auto& [name, a] : form->menu_items()) {
      if (a) std::printf("menu %s %s\n", name.toStdString().c_str(), a->isEnabled() ? "enabled" : "grey");
    }
  }
  QWidget* focus = QApplication::focusWidget();
  std::string focus_name;
  if (auto* client = dynamic_cast<rt::detail::ClientArea*>(focus)) {
    focus_name = static_cast<rt::detail::FormWindow*>(client->parentWidget())->form_name().toStdString();
  } else if (focus) {
    focus_name = focus->objectName().toStdString();
  }
  std::printf("focus=%s\n", focus_name.c_str());
}

}  // namespace

void ScriptRunner::fail(const Action& a, const std::string& why) {
  std::fprintf(stderr, "drive: line %d: %s %s: %s\n", a.line, a.verb.c_str(), a.target.c_str(), why.c_str());
  failed_.store(true);
}

bool ScriptRunner::wait_until_started() {
  const auto deadline = Clock::now() + kTimeout;
  while (rt::loop_activity().passes.load() == 0) {
    if (Clock::now() > deadline) return false;
    sleep_ms(2);
  }
  wait_idle();
  return true;
}

// The program has caught up when its main loop has made two passes since
// now (so its keyboard check has run), or sleeps having seen everything,
// and no event is queued or running.
void ScriptRunner::wait_idle() {
  const long start = rt::loop_activity().passes.load();
  const auto deadline = Clock::now() + kTimeout;
  for (;;) {
    // While a key is held the keyboard check waits for its release and the
    // loop makes no passes: then only the queued events count.
    const bool passed = keys_held_ > 0 || rt::loop_activity().passes.load() >= start + 2;
    bool idle = false;
    gui([&idle, passed] { idle = rt::events_idle() && (passed || rt::loop_asleep_and_caught_up()); });
    if (idle) return;
    if (Clock::now() > deadline) {
      std::fprintf(stderr, "drive: the program did not become idle\n");
      std::fflush(nullptr);
      std::_Exit(4);
    }
    sleep_ms(2);
  }
}

// A press is held until the program's keyboard check has read it (or, when
// the focus is on no entry field and nothing reads keys, for three passes
// of its loop or until it sleeps), as a person's key press lasts longer
// than one check.
void ScriptRunner::key_stroke(const Action& a, bool press, bool release) {
  const Qt::Key key = key_of(a.target);
  if (key == Qt::Key_unknown) return fail(a, "unknown key");
  if (press) {
    const long reads = rt::loop_activity().key_reads_down.load();
    const long passes = rt::loop_activity().passes.load();
    gui([key] {
      if (QWidget* w = key_target()) QTest::keyPress(w, key);
    });
    ++keys_held_;
    const auto deadline = Clock::now() + kTimeout;
    for (;;) {
      if (rt::loop_activity().key_reads_down.load() != reads || rt::loop_activity().passes.load() >= passes + 3 ||
          Clock::now() > deadline) {
        break;
      }
      bool asleep = false;
      gui([&asleep] { asleep = rt::loop_asleep_and_caught_up(); });
      if (asleep) break;
      sleep_ms(1);
    }
  }
  if (release) {
    gui([key] {
      if (QWidget* w = key_target()) QTest::keyRelease(w, key);
    });
    if (keys_held_ > 0) --keys_held_;
  }
}

bool ScriptRunner::perform(const Action& a) {
  const QString target = QString::fromStdString(a.target);
  const QString text = QString::fromStdString(a.text);
  std::string problem;
  if (a.verb == "dump") {
    gui([] { dump(); });
  } else if (a.verb == "wait") {
    sleep_ms(std::atoi(a.target.c_str()));
  } else if (a.verb == "print-to") {
    // The next print dialog answers OK with a PDF file as the printer.
    const std::string path = a.text.empty() ? a.target : a.target + " " + a.text;
    rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(path));
  } else if (a.verb == "cancel-print") {
    rt::answer_next_print_dialog(rt::PrintDialogAnswer::cancel());
  } else if (a.verb == "key") {
    if (a.target == "Tab") {
      gui([] {
        if (QWidget* w = key_target()) QTest::keyClick(w, Qt::Key_Tab);
      });
    } else {
      key_stroke(a, true, true);
    }
  } else if (a.verb == "press" || a.verb == "release") {
    key_stroke(a, a.verb == "press", a.verb == "release");
  } else if (a.verb == "close" || a.verb == "end") {
    finished_.store(true);
    gui([&a] {
      if (a.verb == "end") {
        if (QAction* pend = rt::detail::find_menu_item_anywhere("PEND")) pend->trigger();
      } else if (!rt::detail::open_forms().empty()) {
        rt::detail::open_forms().front()->close();
      }
    });
    return false;
  } else if (a.verb == "menu") {
    gui([&] {
      QAction* item = rt::detail::find_menu_item_anywhere(target);
      if (!item) problem = "no such menu item";
      else if (!reachable(item)) std::printf("menu %s is grey\n", a.target.c_str());
      else item->trigger();
    });
  } else {
    gui([&] {
      QWidget* w = rt::detail::find_control_anywhere(target);
      if (!w) {
        problem = "no such control";
        return;
      }
      if (a.verb == "type") {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (!edit) return void(problem = "not an edit");
        // As typing: the text replaces what was there, one character at a
        // time, each within the edit's limit.
        edit->selectAll();
        if (text.isEmpty()) edit->del();
        for (const QChar c : text) edit->insert(QString(c));
      } else if (a.verb == "compose") {
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(w, &composing);
        composing_[a.target] = text;
      } else if (a.verb == "commit") {
        // The open composition becomes the edit's text.
        QInputMethodEvent done;
        done.setCommitString(composing_[a.target]);
        QCoreApplication::sendEvent(w, &done);
        composing_.erase(a.target);
      } else if (a.verb == "click") {
        QTest::mouseClick(w, Qt::LeftButton);
      } else if (a.verb == "save-picture") {
        auto* box = dynamic_cast<rt::detail::PictureBox*>(w);
        if (!box) return void(problem = "not a picture box");
        if (!box->image().save(text, "PNG")) problem = "cannot write " + a.text;
      } else if (a.verb == "check") {
        auto* box = qobject_cast<QCheckBox*>(w);
        if (!box) return void(problem = "not a check box");
        box->setChecked(a.text == "1");
      }
    });
  }
  if (!problem.empty()) fail(a, problem);
  wait_idle();
  return true;
}

void ScriptRunner::run() {
  if (!wait_until_started()) {
    std::fprintf(stderr, "drive: the program did not start\n");
    failed_.store(true);
    finished_.store(true);
    return;
  }
  for (const Action& a : actions_) {
    if (!perform(a)) return;
  }
  // The script is done: the program is closed as by its close box.
  finished_.store(true);
  gui([] {
    if (!rt::detail::open_forms().empty()) rt::detail::open_forms().front()->close();
  });
}

}  // namespace drive
