#pragma once

#include <string>

#include "base/document_text.h"

namespace kalamo {

enum class WritingMode { None, TemporaryText, Article, Diary, Schedule, ShoppingList };

// The shared writing state of the main window: one instance for the run.
struct WritingSession {
    bool on = false;  // WritingState
    WritingMode mode = WritingMode::None;
    std::string currentDocumentPath;  // native path, empty for new text
    std::string documentPassword;     // GBK
    bool openedFromFile = false;
    // How the document's file holds its text (encoding, byte-order mark, line ends); a
    // plain text is compared and saved back in it.
    TextFormat documentFormat;
    // The file holds more than the editor could show (it stops at a zero byte): saving
    // over it would lose the rest.
    bool documentCut = false;
    // The editor holds the deciphered text of an enciphered document.
    bool documentEnciphered = false;
};

}  // namespace kalamo
