#pragma once

#include <Qt>

class QKeyEvent;

namespace kalamo {

// The logic knows keys by their Windows virtual-key codes and a modifier sum.
int VirtualKeyOf(const QKeyEvent& event);
int ModifierSumOf(Qt::KeyboardModifiers modifiers);
// The Qt key of a virtual-key code; Qt::Key_unknown when there is none.
int QtKeyOfVirtualKey(int virtualKey);

// The code a key press has while an input method composes text.
constexpr int kVirtualKeyProcessKey = 229;

}  // namespace kalamo
