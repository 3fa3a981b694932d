#pragma once

#include "core/recording_player.h"
#include "core/update_check.h"

namespace kalamo {

// The writing tools and the update check before they land.
class ToolsStandIn : public UpdateCheck, public RecordingPlayer {
  public:
    void CheckForUpdate() override {}
    void OpenPlayer(const std::string&) override {}
    void OpenNameWindow() {}
    void OpenTranslationWindow() {}
    void OpenConversionWindow() {}
    void StartRecording() {}
};

}  // namespace kalamo
