#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "ui/qt/sound_mixer.h"
#include "ui/ui_types.h"

class QAudioSink;

namespace kalamo {

// The built-in sounds through one audio stream that mixes them, opened at the first sound
// and suspended after a quiet spell: a sound costs joining the mix, not opening a stream.
// Without an audio device, or once the stream has failed, every sound is silent and
// nothing more is tried or logged for the rest of the run.
class SoundPlayer : public QObject {
  public:
    static constexpr int kSampleRate = 44100;

    // The stream is suspended once nothing has played for `quietMilliseconds`.
    explicit SoundPlayer(int quietMilliseconds = 3000);
    ~SoundPlayer() override;

    void play(BuiltInSound sound);
    // A sound is still being mixed into the stream.
    bool isPlaying() const { return !mixer_.isSilent(); }
    // Sounds asked for, heard or not.
    int requests() const { return requests_; }
    // The samples of a built-in sound; empty when its resource is missing or not 16-bit mono.
    static std::vector<std::int16_t> SamplesOf(BuiltInSound sound);

  private:
    bool ensureStream();
    void onStateChanged();
    void suspendWhenQuiet();

    std::map<BuiltInSound, std::vector<std::int16_t>> samples_;  // loaded at first use
    SoundMixer mixer_;
    std::unique_ptr<QAudioSink> sink_;  // after the mixer: it stops reading first
    QTimer quiet_;
    bool failed_ = false;
    int requests_ = 0;
};

}  // namespace kalamo
