#pragma once

#include <string>

#include "ui/ui_facade.h"

namespace kalamo {

// A message box with the program's caption "Kalamo" and no icon.
MessageAnswer Say(UiFacade& ui, const std::string& text,
                  MessageButtons buttons = MessageButtons::Ok);

}  // namespace kalamo
