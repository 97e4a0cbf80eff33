#include "runtime/form_window.hpp"

#include <QCloseEvent>
#include <QPainter>
#include <cmath>

#include "runtime/events.hpp"
#include "runtime/message_loop.hpp"
#include "runtime/printer/qt_draw_target.hpp"

namespace rt::detail {

namespace {

std::vector<QPointer<FormWindow>>& forms_opened() {
  static std::vector<QPointer<FormWindow>> forms;
  return forms;
}

// The screen as the picture boxes draw on it: a line thinner than one
// pixel is drawn one pixel wide on whole pixels, so that the thin lines of a
// sketch come out black rather than as a faint grey smear.
class ScreenPixels : public DrawTarget {
 public:
  ScreenPixels(QPainter& painter, double pixels_per_unit) : screen_(painter, pixels_per_unit), ppu_(pixels_per_unit) {}

  PrintStatus begin_document(std::string_view name) override { return screen_.begin_document(name); }
  void begin_page() override { screen_.begin_page(); }
  void end_page() override { screen_.end_page(); }
  PrintStatus end_document() override { return screen_.end_document(); }
  void text(const TextOp& op) override { screen_.text(op); }

  void line(const LineOp& op) override {
    if (!thin(op.pen)) return screen_.line(op);
    screen_.line(LineOp{on_pixel(op.from), on_pixel(op.to), hairline(op.pen)});
  }
  void circle(const CircleOp& op) override {
    screen_.circle(thin(op.pen) ? CircleOp{op.centre, op.radius, hairline(op.pen)} : op);
  }
  void arc(const ArcOp& op) override {
    screen_.arc(thin(op.pen) ? ArcOp{op.centre, op.radius, op.start, op.end, hairline(op.pen)} : op);
  }

 private:
  bool thin(const Pen& pen) const { return pen.width * ppu_ < 1; }
  static Pen hairline(Pen pen) {
    pen.width = 0;  // the device's thinnest line: one pixel
    return pen;
  }
  // The centre of the pixel that the point falls on.
  Point on_pixel(Point p) const {
    return {(std::round(p.x * ppu_) + 0.5) / ppu_, (std::round(p.y * ppu_) + 0.5) / ppu_};
  }

  QtPainterTarget screen_;
  double ppu_;
};

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

QImage& PictureBox::image() {
  fit_image();
  return image_;
}

double PictureBox::pixels_per_unit() { return 96.0 / 254.0; }

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fit_image();
}

// A resize keeps what was drawn, on white where the box has grown.
void PictureBox::fit_image() {
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

void PictureBox::draw(const std::function<void(Printer&)>& drawing) {
  // The box is repainted from its image however the drawing ends.
  struct Repaint {
    QWidget* box;
    ~Repaint() { box->update(); }
  } repaint{this};
  QPainter painter(&image());
  ScreenPixels screen(painter, pixels_per_unit());
  Printer printer(screen);
  const QFont& own = font();
  printer.set_font({own.family().toStdString(), own.pointSizeF(),
                    {own.bold(), own.italic(), own.underline(), own.strikeOut()}});
  printer.set_pen_colour(kBlack);
  printer.set_text_colour(kBlack);
  drawing(printer);
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
