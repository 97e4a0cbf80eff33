#include "runtime/services.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdlib>

#include "runtime/driver_hooks.hpp"
#include "runtime/events.hpp"
#include "runtime/form_window.hpp"
#include "runtime/runtime_error.hpp"
#include "runtime/runtime_objects.hpp"

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

namespace {

// An opener that has run this long has shown the document: how it ends
// after that (the desktop's opener may wait for the viewer to close) says
// nothing more about the opening.
constexpr qint64 kShownAfterMs = 30000;

// Watches the desktop's opener, started as a child of this program, until
// it ends, and queues the failure event when it ends unsuccessfully. Its end
// is seen through a process descriptor where the system has them, by a
// short poll otherwise; the windows stay live meanwhile.
class OpenerWatch : public QObject {
 public:
  OpenerWatch(pid_t pid, std::string failed_event)
      : QObject(detail::runtime_objects()), pid_(pid), failed_event_(std::move(failed_event)) {
    running_.start();
    pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd_ >= 0) {
      auto* notifier = new QSocketNotifier(pidfd_, QSocketNotifier::Read, this);
      connect(notifier, &QSocketNotifier::activated, this, [this] { check(); });
      wake_ = notifier;
    } else {
      auto* poll = new QTimer(this);
      connect(poll, &QTimer::timeout, this, [this] { check(); });
      poll->start(100);
      wake_ = poll;
    }
  }
  ~OpenerWatch() override {
    delete wake_;  // before its descriptor goes
    if (pidfd_ >= 0) ::close(pidfd_);
  }

 private:
  // Once the opener has ended the watch wakes no more and goes.
  void check() {
    int status = 0;
    const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
    if (ended == 0) return;
    delete wake_;
    wake_ = nullptr;
    const bool failed = ended == pid_ && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    if (failed && running_.elapsed() < kShownAfterMs) queue_event(failed_event_);
    deleteLater();
  }

  pid_t pid_;
  std::string failed_event_;
  QElapsedTimer running_;
  int pidfd_ = -1;
  QObject* wake_ = nullptr;  // the notifier on the process descriptor, or the poll
};

// Starts the desktop's opener on `path` in a session of its own, as a
// detached start would, but as this program's child so that its end is
// seen. Returns its process id, or -1 when it cannot be started.
pid_t start_opener(const std::string& path) {
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  std::string program = "xdg-open";
  std::string argument = path;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = -1;
  const int failed = ::posix_spawnp(&pid, program.c_str(), nullptr, &attr, argv, environ);
  posix_spawnattr_destroy(&attr);
  return failed ? -1 : pid;
}

}  // namespace

void open_document(const std::string& name, const std::string& failed_event) {
  const QFileInfo document(QDir::current().filePath(QString::fromStdString(name)));
  if (!document.isFile() || !document.isReadable()) return queue_event(failed_event);
  if (driver::hooks().open_document) return driver::hooks().open_document(name);
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
  const pid_t opener = start_opener(path.toStdString());
  if (opener < 0) return queue_event(failed_event);
  new OpenerWatch(opener, failed_event);
}

}  // namespace rt
