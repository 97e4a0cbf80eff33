// The main of the suites that print in-process (printer, sheets, compound
// sheets), headless: the offscreen platform unless another is set, one
// application object for print jobs and fonts, and the type-face stand-ins
// installed as the programs install them.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "runtime/printer/font_faces.hpp"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication::setAttribute(Qt::AA_Use96Dpi);
  QApplication app(argc, argv);
  rt::install_font_substitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
