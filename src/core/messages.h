#pragma once

#include <string>

#include "platform/file_system.h"
#include "ui/ui_facade.h"

namespace kalamo {

// A message box with the program's caption "Kalamo" and no icon.
MessageAnswer Say(UiFacade& ui, const std::string& text,
                  MessageButtons buttons = MessageButtons::Ok);

// Why a file could not be written, as the user reads it.
std::string FileErrorText(FileError error);

}  // namespace kalamo
