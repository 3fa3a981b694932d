#pragma once

#include <string>

namespace kalamo {

enum class WritingMode { None, TemporaryText, Article, Diary, Schedule, ShoppingList };

// The shared writing state of the main window: one instance for the run.
struct WritingSession {
    bool on = false;  // WritingState
    WritingMode mode = WritingMode::None;
    std::string currentDocumentPath;  // native path, empty for new text
    std::string documentPassword;     // GBK
    bool openedFromFile = false;
    // The document was UTF-8 on disk: it is compared and saved back as UTF-8.
    bool documentUtf8 = false;
};

}  // namespace kalamo
