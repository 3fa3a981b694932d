#include "ui/qt/message_presenter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/qt_text.h"

namespace kalamo {
namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing the box (its close button, Escape) answers Cancel where there is one, OK where
// OK is the only button, and No for a Yes/No question.
QMessageBox::StandardButton ClosingAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::YesNo:
            return QMessageBox::No;
        default:
            return QMessageBox::Cancel;
    }
}

MessageAnswer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(const MessageBoxSpec& box) {
    const QMessageBox::Icon icon =
        box.icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    auto dialog = std::make_unique<QMessageBox>(
        icon, QStringFromGbk(box.caption), QStringFromGbkLines(box.text), ButtonsOf(box.buttons));
    dialog->setTextFormat(Qt::PlainText);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setEscapeButton(dialog->button(ClosingAnswer(box.buttons)));
    return dialog;
}

MessageAnswer QtMessagePresenter::ask(const MessageBoxSpec& box) {
    std::unique_ptr<QMessageBox> dialog = BuildMessageBox(box);
    dialog->exec();
    QAbstractButton* clicked = dialog->clickedButton();
    const QMessageBox::StandardButton answer =
        clicked ? dialog->standardButton(clicked) : ClosingAnswer(box.buttons);
    return AnswerOf(answer == QMessageBox::NoButton ? ClosingAnswer(box.buttons) : answer);
}

// Qt reads a filter's patterns from the parentheses at its end; the description keeps its
// own text.
QStringList NameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& f : filters) {
        QString patterns = QString::fromStdString(f.pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        names << QStringFromGbk(f.description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return names;
}

std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogSpec& spec, bool saving) {
    auto dialog = std::make_unique<QFileDialog>();
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The descriptions already name their patterns.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList names = NameFilters(spec.filters);
    if (!names.isEmpty()) {
        dialog->setNameFilters(names);
        const int chosen = spec.selectedFilter >= 0 && spec.selectedFilter < names.size()
                               ? spec.selectedFilter
                               : 0;
        dialog->selectNameFilter(names.at(chosen));
    }
    const QString folder = QStringFromNative(spec.initialFolder);
    if (!folder.isEmpty() && QDir(folder).exists()) dialog->setDirectory(folder);
    if (!spec.fileName.empty()) dialog->selectFile(QStringFromNative(spec.fileName));
    if (!spec.defaultExtension.empty())
        dialog->setDefaultSuffix(QString::fromStdString(spec.defaultExtension));
    return dialog;
}

std::optional<std::string> QtMessagePresenter::chooseFile(const FileDialogSpec& spec, bool saving) {
    std::unique_ptr<QFileDialog> dialog = BuildFileDialog(spec, saving);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return NativeFromQString(dialog->selectedFiles().constFirst());
}

}  // namespace kalamo
