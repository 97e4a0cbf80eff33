// Inside the runtime: the Qt window that a form description becomes, with
// its controls and menu items by name. Program code never sees this.
#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "runtime/printer/printer.hpp"

namespace rt::detail {

// Positions and sizes of the descriptions are in 0.1 mm; the screen is
// taken at 96 pixels per inch.
int to_pixels(double tenth_mm);

// The form's client area: where its controls live, and what takes the
// keyboard focus when the form itself is given it.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, QString form_name);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  QString form_name_;
};

// A picture box: a white surface that keeps what was drawn on it and
// shows it again whenever it is repainted.
class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent);
  // The kept image, the size of the box (also before the box was first
  // shown, so that a form's start event can already draw on it).
  QImage& image();

  // Screen pixels per unit of the box's drawing (0.1 mm at 96 dpi, the
  // scale of the form descriptions).
  static double pixels_per_unit();

  // Draws on the kept image through a printer object in 0.1 mm, black on
  // white, in the box's own font, and shows the result.
  void draw(const std::function<void(Printer&)>& drawing);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit_image();

  QImage image_;
};

class FormWindow : public QMainWindow {
 public:
  FormWindow(QString name, bool is_main, QWidget* owner);

  const QString& form_name() const { return name_; }
  bool is_main() const { return is_main_; }
  ClientArea* client() const { return client_; }

  void add_control(const QString& name, QWidget* widget);
  void add_menu_item(const QString& name, QAction* action);
  QWidget* find_control(const QString& name) const;
  QAction* find_menu_item(const QString& name) const;
  const std::vector<std::pair<QString, QPointer<QWidget>>>& controls() const { return controls_; }
  const std::vector<std::pair<QString, QPointer<QAction>>>& menu_items() const { return menu_items_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QString name_;
  bool is_main_;
  ClientArea* client_;
  std::vector<std::pair<QString, QPointer<QWidget>>> controls_;
  std::vector<std::pair<QString, QPointer<QAction>>> menu_items_;
};

// Builds a form of the running program from its description and shows it.
FormWindow* build_form(const QString& name, QWidget* owner);

// Every form of the program that is open now, in the order they were opened.
std::vector<FormWindow*> open_forms();

// The control of this name on any open form (the main window first).
QWidget* find_control_anywhere(const QString& name);
QAction* find_menu_item_anywhere(const QString& name);

}  // namespace rt::detail
