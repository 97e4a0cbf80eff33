#include "runtime/form_window.hpp"

#include <QCloseEvent>
#include <QPainter>

#include "runtime/events.hpp"
#include "runtime/message_loop.hpp"

namespace rt::detail {

namespace {

std::vector<QPointer<FormWindow>>& forms_opened() {
  static std::vector<QPointer<FormWindow>> forms;
  return forms;
}

}  // namespace

int to_pixels(double tenth_mm) { return qRound(tenth_mm * 96.0 / 254.0); }

ClientArea::ClientArea(QWidget* parent, QString form_name) : QWidget(parent), form_name_(std::move(form_name)) {
  setFocusPolicy(Qt::NoFocus);
}

void ClientArea::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  queue_event(form_name_.toStdString() + "_SETFOCUS");
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::ClickFocus); }

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (image_.size() != size()) {
    QImage fresh(size(), QImage::Format_RGB32);
    fresh.fill(Qt::white);
    if (!image_.isNull()) {
      QPainter p(&fresh);
      p.drawImage(0, 0, image_);
    }
    image_ = fresh;
  }
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

FormWindow::FormWindow(QString name, bool is_main, QWidget* owner)
    : QMainWindow(owner), name_(std::move(name)), is_main_(is_main), client_(new ClientArea(this, name_)) {
  setCentralWidget(client_);
  if (!is_main_) setAttribute(Qt::WA_DeleteOnClose);
  forms_opened().emplace_back(this);
}

void FormWindow::add_control(const QString& name, QWidget* widget) { controls_.emplace_back(name.toUpper(), widget); }

void FormWindow::add_menu_item(const QString& name, QAction* action) {
  menu_items_.emplace_back(name.toUpper(), action);
}

QWidget* FormWindow::find_control(const QString& name) const {
  const QString key = name.toUpper();
  for (const auto& [n, w] : controls_) {
    if (n == key) return w;
  }
  return nullptr;
}

QAction* FormWindow::find_menu_item(const QString& name) const {
  const QString key = name.toUpper();
  for (const auto& [n, a] : menu_items_) {
    if (n == key) return a;
  }
  return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // No program handles the main window's close request: closing it ends
  // the program at once, without saving.
  if (is_main_) request_end();
  event->accept();
}

std::vector<FormWindow*> open_forms() {
  std::vector<FormWindow*> open;
  for (const auto& f : forms_opened()) {
    if (f && f->isVisible()) open.push_back(f);
  }
  return open;
}

QWidget* find_control_anywhere(const QString& name) {
  for (FormWindow* f : open_forms()) {
    if (QWidget* w = f->find_control(name)) return w;
  }
  return nullptr;
}

QAction* find_menu_item_anywhere(const QString& name) {
  for (FormWindow* f : open_forms()) {
    if (QAction* a = f->find_menu_item(name)) return a;
  }
  return nullptr;
}

}  // namespace rt::detail
