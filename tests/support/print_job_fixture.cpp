#include "print_job_fixture.hpp"

#include <QApplication>
#include <QCursor>

#include "runtime/driver_hooks.hpp"
#include "runtime/printer/print_dialog_route.hpp"

namespace testing_support {

bool hourglass_shown() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

void PrintJobTest::SetUp() {
  rt::clear_print_dialog_answers();
  rt::driver::Hooks hooks;
  hooks.message_box = [this](const std::string& title, const std::string& text) { boxes.emplace_back(title, text); };
  rt::driver::set_hooks(hooks);
}

void PrintJobTest::TearDown() {
  rt::driver::set_hooks({});
  rt::clear_print_dialog_answers();
}

}  // namespace testing_support
