#include "runtime/forms.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "runtime/events.hpp"
#include "runtime/form_window.hpp"
#include "runtime/runtime_error.hpp"

namespace rt {

namespace detail {
struct ControlLink {
  QPointer<QWidget> widget;
  std::string name;
};
struct FormLink {
  QPointer<FormWindow> window;
};
struct MenuLink {
  QPointer<QAction> action;
};
}  // namespace detail

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

bool pointer_is_hourglass = false;

}  // namespace

// --- Control ---------------------------------------------------------------

bool Control::bound() const { return link_ && link_->widget; }
std::string Control::name() const { return link_ ? link_->name : std::string(); }

std::string Control::text() const {
  if (!bound()) return {};
  QWidget* w = link_->widget;
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title().toStdString();
  return {};
}

void Control::set_text(const std::string& text) {
  if (!bound()) return;
  QWidget* w = link_->widget;
  if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(q(text));
  else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(q(text));
  else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(q(text));
  else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(q(text));
}

int Control::value() const {
  if (!bound()) return 0;
  auto* c = qobject_cast<QCheckBox*>(link_->widget.data());
  return c && c->isChecked() ? 1 : 0;
}

void Control::set_value(int value) {
  if (!bound()) return;
  if (auto* c = qobject_cast<QCheckBox*>(link_->widget.data())) c->setChecked(value != 0);
}

void Control::set_focus() {
  if (bound()) link_->widget->setFocus(Qt::OtherFocusReason);
}

WindowHandle Control::hwnd() const { return bound() ? reinterpret_cast<WindowHandle>(link_->widget.data()) : 0; }

void Control::draw(const std::function<void(Printer&)>& drawing) {
  if (!bound()) return;
  auto* box = dynamic_cast<detail::PictureBox*>(link_->widget.data());
  if (!box) throw RuntimeError("ピクチャボックスではありません: " + link_->name);
  box->draw(drawing);
}

// --- MenuItem --------------------------------------------------------------

bool MenuItem::enabled() const { return link_ && link_->action && link_->action->isEnabled(); }

void MenuItem::set_enabled(bool enabled) {
  if (link_ && link_->action) link_->action->setEnabled(enabled);
}

namespace detail {
FormWindow* window_of(const Form& form) { return form.link_ ? form.link_->window.data() : nullptr; }
}  // namespace detail

// --- Form ------------------------------------------------------------------

Form Form::load(std::string_view name, const Form* owner) {
  QWidget* owner_window = owner && owner->is_open() ? owner->link_->window.data() : nullptr;
  detail::FormWindow* w = detail::build_form(q(std::string(name)), owner_window);
  Form form;
  form.link_ = std::make_shared<detail::FormLink>(detail::FormLink{w});
  w->show();
  w->raise();
  w->activateWindow();
  queue_event(std::string(name) + "_START");
  return form;
}

bool Form::is_open() const { return link_ && link_->window && link_->window->isVisible(); }

std::string Form::name() const { return link_ && link_->window ? link_->window->form_name().toStdString() : ""; }

Control Form::control(std::string_view name) const {
  QWidget* w = link_ && link_->window ? link_->window->find_control(q(std::string(name))) : nullptr;
  if (!w) throw RuntimeError("コントロールが見つかりません: " + std::string(name));
  Control c;
  c.link_ = std::make_shared<detail::ControlLink>(detail::ControlLink{w, std::string(name)});
  return c;
}

MenuItem Form::menu_item(std::string_view name) const {
  QAction* a = link_ && link_->window ? link_->window->find_menu_item(q(std::string(name))) : nullptr;
  if (!a) throw RuntimeError("メニュー項目が見つかりません: " + std::string(name));
  MenuItem m;
  m.link_ = std::make_shared<detail::MenuLink>(detail::MenuLink{a});
  return m;
}

std::string Form::caption() const {
  return link_ && link_->window ? link_->window->windowTitle().toStdString() : "";
}

void Form::set_caption(const std::string& caption) {
  if (link_ && link_->window) link_->window->setWindowTitle(q(caption));
}

void Form::set_focus() {
  if (link_ && link_->window) link_->window->client()->setFocus(Qt::OtherFocusReason);
}

void Form::close() {
  if (link_ && link_->window) link_->window->close();
}

WindowHandle Form::hwnd() const {
  return link_ && link_->window ? reinterpret_cast<WindowHandle>(link_->window.data()) : 0;
}

void Form::set_scale_mode(int) {}

void Form::set_pointer(Pointer pointer) {
  if (pointer == Pointer::hourglass && !pointer_is_hourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pointer_is_hourglass = true;
  } else if (pointer == Pointer::normal && pointer_is_hourglass) {
    QApplication::restoreOverrideCursor();
    pointer_is_hourglass = false;
  }
}

}  // namespace rt
