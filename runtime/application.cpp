#include "runtime/application.hpp"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

#include "runtime/keyboard_watch.hpp"
#include "runtime/printer/font_faces.hpp"
#include "runtime/services.hpp"

namespace rt {

namespace {

std::string running_program;

}  // namespace

struct Application::Impl {
  explicit Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
  QTranslator qt_texts;  // after the application: removed before it ends
};

namespace {

// The programs speak only Japanese, so Qt's own texts (the print dialog, the
// file chooser, the buttons of message boxes) are Japanese too, whatever the
// user's locale. Without Qt's translations installed those texts stay
// English and the program runs as usual: nothing to report at every start.
void install_japanese_qt_texts(QTranslator& translator) {
  if (translator.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);
}

}  // namespace

Application::Application(int& argc, char** argv, const std::string& program_name) {
  running_program = program_name;
  // The layouts are in 0.1 mm and the fonts in points: take the screen at 96
  // pixels per inch so that both keep their proportions everywhere.
  ::setenv("QT_FONT_DPI", "96", 0);
  impl_ = new Impl(argc, argv);
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

Application::~Application() { delete impl_; }

const std::string& Application::program_name() { return running_program; }

void report_runtime_error(const RuntimeError& error) {
  const std::string text = std::string(error.what()) + "\r\nモジュール: " + error.module() +
                           "  行: " + std::to_string(error.line());
  message_box(nullptr, text, "実行時エラー", MessageIcon::stop);
}

}  // namespace rt
