#include "frame/sheet.hpp"

namespace frame {

namespace {

constexpr int kLeftMarginBlanks = 12;
constexpr int kHeaderIndent = 18;
constexpr std::string_view kFormulaName = "　　（マニング平均流速公式による）";
constexpr std::string_view kFirstSection = "（１）計算条件";

struct ItemPrinter {
  rt::Printer& p;
  void operator()(std::string_view text) const { p.print({text}, rt::LineEnd::Continue); }
  void operator()(const Field& field) const { p.print_using(field.format, {field.value}, rt::LineEnd::Continue); }
  void operator()(const Raised& r) const {
    p.set_font_size(kRaisedSize);
    p.print({r.text}, rt::LineEnd::Continue);
    p.set_font_size(kBodySize);
  }
};

}  // namespace

Sheet::Sheet(rt::Printer& printer) : printer_(printer) {}

void Sheet::open_following_page(const SheetOptions& options) {
  rt::Printer& p = printer_;
  left_margin_ = std::string(kLeftMarginBlanks, ' ');
  const std::string_view face = option_on(options.opt_mincho) ? kMinchoFace : kGothicFace;
  p.set_font({std::string(face), kBodySize, rt::FontStyle{}});
  p.set_map_mode(rt::MapMode::TenthMillimetre);
  p.set_font_size(kBodySize);
}

void Sheet::open_page(const SheetOptions& options, const std::string& sheet_title, std::string_view heading,
                      int extra_title_lines) {
  rt::Printer& p = printer_;
  open_following_page(options);
  empty_lines(2);
  if (option_on(options.opt_header)) {
    p.print({std::string(kHeaderIndent, ' '), sheet_title});
  } else {
    p.print();
  }
  p.print();
  p.set_font_size(kTitleSize);
  if (option_on(options.opt_title)) {
    p.print({left_margin_, left_margin_, heading});
    p.print();
    p.print({left_margin_, left_margin_, kFormulaName});
  } else {
    p.print();
    p.print();
    p.print();
  }
  for (int k = 0; k < extra_title_lines; ++k) p.print();
  p.set_font_size(kBodySize);
  p.print();
  row({kFirstSection});
}

void Sheet::print_item(const SheetItem& item) { std::visit(ItemPrinter{printer_}, item); }

void Sheet::row(std::initializer_list<SheetItem> items) {
  printer_.print({left_margin_}, rt::LineEnd::Continue);
  for (const SheetItem& item : items) print_item(item);
  // Raised items set the body size again after them, so the line advance is
  // always that of the body size.
  printer_.print();
}

void Sheet::row_ending_raised(std::initializer_list<SheetItem> items, std::string_view raised_end) {
  printer_.print({left_margin_}, rt::LineEnd::Continue);
  for (const SheetItem& item : items) print_item(item);
  printer_.set_font_size(kRaisedSize);
  printer_.print({raised_end});
  printer_.set_font_size(kBodySize);
}

void Sheet::empty_lines(int count) {
  for (int k = 0; k < count; ++k) printer_.print();
}

}  // namespace frame
