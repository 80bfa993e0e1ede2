// The program's texts. Sources are UTF-8; the compiler stores every narrow
// literal in code page 932, the code page the program shows them in.
#pragma once

#include "resources/version.h"

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
// The main window's names for accessibility clients, and the system menu's
// command that has no tool button (the others' entries are their hints).
inline constexpr char kToolBarName[] = "ツール バー";
inline constexpr char kListName[] = "ネットワーク設定の一覧";
inline constexpr char kMenuRefresh[] = "最新の情報に更新";
inline constexpr char kFilterOpen[] = "全てのファイル|*.*";
inline constexpr char kFilterSave[] = "nshファイル|*.nsh|全てのファイル|*.*";

// Saving the current configuration.
inline constexpr char kOverwriteQuestion[] = "上書きしますがよろしいですか？";
inline constexpr char kSaveCaption[] = "設定ファイルの保存";

// Failures.
inline constexpr char kCannotWriteFormat[] = "%1 に書き込めません";
inline constexpr char kCannotInsertLine[] = "行を挿入できません";
// %1 the path, %2 the part that cmd.exe would replace.
inline constexpr char kCmdRewritesRunFormat[] =
    "%1 は実行できません。「%2」の部分がコマンド プロンプトで環境変数の値に置き換えられ、別のファイルとして読まれます";
inline constexpr char kCmdRewritesSaveFormat[] =
    "%1 には保存できません。「%2」の部分がコマンド プロンプトで環境変数の値に置き換えられ、別の名前で保存されます";
// %1 the name as the system code page holds it, which is not the name.
inline constexpr char kNotInCodePageRunFormat[] =
    "%1 は実行できません。名前にシステムの文字コードにない文字が含まれ、別のファイルとして読まれます";
inline constexpr char kNotInCodePageSaveFormat[] =
    "%1 には保存できません。名前にシステムの文字コードにない文字が含まれ、別の名前で保存されます";
inline constexpr char kExeFolderNotInCodePageFormat[] =
    "kelvaro.exe のあるフォルダ %1 の名前にシステムの文字コードにない文字が含まれているため、設定ファイルを読み書きできません。"
    "別のフォルダに置いて起動してください";
// Saving: %1 the file named; %2 why the dump failed, one of the reasons
// after it (%1 there: netsh's exit code).
inline constexpr char kSaveFolderRefusedFormat[] = "%1 に保存できません。フォルダに書き込めません";
inline constexpr char kSaveFailedFormat[] = "%1 に保存できませんでした。%2。ファイルは変更されていません";
inline constexpr char kDumpNotStarted[] = "コマンド プロンプトを起動できませんでした";
inline constexpr char kDumpExitCodeFormat[] = "netsh が終了コード %1 で終了しました";
inline constexpr char kDumpEmpty[] = "netsh が何も出力しませんでした";
inline constexpr char kDumpNotReplaced[] = "ファイルを置き換えられません";

// Settings dialog.
inline constexpr char kSettingsCaption[] = "設定";
inline constexpr char kSetButton[] = "設定";
inline constexpr char kCancelButton[] = "キャンセル";
inline constexpr char kLoadFolderLabel[] = "読込フォルダ";
inline constexpr char kBrowseButton[] = "...";
inline constexpr char kBrowseName[] = "参照...";  // for accessibility clients
inline constexpr char kPromptCheck[] = "コマンド プロンプトを表示する";
inline constexpr char kCloseCheck[] = "ネットワーク設定変更時にkelvaroを終了する";
inline constexpr char kOtherExtCheck[] = "*.nsh 以外のファイルも表示する";
inline constexpr char kTopCheck[] = "「常に最前面に表示」状態で起動する";
inline constexpr char kBrowseTitle[] = "リストに読み込むフォルダを選択してください";
inline constexpr char kInvalidFolder[] = "フォルダ設定が不正です";
inline constexpr char kErrorCaption[] = "Error";
inline constexpr char kSaveConfirm[] = "設定を保存します。よろしいですか？";
inline constexpr char kSaveConfirmCaption[] = "Save";

// About box.
inline constexpr char kAboutCaption[] = "バージョン情報";
inline constexpr char kProductName[] = "kelvaro";
inline constexpr char kVersion[] = "Ver " KELVARO_VERSION;
inline constexpr char kCopyright[] = KELVARO_COPYRIGHT;
inline constexpr char kSiteLink[] = "開発元サイト";
inline constexpr char kSiteAddress[] = "https://kelvaro.example/";
inline constexpr char kOkButton[] = "OK";

}  // namespace text
