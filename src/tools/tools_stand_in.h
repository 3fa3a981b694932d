#pragma once

#include "core/update_check.h"

namespace kalamo {

// The writing tools and the update check before they land.
class ToolsStandIn : public UpdateCheck {
  public:
    void CheckForUpdate() override {}
    void OpenNameWindow() {}
    void OpenTranslationWindow() {}
    void OpenConversionWindow() {}
    void StartRecording() {}
    void OpenRecording() {}
};

}  // namespace kalamo
