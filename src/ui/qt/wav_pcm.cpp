#include "ui/qt/wav_pcm.h"

#include <cstring>

namespace kalamo {
namespace {

std::uint32_t Le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<std::uint32_t>(u[3]) << 24);
}

std::uint16_t Le16(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(u[0] | (u[1] << 8));
}

struct Format {
    bool seen = false;
    std::uint16_t encoding = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
};

}  // namespace

std::vector<std::int16_t> MonoPcmOfWav(const QByteArray& wav, int sampleRate) {
    const char* d = wav.constData();
    const std::size_t size = static_cast<std::size_t>(wav.size());
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return {};
    Format f;
    // Chunks are padded to an even length.
    for (std::size_t at = 12; at + 8 <= size;) {
        const std::size_t length = Le32(d + at + 4);
        const std::size_t body = at + 8;
        if (length > size - body) return {};
        if (std::memcmp(d + at, "fmt ", 4) == 0 && length >= 16) {
            f = {true, Le16(d + body), Le16(d + body + 2), Le16(d + body + 14), Le32(d + body + 4)};
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            if (!f.seen || f.encoding != 1 || f.channels != 1 || f.bits != 16 ||
                f.rate != static_cast<std::uint32_t>(sampleRate))
                return {};
            std::vector<std::int16_t> samples(length / 2);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = static_cast<std::int16_t>(Le16(d + body + 2 * i));
            return samples;
        }
        at = body + length + (length & 1);
    }
    return {};
}

}  // namespace kalamo
