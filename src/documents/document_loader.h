#pragma once

#include <string>

#include "core/kalamo.h"

namespace kalamo {

// Puts a document's text into the editor and remembers how its file holds it, so that an
// unchanged document is recognised and an edited one is written back the same way.
class DocumentLoader {
  public:
    explicit DocumentLoader(Kalamo& k) : k_(k) {}

    // A plain text file, in whichever encoding its bytes choose; a missing or unreadable
    // file gives an empty text.
    void loadPlainText(const std::string& path);

  private:
    Kalamo& k_;
};

}  // namespace kalamo
