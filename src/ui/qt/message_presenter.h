#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "ui/ui_types.h"

class QFileDialog;
class QMessageBox;

namespace kalamo {

// Shows the program's modal boxes and file dialogs. The facade goes through this seam so
// that a test can answer without a modal loop.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer ask(const MessageBoxSpec& box) = 0;
    // A native path, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const FileDialogSpec& spec, bool saving) = 0;
};

// The real boxes: modal for the whole program, without an owner window.
class QtMessagePresenter : public MessagePresenter {
  public:
    MessageAnswer ask(const MessageBoxSpec& box) override;
    std::optional<std::string> chooseFile(const FileDialogSpec& spec, bool saving) override;
};

// Built apart from showing them, so that tests can look at what would be shown.
std::unique_ptr<QMessageBox> BuildMessageBox(const MessageBoxSpec& box);
std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogSpec& spec, bool saving);
QStringList NameFilters(const std::vector<FileFilter>& filters);

}  // namespace kalamo
