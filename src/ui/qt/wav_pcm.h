#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace kalamo {

// The samples of a WAV file holding 16-bit mono PCM at `sampleRate`; empty for anything
// else, a damaged file included.
std::vector<std::int16_t> MonoPcmOfWav(const QByteArray& wav, int sampleRate);

}  // namespace kalamo
