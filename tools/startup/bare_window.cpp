// bare_window WIDTH HEIGHT: the reference of tools/measure-startup.py. A bare
// Qt 6 program that shows one empty main window of the given size and prints
// a line from a 0 ms timer once it is shown, then ends.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bare_window WIDTH HEIGHT\n");
    return 2;
  }
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
  window.show();
  QTimer::singleShot(0, [] {
    std::printf("shown\n");
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  return app.exec();
}
