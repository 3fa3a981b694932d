#include "ui/qt/qt_ui.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_ui_facade.h"
#include "ui/qt/termination_relay.h"

namespace kalamo {
namespace {

// The layouts are drawn for a 9-point CJK face; prefer one that has every character.
void UseChineseFont() {
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei"}) {
        if (families.contains(QString::fromLatin1(family))) {
            QApplication::setFont(QFont(QString::fromLatin1(family), 9));
            return;
        }
    }
}

}  // namespace

QtUi::QtUi() : translator_(std::make_unique<QTranslator>()) {
    if (translator_->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator_.get());
    UseChineseFont();
    facade_ = std::make_unique<QtUiFacade>();
    termination_ = std::make_unique<TerminationRelay>([this] {
        facade_->relay().send({kMainWindow, {}, EventKind::TerminateRequested});
    });
}

QtUi::~QtUi() {
    termination_.reset();
    facade_.reset();
    QCoreApplication::removeTranslator(translator_.get());
}

UiFacade& QtUi::facade() {
    return *facade_;
}

EditorView& QtUi::editor() {
    return facade_->editor();
}

void QtUi::showMainWindow() {
    facade_->showWindow(kMainWindow);
}

}  // namespace kalamo
