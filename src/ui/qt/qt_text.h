#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "ui/ui_types.h"

namespace kalamo {

// The logic speaks GBK with "\r\n" line breaks; Qt speaks UTF-16 with "\n".
QString QStringFromGbk(std::string_view gbk);
std::string GbkFromQString(const QString& text);
QString QStringFromGbkLines(std::string_view gbk);
std::string GbkLinesFromQString(const QString& text);

// Native paths are bytes; Qt needs them decoded the way the file system does.
QString QStringFromNative(std::string_view path);
std::string NativeFromQString(const QString& path);

QColor QColorOf(Colour colour);
Colour ColourOf(const QColor& colour);

}  // namespace kalamo
