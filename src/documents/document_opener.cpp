#include "documents/document_opener.h"

#include "base/gbk.h"
#include "base/path_text.h"
#include "base/stamps.h"
#include "core/messages.h"

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
    if (extension != "txt" && extension != "kmt") return;
    if (k_.writing.on) return refuseWhileWriting();
    if (!readable(path)) return;
    if (extension == "txt")
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
    k_.writing.documentEnciphered = true;
    const std::string text = cipher_.decipher(bytes, k_.writing.documentPassword);
    k_.s.editor.setText(text);
    // The garbled text of a wrong password may hold bytes the editor cannot keep as they are;
    // saved over the document, what it shows instead would lose the document for good.
    k_.writing.documentCut = k_.s.editor.text() != text;
    k_.writing.openedFromFile = true;
    k_.s.editor.alignLeft();
    k_.s.settings.writeSetting("软件设置", "kmt使用", DayStamp(k_.s.clock.now()));
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
