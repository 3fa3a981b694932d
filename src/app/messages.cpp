#include "app/messages.h"

namespace kalamo {

MessageAnswer Say(UiFacade& ui, const std::string& text, MessageButtons buttons) {
    MessageBoxSpec box;
    box.text = text;
    box.caption = "Kalamo";
    box.buttons = buttons;
    box.icon = MessageIcon::None;
    return ui.showMessage(box);
}

}  // namespace kalamo
