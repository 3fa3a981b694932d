#pragma once

#include <string>

namespace kalamo {

// The recording player window "录音播放器 v2.0".
class RecordingPlayer {
  public:
    virtual ~RecordingPlayer() = default;
    // Opens the player on a WAV file, without a change to the writing state.
    virtual void OpenPlayer(const std::string& path) = 0;
};

}  // namespace kalamo
