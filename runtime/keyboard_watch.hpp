// Inside the runtime: installs the application-wide keyboard watch.
#pragma once

class QApplication;

namespace rt {
void install_keyboard_watch(QApplication& app);
}  // namespace rt
