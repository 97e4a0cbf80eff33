#include "runtime/application.hpp"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <cstdlib>

#include "runtime/keyboard_watch.hpp"
#include "runtime/printer/font_faces.hpp"
#include "runtime/runtime_objects.hpp"
#include "runtime/services.hpp"

namespace rt {

namespace {

std::string running_program;
QObject* own_objects = nullptr;

// Deletes every window: the main window with the menus, dialogs and boxes
// it owns, and any window of its own. Qt itself only takes the windows off
// the screen as the application object ends and leaves the objects behind;
// the input method's link to each window that ever had the keyboard (a
// menu's too) then ends after the application's event machinery is gone,
// and tries to start a timer there ("QObject::startTimer: Timers can only be
// used with threads started with QThread") instead of simply ending.
void delete_windows() {
  QList<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->parentWidget()) windows.append(w);
  }
  for (const QPointer<QWidget>& w : windows) delete w.data();  // empty when another window owned it
}

// The programs speak only Japanese, so Qt's own texts (the print dialog, the
// file chooser, the buttons of message boxes) are Japanese too, whatever the
// user's locale. Without Qt's translations installed those texts stay
// English and the program runs as usual: nothing to report at every start.
void install_japanese_qt_texts(QTranslator& translator) {
  if (translator.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);
}

}  // namespace

struct Application::Impl {
  explicit Impl(int& argc, char** argv) : app(argc, argv) {}
  ~Impl();
  QApplication app;
  QTranslator qt_texts;     // after the application: removed before it ends
  QObject runtime_objects;  // the keyboard watch, the openers' watches
};

// The program ends in order, while the application still has its event
// machinery: first the runtime's own watches, so that nothing is watched or
// queued while the windows go; then the windows, with all that the window
// system and the input method keep for them; then what was left to be
// deleted later. Qt's translations are removed after the windows (no window
// is translated again on its way out), and the application goes last.
Application::Impl::~Impl() {
  while (!runtime_objects.children().isEmpty()) delete runtime_objects.children().constFirst();
  delete_windows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Application::Application(int& argc, char** argv, const std::string& program_name) {
  running_program = program_name;
  // The layouts are in 0.1 mm and the fonts in points: take the screen at 96
  // pixels per inch so that both keep their proportions everywhere.
  ::setenv("QT_FONT_DPI", "96", 0);
  impl_ = new Impl(argc, argv);
  own_objects = &impl_->runtime_objects;
  install_japanese_qt_texts(impl_->qt_texts);
  // One look on every desktop: the forms give their own colours, and the
  // style must not repaint them from the desktop's theme.
  QApplication::setStyle("Fusion");
  install_font_substitutions();
  QFont base(QString::fromUtf8("ＭＳ ゴシック"));
  base.setPointSize(9);
  QApplication::setFont(base);
  install_keyboard_watch(impl_->app);
}

Application::~Application() {
  delete impl_;
  own_objects = nullptr;
}

const std::string& Application::program_name() { return running_program; }

namespace detail {

QObject* runtime_objects() { return own_objects ? own_objects : QCoreApplication::instance(); }

}  // namespace detail

void report_runtime_error(const RuntimeError& error) {
  const std::string text = std::string(error.what()) + "\r\nモジュール: " + error.module() +
                           "  行: " + std::to_string(error.line());
  message_box(nullptr, text, "実行時エラー", MessageIcon::stop);
}

}  // namespace rt
