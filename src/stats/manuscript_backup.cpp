#include "stats/manuscript_backup.h"

#include <cstdio>

#include "base/path_text.h"
#include "core/backup_files.h"
#include "core/messages.h"

namespace kalamo {
namespace {

constexpr const char* kOption = "自动保存";

// A file:// URL of a native path, every byte outside the plain ASCII ones percent-escaped,
// so that no name can be read as another URL part.
std::string FileUrl(const std::string& path) {
    std::string url = "file://";
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '_' || c == '.' ||
                           c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    return url;
}

}  // namespace

void ManuscriptBackup::onTextChanged() {
    // Outside writing the editor shows the program's own texts (a welcome, a farewell), which
    // must not replace the copy of the last manuscript.
    if (!k_.writing.on || !k_.s.ui.isChecked(kOption)) return;
    const std::string run = k_.s.paths.runDirectory();
    const std::string path = BackupFilePath(run, k_.s.ui.text("章节名称"));
    FileError why = FileError::None;
    if (write(BackupFolder(run), path, &why)) {
        shown_ = FileError::None;
        return;
    }
    reportFailure(why, path);
}

bool ManuscriptBackup::write(const std::string& folder, const std::string& path, FileError* why) {
    const std::string text = k_.s.editor.text();
    if (k_.s.files.writeAtomic(path, text, why, Durability::NoFlush)) return true;
    if (*why != FileError::MissingFolder) return false;
    if (!k_.s.files.makeDirectories(folder)) return false;
    return k_.s.files.writeAtomic(path, text, why, Durability::NoFlush);
}

void ManuscriptBackup::reportFailure(FileError why, const std::string& path) {
    if (why == FileError::None) why = FileError::Other;
    if (why == shown_) return;
    shown_ = why;
    Say(k_.s.ui, "丢稿找回的备份没有写成（" + FileErrorText(why) + "）：\r\n" +
                     GbkFromNativeName(path) +
                     "\r\n编辑框里的文字都还在，请另行保存。问题解决后备份会继续。");
}

void ManuscriptBackup::onOptionClicked() {
    Say(k_.s.ui, k_.s.ui.isChecked(kOption) ? "使用自动备份保存后文本会逐字自动保存到软件所在目录。"
                                            : "关闭成功");
}

void ManuscriptBackup::OpenBackupFolder() {
    const std::string folder = BackupFolder(k_.s.paths.runDirectory());
    if (!k_.s.files.makeDirectories(folder)) {
        Say(k_.s.ui, "备份文件夹无法创建：\r\n" + GbkFromNativeName(folder));
        return;
    }
    k_.s.ui.openUrl(FileUrl(folder));
}

void ManuscriptBackup::PrintText() {
    k_.s.ui.printText(k_.s.editor.text());
}

}  // namespace kalamo
