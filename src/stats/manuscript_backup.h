#pragma once

#include <string>

#include "core/kalamo.h"

namespace kalamo {

// The copy of the whole text kept in 备份 beside the executable while 自动保存 is ticked,
// the way to that folder, and printing.
class ManuscriptBackup {
  public:
    explicit ManuscriptBackup(Kalamo& k) : k_(k) {}

    // After every change of the editor's text. The copy is replaced through a rename, so
    // a killed process leaves an earlier whole copy. Not flushed to disk: a keystroke must
    // not wait for the disk.
    void onTextChanged();
    // The check box 自动保存 was clicked.
    void onOptionClicked();
    // "丢稿找回": creates the folder and shows it in the file manager.
    void OpenBackupFolder();
    // "打印文本": the whole editor text through the print dialog.
    void PrintText();

  private:
    bool write(const std::string& folder, const std::string& path, FileError* why);
    void reportFailure(FileError why, const std::string& path);

    Kalamo& k_;
    // The failure last shown; a failure is shown again only once the situation changed.
    FileError shown_ = FileError::None;
};

}  // namespace kalamo
