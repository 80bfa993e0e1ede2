// The program's texts. Sources are UTF-8; the compiler stores every narrow
// literal in code page 932, the code page the program shows them in.
#pragma once

namespace text {

inline constexpr char kAppTitle[] = "kelvaro";
inline constexpr char kFontFace[] = "ＭＳ Ｐゴシック";

// Main window.
inline constexpr char kHintOpen[] = "ファイルを選択して実行";
inline constexpr char kHintSave[] = "現在の設定を保存";
inline constexpr char kHintExec[] = "リストで選択した設定を実行";
inline constexpr char kHintPin[] = "常に最前面に表示";
inline constexpr char kHintUnpin[] = "最前面表示の解除";
inline constexpr char kHintSettings[] = "設定";
inline constexpr char kHintAbout[] = "バージョン情報";
inline constexpr char kFilterOpen[] = "全てのファイル|*.*";
inline constexpr char kFilterSave[] = "nshファイル|*.nsh|全てのファイル|*.*";

// Saving the current configuration.
inline constexpr char kOverwriteQuestion[] = "上書きしますがよろしいですか？";
inline constexpr char kSaveCaption[] = "設定ファイルの保存";

// Failures.
inline constexpr char kCannotWriteFormat[] = "%s に書き込めません";
inline constexpr char kCannotInsertLine[] = "行を挿入できません";

// Dialogs.
inline constexpr char kSettingsCaption[] = "設定";
inline constexpr char kAboutCaption[] = "バージョン情報";

}  // namespace text
