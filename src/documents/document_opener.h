#pragma once

#include <string>
#include <vector>

#include "core/document_cipher.h"
#include "core/kalamo.h"
#include "core/recording_player.h"
#include "core/writing_control.h"
#include "documents/document_loader.h"

namespace kalamo {

// Opening documents: the open dialog, dropped files and dropped text.
class DocumentOpener {
  public:
    DocumentOpener(Kalamo& k, WritingControl& writing, DocumentCipher& cipher,
                   RecordingPlayer& player)
        : k_(k), writing_(writing), cipher_(cipher), player_(player) {}

    // Filter entries of the open dialog.
    static constexpr int kAllDocuments = 0;
    static constexpr int kWaveFiles = 3;

    // An empty path asks the open dialog, showing `filter` first.
    void OpenDocument(const std::string& path, int filter = kAllDocuments);
    void OnFilesDropped(const std::vector<std::string>& paths);
    void OnTextDropped(const std::string& text);

  private:
    bool readable(const std::string& path);
    void openPlainText(const std::string& path);
    void openEnciphered(const std::string& path);
    void openWordDocument(const std::string& path);
    void startDocument(const std::string& path);
    void refuseWhileWriting();

    Kalamo& k_;
    WritingControl& writing_;
    DocumentCipher& cipher_;
    RecordingPlayer& player_;
    DocumentLoader loader_{k_};
};

}  // namespace kalamo
