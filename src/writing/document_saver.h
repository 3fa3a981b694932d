#pragma once

#include <optional>
#include <string>

#include "core/document_cipher.h"
#include "core/kalamo.h"
#include "writing/writing_modes.h"

namespace kalamo {

// Ends writing with a save: overwrite the opened document or choose a file, as plain text or
// as an enciphered .kmt document. A save that cannot be written keeps writing on.
class DocumentSaver {
  public:
    // Attaches itself to `modes`, whose stop branch then runs StopAndSave.
    DocumentSaver(Kalamo& k, WritingModes& modes, DocumentCipher& cipher);
    ~DocumentSaver();
    DocumentSaver(const DocumentSaver&) = delete;
    DocumentSaver& operator=(const DocumentSaver&) = delete;

    // True when the text was saved and writing ended; false when it stays on.
    bool StopAndSave();
    // At shut-down while writing is on: runs the save flow when the text differs from the file.
    // False when a save was tried and failed: the text exists only in the editor.
    bool ExitSaveCheck();
    // When the program must end without asking: unsaved text goes to the backup folder
    // beside the executable. False when there was something to keep and it was not kept.
    bool RescueUnsavedText();
    // A path from the save dialog; false (after telling the user) when nothing was written.
    bool WriteChosenFile(const std::string& path);

  private:
    bool saveNewText();
    bool overwriteOpened();
    bool saveElsewhere();
    bool offerElsewhereForCutText();
    bool writeEnciphered(const std::string& path);
    bool writePlain(const std::string& path);
    bool writeBytes(const std::string& path, const std::string& bytes);
    bool textDiffersFromFile() const;
    std::optional<std::string> chooseSavePath();
    bool cancelled();
    bool hasUnsavedText() const;

    Kalamo& k_;
    WritingModes& modes_;
    DocumentCipher& cipher_;
    bool writeFailed_ = false;
};

}  // namespace kalamo
