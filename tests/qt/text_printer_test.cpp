#include "ui/qt/text_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace kalamo::test {
namespace {

// The pages of a PDF as Qt writes them: one "/Type /Page" object each.
int PagesIn(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page "));
}

QByteArray PrintToPdf(const QString& text) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    EXPECT_TRUE(PrintPlainText(printer, text));
    QFile file(dir.filePath("out.pdf"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

TEST(TextPrinter, PrintsTheWholeTextOverAsManyPagesAsItNeeds) {
    QString longText;
    for (int i = 0; i < 300; ++i) longText += QStringLiteral("第%1行，写了一些字。\n").arg(i);
    const QByteArray shortPdf = PrintToPdf(QStringLiteral("一行字"));
    const QByteArray longPdf = PrintToPdf(longText);
    ASSERT_TRUE(shortPdf.startsWith("%PDF"));
    ASSERT_TRUE(longPdf.startsWith("%PDF"));
    EXPECT_EQ(PagesIn(shortPdf), 1);
    EXPECT_GE(PagesIn(longPdf), 4);
}

}  // namespace
}  // namespace kalamo::test
