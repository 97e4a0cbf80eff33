// Forms and controls as the programs address them: by name. A form is built
// from its description (forms/<program>.json) when it is loaded; its
// controls are then found by name and read or set through small handles.
// A handle stays safe after its form has closed: it then reports unbound and
// ignores what it is told.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/keyboard.hpp"

namespace rt {

class Form;

namespace detail {
struct ControlLink;
struct FormLink;
struct MenuLink;
class FormWindow;
FormWindow* window_of(const Form& form);
}  // namespace detail

class Printer;  // the drawing surface of a picture box

class Control {
 public:
  Control() = default;

  bool bound() const;
  std::string name() const;

  // An edit's text, or the caption of a label, check box or button. Setting
  // an edit's text raises its change event, as typing does.
  std::string text() const;
  void set_text(const std::string& text);

  // A check box: 1 ticked, 0 not.
  int value() const;
  void set_value(int value);

  void set_focus();
  WindowHandle hwnd() const;

  // A picture box: `drawing` draws on the image the box keeps, through a
  // printer object in the box's units (0.1 mm, y downward from its top-left
  // corner), black on white, in the box's own font. The box shows what was
  // drawn for as long as it lives; nothing clears it. Any other control is a
  // runtime error.
  void draw(const std::function<void(Printer&)>& drawing);

 private:
  friend class Form;
  std::shared_ptr<detail::ControlLink> link_;
};

class MenuItem {
 public:
  MenuItem() = default;
  bool enabled() const;
  // Greys or enables the item; a greyed submenu greys everything under it.
  void set_enabled(bool enabled);

 private:
  friend class Form;
  std::shared_ptr<detail::MenuLink> link_;
};

enum class Pointer { normal, hourglass };

class Form {
 public:
  Form() = default;

  // Builds the named form of this program from its description and shows
  // it, owned by `owner` when one is given (an owned form stays above its
  // owner and closes with it). Queues the form's start event.
  static Form load(std::string_view name, const Form* owner = nullptr);

  bool is_open() const;
  std::string name() const;

  // The named control or menu item; a name the form does not have is a
  // runtime error.
  Control control(std::string_view name) const;
  MenuItem menu_item(std::string_view name) const;

  std::string caption() const;
  void set_caption(const std::string& caption);

  // The form itself takes the keyboard focus (no control keeps it).
  void set_focus();
  void close();
  WindowHandle hwnd() const;

  // The drawing unit of the form's own drawing; recorded, not used further.
  void set_scale_mode(int mode);

  // The mouse pointer while it is over the program's windows.
  void set_pointer(Pointer pointer);

 private:
  friend detail::FormWindow* detail::window_of(const Form& form);
  std::shared_ptr<detail::FormLink> link_;
};

}  // namespace rt
