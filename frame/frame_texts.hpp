// Message texts of the shared frame that its procedures show.
#pragma once

#include <string>

namespace frame::texts {

inline const std::string kSavedInputsTitle = "入力値の保存";

inline std::string cannot_save_here(const std::string& file) {
  return "このフォルダーには入力値ファイル「" + file + "」を作成できません。\r\n" +
         "既定値で起動します。入力値は保存されません。";
}

inline std::string cannot_read_saved(const std::string& file) {
  return "入力値ファイル「" + file + "」を読み込めませんでした。\r\n" +
         "既定値で起動します。ファイルはそのまま残します。";
}

inline std::string could_not_save(const std::string& file) {
  return "入力値ファイル「" + file + "」に保存できませんでした。";
}

inline const std::string kHelpTitle = "ﾄﾋﾟｯｸの検索";
inline const std::string kHelpFile = "lom.hlp";

inline std::string cannot_open_help() {
  return "ヘルプファイル「" + kHelpFile + "」を開けませんでした。\r\n" +
         "プログラムと同じフォルダーにあるか確認してください。";
}

inline std::string no_help_viewer() {
  return "ヘルプファイル「" + kHelpFile + "」を表示するプログラムを起動できませんでした。\r\n" +
         "HTML ファイルを開くブラウザーが設定されているか確認してください。";
}

}  // namespace frame::texts
