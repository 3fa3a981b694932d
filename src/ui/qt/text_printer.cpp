#include "ui/qt/text_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace kalamo {

bool PrintPlainText(QPrinter& printer, const QString& text) {
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

bool PrintWithDialog(const QString& text) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    return PrintPlainText(printer, text);
}

}  // namespace kalamo
