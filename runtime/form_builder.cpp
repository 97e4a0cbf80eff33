// Builds a form from its description (JSON): window, menu and controls.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>
#include <map>

#include "runtime/application.hpp"
#include "runtime/events.hpp"
#include "runtime/form_window.hpp"
#include "runtime/runtime_error.hpp"

namespace rt::detail {

namespace {

// Frame of a fixed window around its client area, in pixels: the size a
// description gives is the window's outer size.
constexpr int kBorder = 3;
constexpr int kCaption = 22;
constexpr int kMenuBar = 20;

QJsonObject program_descriptions() {
  static QJsonObject descriptions;
  if (descriptions.isEmpty()) {
    const QString path = QString(":/forms/%1.json").arg(QString::fromStdString(Application::program_name()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw RuntimeError("フォーム記述が見つかりません: " + path.toStdString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull()) {
      throw RuntimeError("フォーム記述を読めません: " + path.toStdString() + ": " + error.errorString().toStdString());
    }
    descriptions = doc.object();
  }
  return descriptions;
}

QColor color_of(const QString& name) {
  static const std::map<QString, QColor> named = {
      {"black", QColor(0, 0, 0)},       {"white", QColor(255, 255, 255)}, {"yellow", QColor(255, 255, 0)},
      {"cyan", QColor(0, 255, 255)},    {"silver", QColor(192, 192, 192)}, {"red", QColor(255, 0, 0)},
      {"gray", QColor(128, 128, 128)},
  };
  const auto it = named.find(name.toLower());
  return it != named.end() ? it->second : QColor(name);
}

QFont font_of(const QJsonObject& f, const QFont& base) {
  QFont font = base;
  if (f.contains("face")) font.setFamily(f["face"].toString());
  if (f.contains("size")) font.setPointSizeF(f["size"].toDouble());
  if (f.contains("bold")) font.setBold(f["bold"].toBool());
  return font;
}

QRect rect_of(const QJsonValue& v) {
  const QJsonArray a = v.toArray();
  const int x = to_pixels(a[0].toDouble()), y = to_pixels(a[1].toDouble());
  return QRect(x, y, to_pixels(a[0].toDouble() + a[2].toDouble()) - x, to_pixels(a[1].toDouble() + a[3].toDouble()) - y);
}

// A control's keys: its style's first, then its own.
QJsonObject merged(const QJsonObject& control, const QJsonObject& styles) {
  QJsonObject result = styles[control["style"].toString()].toObject();
  for (auto it = control.begin(); it != control.end(); ++it) result.insert(it.key(), it.value());
  return result;
}

void set_colors(QWidget* w, const QJsonObject& c, QPalette::ColorRole text_role, QPalette::ColorRole back_role) {
  QPalette pal = w->palette();
  if (c.contains("color")) pal.setColor(text_role, color_of(c["color"].toString()));
  if (c.contains("background")) {
    pal.setColor(back_role, color_of(c["background"].toString()));
    // Buttons and check boxes fill their background in the button colour.
    pal.setColor(w->backgroundRole(), color_of(c["background"].toString()));
    w->setAutoFillBackground(true);
  }
  w->setPalette(pal);
}

// The edit's character limit applies to what the user types or pastes, not
// to text the program sets. An edit without sideways scrolling takes no
// more than fits its width.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, int max_length, bool scrolls)
      : QValidator(edit), edit_(edit), max_length_(max_length), scrolls_(scrolls) {}
  State validate(QString& text, int&) const override {
    if (max_length_ > 0 && text.size() > max_length_) return Invalid;
    if (!scrolls_) {
      const int room = edit_->contentsRect().width() - 6;
      if (edit_->fontMetrics().horizontalAdvance(text) > room) return Invalid;
    }
    return Acceptable;
  }

 private:
  QLineEdit* edit_;
  int max_length_;
  bool scrolls_;
};

// An entry edit. One with the input method switched off must also say so
// when the input method asks: a line edit answers that it takes input-method
// text whatever its attribute says, and an input method such as fcitx5 then
// composes in it all the same.
class Edit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
    if (query == Qt::ImEnabled && !testAttribute(Qt::WA_InputMethodEnabled)) return false;
    return QLineEdit::inputMethodQuery(query);
  }
};

// A check box that leaves the arrow keys alone: on these forms the arrows
// move nothing between controls.
class CheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Left:
      case Qt::Key_Right:
        event->ignore();
        return;
      default:
        QCheckBox::keyPressEvent(event);
    }
  }
};

