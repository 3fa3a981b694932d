#include "writing/document_saver.h"

#include <optional>

#include "base/document_text.h"
#include "base/gbk.h"
#include "base/path_text.h"
#include "core/backup_files.h"
#include "core/messages.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {

constexpr const char* kOverwriteQuestion =
    "覆盖原文件保存么？\r\n是：覆盖原文件（如果是word文档保存为txt文件 否：选择其他位置 "
    "取消：放弃保存\r\n如果想清空正在编辑的文件可以点击F12";
constexpr const char* kCutQuestion =
    "原文件中有编辑框无法显示的内容（从第一个零字节起），覆盖保存会丢失这些内容，所以不能覆盖原文件"
    "。"
    "\r\n是否保存到其他位置？";
// A file name may hold 255 bytes; leave room for the ".txt" the dialog appends.
constexpr std::size_t kMaxOfferedName = 255 - 4;

bool Contains(const std::string& path, const char* piece) {
    return path.find(piece) != std::string::npos;
}

// Text read from a file ends at its first zero byte.
std::string UpToZero(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// The title as a name the save dialog can offer: UTF-8, no separator, short enough.
std::string OfferedFileName(const std::string& gbkTitle) {
    return SafeFileName(GbkToUtf8(gbkTitle), kMaxOfferedName);
}

}  // namespace

DocumentSaver::DocumentSaver(Kalamo& k, WritingModes& modes, DocumentCipher& cipher)
    : k_(k), modes_(modes), cipher_(cipher) {
    modes_.attachSaver(this);
}

DocumentSaver::~DocumentSaver() {
    modes_.attachSaver(nullptr);
}

bool DocumentSaver::StopAndSave() {
    writeFailed_ = false;
    if (!k_.writing.on) return false;
    k_.s.ui.setAlwaysOnTop(kMainWindow, false);
    if (k_.writing.currentDocumentPath.empty()) return saveNewText();
    switch (Say(k_.s.ui, kOverwriteQuestion, MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            return overwriteOpened();
        case MessageAnswer::No:
            return saveElsewhere();
        default:
            return cancelled();
    }
}

bool DocumentSaver::cancelled() {
    modes_.restoreAlwaysOnTop();
    return false;
}

bool DocumentSaver::saveNewText() {
    const std::optional<std::string> path = chooseSavePath();
    if (!path || !WriteChosenFile(*path)) return cancelled();
    k_.writing.documentPassword.clear();
    modes_.EndWriting();
    return true;
}

bool DocumentSaver::overwriteOpened() {
    const std::string path = k_.writing.currentDocumentPath;
    if (k_.writing.documentCut && !Contains(path, ".doc")) return offerElsewhereForCutText();
    bool written = false;
    if (Contains(path, ".kmt")) {
        written = writeEnciphered(path);
    } else if (Contains(path, ".doc")) {
        written = writePlain(path + ".txt");  // the Word file itself stays as it is
    } else {
        written = writePlain(path);
    }
    if (!written) return cancelled();
    modes_.EndWriting();
    return true;
}

// The editor shows the file only up to its first zero byte; saving over it would lose the rest.
bool DocumentSaver::offerElsewhereForCutText() {
    if (Say(k_.s.ui, kCutQuestion, MessageButtons::YesNo) == MessageAnswer::Yes)
        return saveElsewhere();
    return cancelled();
}

bool DocumentSaver::saveElsewhere() {
    const std::optional<std::string> path = chooseSavePath();
    if (!path || !WriteChosenFile(*path)) return cancelled();
    k_.writing.currentDocumentPath.clear();
    modes_.EndWriting();
    return true;
}

std::optional<std::string> DocumentSaver::chooseSavePath() {
    FileDialogSpec spec;
    spec.filters = {{"文本文档（*.txt）", "*.txt"}, {"\r\nKalamo加密文档（*.kmt）", "*.kmt"}};
    spec.defaultExtension = "txt";
    spec.initialFolder = k_.s.paths.runDirectory();
    spec.fileName = OfferedFileName(k_.s.ui.text("章节名称"));
    std::optional<std::string> path = k_.s.ui.saveFileDialog(spec);
    if (path && path->empty()) return std::nullopt;
    return path;
}

bool DocumentSaver::WriteChosenFile(const std::string& path) {
    return Contains(path, ".kmt") ? writeEnciphered(path) : writePlain(path);
}

bool DocumentSaver::writeEnciphered(const std::string& path) {
    const std::string before = k_.writing.documentPassword;
    cipher_.askPassword();  // closed without 确认 keeps the password it had
    const std::string bytes = cipher_.encipher(k_.s.editor.text(), k_.writing.documentPassword);
    if (writeBytes(path, bytes)) return true;
    k_.writing.documentPassword = before;  // the file on disk is still under the old one
    return false;
}

bool DocumentSaver::writePlain(const std::string& path) {
    return writeBytes(path, EncodeDocumentText(k_.s.editor.text(), k_.writing.documentFormat));
}

bool DocumentSaver::writeBytes(const std::string& path, const std::string& bytes) {
    FileError error = FileError::None;
    if (k_.s.files.writeAtomic(path, bytes, &error)) return true;
    writeFailed_ = true;
    Say(k_.s.ui, "保存失败：" + Utf8ToGbk(path) + "\r\n" + FileErrorText(error) +
                     "\r\n文本仍保留在编辑框中。");
    return false;
}

bool DocumentSaver::hasUnsavedText() const {
    return k_.writing.on && (k_.writing.currentDocumentPath.empty() || textDiffersFromFile());
}

bool DocumentSaver::ExitSaveCheck() {
    if (!hasUnsavedText()) return true;
    StopAndSave();
    return !writeFailed_;
}

bool DocumentSaver::RescueUnsavedText() {
    if (!hasUnsavedText()) return true;
    const std::string folder = BackupFolder(k_.s.paths.runDirectory());
    const std::string path = BackupFilePath(k_.s.paths.runDirectory(), k_.s.ui.text("章节名称"));
    return k_.s.files.makeDirectories(folder) && k_.s.files.writeAtomic(path, k_.s.editor.text());
}

bool DocumentSaver::textDiffersFromFile() const {
    const std::string& path = k_.writing.currentDocumentPath;
    const std::optional<std::string> bytes = k_.s.files.readAll(path);
    if (!bytes) return true;  // gone or unreadable: the text lives only in the editor
    const std::string editor = k_.s.editor.text();
    if (k_.writing.documentEnciphered)
        return UpToZero(cipher_.decipher(*bytes, k_.writing.documentPassword)) != editor;
    return DecodeDocumentText(*bytes).text != editor;
}

}  // namespace kalamo
