#include "runtime/message_loop.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "runtime/runtime_error.hpp"

namespace rt {

namespace {

std::atomic<bool> end_requested{false};

void end_if_requested() {
  if (end_requested.load()) throw ProgramEnd{0};
}

}  // namespace

LoopActivity& loop_activity() {
  static LoopActivity activity;
  return activity;
}

void process_messages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  end_if_requested();
}

void pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  end_if_requested();
}

void end_program(int exit_code) { throw ProgramEnd{exit_code}; }

void request_end() { end_requested.store(true); }

}  // namespace rt
