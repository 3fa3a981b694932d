#pragma once

#include <QString>

class QPrinter;

namespace kalamo {

// Prints plain text once on a printer set up already, broken into lines and pages to fit.
// False when the printer refused the job.
bool PrintPlainText(QPrinter& printer, const QString& text);

// The system's print dialog, modal for the whole program, then the text on the printer
// chosen there. False when the dialog was cancelled or the job failed.
bool PrintWithDialog(const QString& text);

}  // namespace kalamo
