#include "documents/document_opener.h"

#include "base/gbk.h"
#include "base/path_text.h"
#include "base/stamps.h"
#include "core/messages.h"
#include "documents/word_import.h"

namespace kalamo {
namespace {

constexpr const char* kBusyMessage = "欲打开新文件请新建新窗口或保存/清空本篇文章";

FileDialogSpec OpenDialog(const std::string& folder, int filter) {
    FileDialogSpec spec;
    spec.filters = {{"所有支持的文件类型", "*.txt;*.kmt;*.wav;*.doc;*.docx"},
                    {"\r\n文本文档（*.txt）", "*.txt"},
                    {"\r\nKalamo加密文档（*.kmt）", "*.kmt"},
                    {"\r\nWord 文档（*.doc）", "*.doc"},
                    {"\r\nWord 2007文档（*.docx）", "*.docx"},
                    {"\r\n音乐文件（*.wav）", "*.wav"}};
    spec.selectedFilter = filter;
    spec.initialFolder = folder;
    return spec;
}

std::string WordFailureText(WordImportFailure failure) {
    switch (failure) {
        case WordImportFailure::Unreadable:
            return "文件不存在或者没有读取权限。";
        case WordImportFailure::NotWordFile:
            return "这不是Word文档，或者文档已经损坏。";
        case WordImportFailure::PasswordProtected:
            return "这个Word文档设置了密码保护，请先在Word中取消密码。";
        case WordImportFailure::AntiwordMissing:
            return "打开.doc文档需要antiword程序，系统中没有安装。请安装antiword后再试"
                   "（sudo apt-get install antiword）。";
        case WordImportFailure::TooLarge:
            return "文档的文字太多，无法打开。";
        case WordImportFailure::TimedOut:
            return "读取文档的时间太长，已经停止。";
        case WordImportFailure::AntiwordFailed:
        case WordImportFailure::None:
            break;
    }
    return "antiword无法读取这个文档。";
}

}  // namespace

void DocumentOpener::refuseWhileWriting() {
    Say(k_.s.ui, kBusyMessage);
}

void DocumentOpener::OpenDocument(const std::string& given, int filter) {
    std::string path = given;
    if (path.empty()) {
        std::optional<std::string> chosen =
            k_.s.ui.openFileDialog(OpenDialog(k_.s.paths.runDirectory(), filter));
        if (!chosen || chosen->empty()) return;
        path = *chosen;
    }
    const std::string extension = ExtensionOf(path);
    if (extension == "wav") return player_.OpenPlayer(path);
    const bool word = extension == "doc" || extension == "docx";
    if (extension != "txt" && extension != "kmt" && !word) return;
    if (k_.writing.on) return refuseWhileWriting();
    if (!readable(path)) return;
    if (word)
        openWordDocument(path);
    else if (extension == "txt")
        openPlainText(path);
    else
        openEnciphered(path);
}

// A folder, a FIFO or a file we may not read would otherwise open as an empty text that
// "是" could then save over the real one.
bool DocumentOpener::readable(const std::string& path) {
    if (k_.s.files.isFile(path) && k_.s.files.readAll(path)) return true;
    Say(k_.s.ui, "无法读取文件：" + GbkFromNativeName(path) +
                     "\r\n它不存在、不是普通文件或者没有读取权限。");
    return false;
}

void DocumentOpener::startDocument(const std::string& path) {
    k_.writing.currentDocumentPath = path;
    k_.s.ui.setText("章节名称", GbkFromNativeName(TitleFromPath(path)));
    writing_.ToggleWriting(true);
}

void DocumentOpener::openPlainText(const std::string& path) {
    startDocument(path);
    loader_.loadPlainText(path);
    k_.writing.openedFromFile = true;
    k_.s.editor.alignLeft();
}

void DocumentOpener::openEnciphered(const std::string& path) {
    startDocument(path);
    cipher_.askPassword();
    const std::string bytes = k_.s.files.readAll(path).value_or(std::string());
    k_.writing.documentFormat = {};
    k_.writing.documentCut = false;
    k_.writing.documentEnciphered = true;
    // The editor keeps every byte, so the garbled text of a wrong password saved under the
    // same password gives the document back.
    k_.s.editor.setText(cipher_.decipher(bytes, k_.writing.documentPassword));
    k_.writing.openedFromFile = true;
    k_.s.editor.alignLeft();
    k_.s.settings.writeSetting("软件设置", "kmt使用", DayStamp(k_.s.clock.now()));
}

// The import blocks the window, so "正在加载中..." is painted first. A document that gives no
// text starts no writing: the editor gets back what it showed.
void DocumentOpener::openWordDocument(const std::string& path) {
    EditorView& editor = k_.s.editor;
    const std::string shown = editor.text();
    editor.setText("正在加载中...");
    editor.paintNow();
    const WordImportResult imported = WordImport(k_.s.processes).importDocument(path);
    if (!imported.ok()) {
        editor.setText(shown);
        Say(k_.s.ui,
            "打开失败：" + GbkFromNativeName(path) + "\r\n" + WordFailureText(imported.failure));
        return;
    }
    startDocument(path);
    k_.writing.documentFormat = {};
    k_.writing.documentCut = false;
    k_.writing.documentEnciphered = false;
    editor.setText(imported.text);
    k_.writing.openedFromFile = true;
    editor.alignLeft();
}

void DocumentOpener::OnFilesDropped(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    if (k_.writing.on) return refuseWhileWriting();
    OpenDocument(paths.front());
}

void DocumentOpener::OnTextDropped(const std::string& text) {
    if (!k_.writing.on) writing_.ToggleWriting(false);
    EditorView& editor = k_.s.editor;
    const std::size_t at = editor.selectionStart();
    editor.setSelectionStart(at);  // a selection is not replaced
    editor.replaceSelection(text);
    editor.setSelectionStart(at);
    editor.focus();
}

}  // namespace kalamo
