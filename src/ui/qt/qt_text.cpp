#include "ui/qt/qt_text.h"

#include <QFile>

#include "base/gbk.h"

namespace kalamo {

QString QStringFromGbk(std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string GbkFromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString QStringFromGbkLines(std::string_view gbk) {
    QString text = QStringFromGbk(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string GbkLinesFromQString(const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return GbkFromQString(crlf);
}

QString QStringFromEditorBytes(std::string_view bytes) {
    const std::u16string units = Gb18030ToUtf16Units(bytes, u'\n');
    return QString(reinterpret_cast<const QChar*>(units.data()),
                   static_cast<qsizetype>(units.size()));
}

EditorBytes EditorBytesFromQString(const QString& units) {
    std::u16string text;
    text.reserve(static_cast<std::size_t>(units.size()));
    for (const QChar c : units) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator || u == QChar::LineSeparator)
            text += u"\r\n";
        else
            text += u;
    }
    EditorBytes out;
    out.bytes = Utf16UnitsToGb18030(text, &out.strays);
    return out;
}

QString QStringFromNative(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string NativeFromQString(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QColor QColorOf(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Colour ColourOf(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace kalamo
