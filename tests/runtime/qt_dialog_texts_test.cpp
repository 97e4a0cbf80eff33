// Qt's own dialogs in Japanese: the print dialog the print commands show, the
// runtime's message box and the file chooser behind the print dialog's
// file button, each shown for real on the application the programs start
// with (whatever the user's locale), read while it is open, then closed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "runtime/application.hpp"
#include "runtime/printer/print_job.hpp"
#include "runtime/services.hpp"

namespace {

struct DialogTexts {
  std::string title;
  std::vector<std::string> buttons;  // the buttons on show, in widget order

  bool has_button(const std::string& text) const {
    return std::find(buttons.begin(), buttons.end(), text) != buttons.end();
  }
};

// Runs `open`, which shows a modal dialog and returns when it is closed;
// meanwhile reads the dialog's title and the texts of its buttons on show,
// then rejects it.
DialogTexts read_modal_dialog(const std::function<void()>& open) {
  DialogTexts texts;
  QElapsedTimer waited;
  waited.start();
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(top);
      if (!dialog || !dialog->isVisible()) continue;
      texts.title = dialog->windowTitle().toStdString();
      for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(dialog) && !b->text().isEmpty()) texts.buttons.push_back(b->text().toStdString());
      poll.stop();
      dialog->reject();
      return;
    }
    if (waited.elapsed() > 10000) poll.stop();  // no dialog came: the checks fail
  });
  poll.start();
  open();
  return texts;
}

TEST(QtDialogTexts, PrintDialogIsJapanese) {
  rt::DialogAnswer answer = rt::DialogAnswer::Ok;
  const DialogTexts dialog = read_modal_dialog([&] { answer = rt::PrintJob().show_print_dialog(); });
  EXPECT_EQ(answer, rt::DialogAnswer::Cancelled);
  EXPECT_EQ(dialog.title, "印刷");
  EXPECT_TRUE(dialog.has_button("印刷(&P)"));
  EXPECT_TRUE(dialog.has_button("キャンセル"));
  EXPECT_TRUE(dialog.has_button("オプション(&O) >>"));
  EXPECT_TRUE(dialog.has_button("プロパティ(&R)"));
  for (const char* english : {"&Print", "Cancel", "&Options >>", "&Properties"})
    EXPECT_FALSE(dialog.has_button(english)) << english;
}

// The runtime's message box has only OK, which Japanese writes as "OK"; the
// other standard buttons show that the box's texts come from the Japanese
// catalogue.
TEST(QtDialogTexts, MessageBoxButtonsAreJapanese) {
  const DialogTexts box = read_modal_dialog(
      [] { rt::message_box(nullptr, "入力値を保存できませんでした。", "入力値の保存", rt::MessageIcon::stop); });
  EXPECT_EQ(box.title, "入力値の保存");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});

  const DialogTexts standard = read_modal_dialog([] {
    QMessageBox other;
    other.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    other.exec();
  });
  for (const char* text : {"OK", "キャンセル", "はい(&Y)", "いいえ(&N)"})
    EXPECT_TRUE(standard.has_button(text)) << text;
}

TEST(QtDialogTexts, FileChooserIsJapanese) {
  const DialogTexts chooser = read_modal_dialog([] {
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.exec();
  });
  EXPECT_TRUE(chooser.has_button("開く(&O)"));
  EXPECT_TRUE(chooser.has_button("キャンセル"));
}

}  // namespace

// One application for the suite, started as every program starts it.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  rt::Application app(argc, argv, "velmora");
  // The file chooser keeps its history in the user's settings of Qt's own:
  // a folder of the run's, so that run by hand, too, the suite leaves the
  // home folder alone.
  QTemporaryDir settings;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, settings.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
