#pragma once

#include <string>

#include "ui/layouts/window_layout.h"

class QWidget;

namespace kalamo {

// Reading and writing the properties of a control's widget by the control's kind. Texts are
// GBK with "\r\n" line breaks. A property the kind does not have reads empty, false or -1
// and ignores writes.
std::string ControlText(const QWidget& widget, ControlKind kind);
void SetControlText(QWidget& widget, ControlKind kind, const std::string& gbk);
bool ControlChecked(const QWidget& widget, ControlKind kind);
void SetControlChecked(QWidget& widget, ControlKind kind, bool checked);
int ControlListIndex(const QWidget& widget, ControlKind kind);
void SetControlListIndex(QWidget& widget, ControlKind kind, int index);
Colour ControlTextColour(const QWidget& widget, ControlKind kind);
void SetControlTextColour(QWidget& widget, ControlKind kind, Colour colour);
void SetControlBackColour(QWidget& widget, ControlKind kind, Colour colour);

}  // namespace kalamo