Qt::Alignment alignment_of(const QString& a) {
  if (a == "right") return Qt::AlignRight | Qt::AlignVCenter;
  if (a == "center") return Qt::AlignHCenter | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* build_control(FormWindow* form, const QJsonObject& c) {
  const QString kind = c["kind"].toString();
  const QString name = c["name"].toString();
  const QString text = c["text"].toString();
  QWidget* parent = form->client();
  QWidget* w = nullptr;
  if (kind == "label") {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment_of(c["align"].toString()));
    set_colors(label, c, QPalette::WindowText, QPalette::Window);
    w = label;
  } else if (kind == "edit") {
    auto* edit = new Edit(parent);
    edit->setText(text);
    const bool scrolls = c["hscroll"].toBool(true);
    const int limit = c["maxlength"].toInt(0);
    if (limit > 0 || !scrolls) edit->setValidator(new TypingLimit(edit, limit, scrolls));
    if (c["ime"].toString() == "off") edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setFocusPolicy(c["tabstop"].toBool(true) ? Qt::StrongFocus : Qt::ClickFocus);
    set_colors(edit, c, QPalette::Text, QPalette::Base);
    const std::string event = name.toStdString() + "_CHANGE";
    QObject::connect(edit, &QLineEdit::textChanged, [event] { queue_event(event); });
    w = edit;
  } else if (kind == "check") {
    auto* check = new CheckBox(text, parent);
    check->setChecked(c["value"].toInt(0) != 0);
    check->setFocusPolicy(c["tabstop"].toBool(false) ? Qt::StrongFocus : Qt::ClickFocus);
    set_colors(check, c, QPalette::WindowText, QPalette::Window);
    w = check;
  } else if (kind == "picture") {
    w = new PictureBox(parent);
  } else if (kind == "button") {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(true);  // Enter presses a focused button
    button->setFocusPolicy(c["tabstop"].toBool(true) ? Qt::StrongFocus : Qt::ClickFocus);
    set_colors(button, c, QPalette::ButtonText, QPalette::Button);
    const std::string event = name.toStdString() + "_ON";
    QObject::connect(button, &QPushButton::clicked, [event] { queue_event(event); });
    w = button;
  } else if (kind == "group") {
    auto* group = new QGroupBox(text, parent);
    set_colors(group, c, QPalette::WindowText, QPalette::Window);
    w = group;
  } else {
    throw RuntimeError("フォーム記述の不明なコントロール: " + kind.toStdString());
  }
  w->setGeometry(rect_of(c["rect"]));
  if (c.contains("font")) w->setFont(font_of(c["font"].toObject(), form->font()));
  if (c.contains("visible") && !c["visible"].toBool()) w->hide();
  w->setObjectName(name);
  form->add_control(name, w);
  return w;
}

void build_menu(FormWindow* form, QWidget* menu, const QJsonArray& items) {
  for (const QJsonValue& v : items) {
    const QJsonObject item = v.toObject();
    const QString name = item["name"].toString();
    if (item["separator"].toBool()) {
      if (auto* m = qobject_cast<QMenu*>(menu)) m->addSeparator();
      continue;
    }
    QAction* action = nullptr;
    QMenu* sub = nullptr;
    const QString caption = item["caption"].toString();
    if (item.contains("items")) {
      sub = new QMenu(caption, menu);
      action = sub->menuAction();
    } else {
      action = new QAction(caption, menu);
      const std::string event = name.toUpper().toStdString() + "_ON";
      QObject::connect(action, &QAction::triggered, [event] { queue_event(event); });
    }
    if (auto* bar = qobject_cast<QMenuBar*>(menu)) bar->addAction(action);
    else static_cast<QMenu*>(menu)->addAction(action);
    action->setEnabled(item["enabled"].toBool(true));
    form->add_menu_item(name, action);
    if (sub) build_menu(form, sub, item["items"].toArray());
  }
}

}  // namespace

FormWindow* build_form(const QString& name, QWidget* owner) {
  const QJsonObject all = program_descriptions();
  const QJsonObject styles = all["styles"].toObject();
  const QJsonObject d = all["forms"].toObject()[name].toObject();
  if (d.isEmpty()) throw RuntimeError("フォームがありません: " + name.toStdString());

  const bool is_main = name.compare("MAINFORM", Qt::CaseInsensitive) == 0;
  auto* form = new FormWindow(name.toUpper(), is_main, owner);
  const bool dialog = d["border"].toString() == "dialog";
  Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (!dialog) flags |= Qt::WindowMinimizeButtonHint;
  if (d["topmost"].toBool()) flags |= Qt::WindowStaysOnTopHint;
  form->setWindowFlags(flags);
  form->setWindowTitle(d["caption"].toString());
  form->setFont(font_of(d["font"].toObject(), form->font()));
  QPalette pal = form->palette();
  const QColor back = color_of(d["background"].toString("white"));
  pal.setColor(QPalette::Window, back);
  form->setPalette(pal);
  form->client()->setAutoFillBackground(true);

  const bool has_menu = d.contains("menu");
  if (has_menu) {
    // The menu keeps the desktop's menu colours, not the form's black.
    QMenuBar* bar = form->menuBar();
    bar->setPalette(QApplication::style()->standardPalette());
    bar->setAutoFillBackground(true);
    build_menu(form, bar, d["menu"].toArray());
  }
  for (const QJsonValue& v : d["controls"].toArray()) build_control(form, merged(v.toObject(), styles));

  const QJsonArray size = d["size"].toArray();
  const int outer_w = to_pixels(size[0].toDouble()), outer_h = to_pixels(size[1].toDouble());
  const QSize client(outer_w - 2 * kBorder, outer_h - kCaption - 2 * kBorder - (has_menu ? kMenuBar : 0));
  form->client()->setFixedSize(client);
  const int menu_h = has_menu ? form->menuBar()->sizeHint().height() : 0;
  form->setFixedSize(client.width(), client.height() + menu_h);

  if (d["position"].toString() == "center_owner") {
    const QWidget* around = owner ? owner : (open_forms().empty() ? nullptr : open_forms().front());
    const QRect area = around ? around->frameGeometry() : form->screen()->availableGeometry();
    form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
  }
  return form;
}

}  // namespace rt::detail
