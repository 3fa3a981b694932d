#include "ui/qt/sound_mixer.h"

#include <algorithm>
#include <cstring>

namespace kalamo {

void SoundMixer::play(const std::vector<std::int16_t>& samples) {
    if (samples.empty()) return;
    if (voices_.size() == kMaxVoices) voices_.erase(voices_.begin());
    voices_.push_back({&samples, 0});
}

// A pulling sink reads as much as it has room for; the stream never ends.
qint64 SoundMixer::bytesAvailable() const {
    return QIODevice::bytesAvailable() + (1 << 16);
}

qint64 SoundMixer::readData(char* data, qint64 maxSize) {
    const auto frameBytes = static_cast<qint64>(sizeof(std::int16_t)) * channels_;
    const auto frames = static_cast<std::size_t>(maxSize / frameBytes);
    sum_.assign(frames, 0);
    for (Voice& v : voices_) {
        const std::size_t n = std::min(frames, v.samples->size() - v.at);
        const std::int16_t* from = v.samples->data() + v.at;
        for (std::size_t i = 0; i < n; ++i) sum_[i] += from[i];
        v.at += n;
    }
    std::erase_if(voices_, [](const Voice& v) { return v.at == v.samples->size(); });
    // The sink's buffer need not be aligned for 16-bit stores.
    char* out = data;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto s = static_cast<std::int16_t>(std::clamp(sum_[i], -32768, 32767));
        for (int c = 0; c < channels_; ++c, out += sizeof s) std::memcpy(out, &s, sizeof s);
    }
    return static_cast<qint64>(frames) * frameBytes;
}

}  // namespace kalamo
