#include "compound/print_command.hpp"

#include "compound/sheet_pages.hpp"
#include "frame/print_driver.hpp"

namespace compound {

std::string_view document_name(MainChannel channel) {
  return channel == MainChannel::trapezoid ? "台形水路複断面" : "矩形水路複断面";
}

CompoundSheet sheet_to_print(const Model& m) {
  return {m.calculated, m.sheet_title, m.opt_header, m.opt_title, m.opt_mincho};
}

void FJY(rt::Form& main_form, MainChannel channel, const CompoundSheet& sheet) {
  const auto page = [channel, &sheet](void (*procedure)(rt::Printer&, MainChannel, const CompoundSheet&)) {
    return frame::PageProcedure([procedure, channel, &sheet](rt::Printer& p) { procedure(p, channel, sheet); });
  };
  frame::print_pages(main_form, document_name(channel), {page(PAGE1), page(PAGE2), page(PAGE3)});
}

// ヘッダ印刷, タイトル印刷 and 明朝体印刷 through the check boxes bound at
// start, then the sheet. 印刷 is enabled only after a successful 計算, whose
// numbers the sheet prints (see Model::calculated).
void PRNT_ON(frame::MainModule& main, Model& m, MainChannel channel) {
  frame::read_print_options(main, m);
  FJY(main.main_form, channel, sheet_to_print(m));
}

}  // namespace compound
