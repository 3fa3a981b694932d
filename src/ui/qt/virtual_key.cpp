#include "ui/qt/virtual_key.h"

#include <QKeyEvent>
#include <utility>

#include "ui/ui_event.h"

namespace kalamo {
namespace {

constexpr std::pair<int, int> kSpecialKeys[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},   {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},     {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},        {Qt::Key_Up, 38},      {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Print, 44},   {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Meta, 91},    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
};

// Punctuation keys of the main keyboard (US layout), shifted or not: Qt names the symbol,
// the logic wants the key.
constexpr std::pair<int, int> kPunctuation[] = {
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},     {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},   {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},  {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},    {Qt::Key_ParenRight, '0'},
};

int KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
            return 110;
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

int LookUp(int key) {
    for (const auto& [qt, vk] : kSpecialKeys)
        if (qt == key) return vk;
    for (const auto& [qt, vk] : kPunctuation)
        if (qt == key) return vk;
    return 0;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (int vk = KeypadKey(key)) return vk;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    return LookUp(key);
}

int ModifierSumOf(Qt::KeyboardModifiers modifiers) {
    int sum = 0;
    if (modifiers & Qt::ControlModifier) sum += kModCtrl;
    if (modifiers & Qt::ShiftModifier) sum += kModShift;
    if (modifiers & Qt::AltModifier) sum += kModAlt;
    return sum;
}

int QtKeyOfVirtualKey(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key_A + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9') return Qt::Key_0 + (virtualKey - '0');
    if (virtualKey >= 112 && virtualKey <= 135) return Qt::Key_F1 + (virtualKey - 112);
    for (const auto& [qt, vk] : kSpecialKeys)
        if (vk == virtualKey) return qt;
    return Qt::Key_unknown;
}

}  // namespace kalamo
