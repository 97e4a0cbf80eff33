#include "runtime/services.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QUrl>
#include <cstdlib>

#include "runtime/driver_hooks.hpp"
#include "runtime/form_window.hpp"
#include "runtime/runtime_error.hpp"

namespace rt {

void message_box(const Form* owner, const std::string& text, const std::string& title, MessageIcon icon) {
  if (driver::hooks().message_box) {
    driver::hooks().message_box(title, text);
    return;
  }
  QWidget* parent = owner ? detail::window_of(*owner) : nullptr;
  QString body = QString::fromStdString(text);
  body.replace("\r\n", "\n");
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(body);
  box.setIcon(icon == MessageIcon::stop          ? QMessageBox::Critical
              : icon == MessageIcon::information ? QMessageBox::Information
                                                 : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void beep() {
  if (driver::hooks().beep) {
    driver::hooks().beep();
    return;
  }
  QApplication::beep();
}

namespace {

// Folder of the single-copy locks: the user's runtime folder, or a folder of
// the user's own under /tmp.
std::string lock_folder() {
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run) return run;
  const std::string folder = "/tmp/channel-tools-" + std::to_string(::getuid());
  ::mkdir(folder.c_str(), 0700);
  return folder;
}

}  // namespace

bool another_copy_running(const std::string& program_name) {
  std::string upper = program_name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string path = lock_folder() + "/CHANNEL-TOOLS-" + upper + ".lock";
  // The descriptor stays open for the life of the process; the system
  // releases the lock when the process ends, also after a crash.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) throw RuntimeError("多重起動防止のロックを作成できません: " + path);
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return false;
  ::close(fd);
  return true;
}

bool open_document(const std::string& name) {
  const QFileInfo document(QDir::current().filePath(QString::fromStdString(name)));
  if (!document.isFile() || !document.isReadable()) return false;
  if (driver::hooks().open_document) {
    driver::hooks().open_document(name);
    return true;
  }
  // The desktop chooses a viewer by the name's extension; a document whose
  // extension says nothing (or the wrong thing) about its contents is handed
  // over under a name with the extension of what it holds.
  QMimeDatabase db;
  const QMimeType by_content = db.mimeTypeForFile(document, QMimeDatabase::MatchContent);
  const QMimeType by_name = db.mimeTypeForFile(document, QMimeDatabase::MatchExtension);
  QString path = document.absoluteFilePath();
  if (!by_content.preferredSuffix().isEmpty() && by_content.name() != by_name.name()) {
    const QString folder = QDir::temp().filePath(QString("channel-tools-documents-%1").arg(::getuid()));
    QDir().mkpath(folder);
    const QString link = folder + "/" + document.completeBaseName() + "." + by_content.preferredSuffix();
    QFile::remove(link);
    if (QFile::link(path, link)) path = link;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace rt
