#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_types.h"

namespace kalamo {

// The logic speaks GBK with "\r\n" line breaks; Qt speaks UTF-16 with "\n".
QString QStringFromGbk(std::string_view gbk);
std::string GbkFromQString(const QString& text);
QString QStringFromGbkLines(std::string_view gbk);
std::string GbkLinesFromQString(const QString& text);

// The editor's bytes as its widget holds them, one UTF-16 unit per unit of GbkUnitAt (two
// beyond the BMP): a line break of any kind becomes '\n', a stray byte the lone low surrogate
// reserved for it, so that nothing is lost on the way back.
QString QStringFromEditorBytes(std::string_view bytes);
// Widget text back to bytes: a paragraph or line separator (or '\n') becomes "\r\n", a
// reserved surrogate its byte, whose offset goes to `strays`.
struct EditorBytes {
    std::string bytes;
    std::vector<std::size_t> strays;
};
EditorBytes EditorBytesFromQString(const QString& units);

// Native paths are bytes; Qt needs them decoded the way the file system does.
QString QStringFromNative(std::string_view path);
std::string NativeFromQString(const QString& path);

QColor QColorOf(Colour colour);
Colour ColourOf(const QColor& colour);

}  // namespace kalamo
