// What a key sound costs the keystroke. With an audio device the first sound opens the
// stream (measured once, apart); every later one only joins the mix. QSoundEffect, which
// opens a stream per play, is measured beside it. Without a device both are a test and a
// return. Run with and without a sound server to see both.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <memory>

#include "ui/qt/sound_mixer.h"
#include "ui/qt/sound_player.h"

namespace kalamo::bench {
namespace {

// The first sound of a run: asking for the device, opening and starting the stream.
void BM_KeySoundFirst(benchmark::State& state) {
    for (auto _ : state) {
        SoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        player.play(BuiltInSound::KeyClassic);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KeySoundFirst)->UseManualTime()->Iterations(5)->Unit(benchmark::kMicrosecond);

// Every later key: the stream stands open (or is known to be missing).
void BM_KeySound(benchmark::State& state) {
    SoundPlayer player;
    player.play(BuiltInSound::KeyClassic);
    int n = 0;
    for (auto _ : state) {
        player.play(BuiltInSound::KeyClassic);
        if (++n % 32 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeySound)->Unit(benchmark::kMicrosecond);

// The mixing the stream pulls every 20 ms while four sounds overlap.
void BM_MixTwentyMilliseconds(benchmark::State& state) {
    const auto samples = SoundPlayer::SamplesOf(BuiltInSound::KeyDrop);
    SoundMixer mixer;
    mixer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    std::array<char, SoundPlayer::kSampleRate / 50 * 2> buffer{};
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 4; ++i) mixer.play(samples);
        state.ResumeTiming();
        mixer.read(buffer.data(), static_cast<qint64>(buffer.size()));
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_MixTwentyMilliseconds)->Unit(benchmark::kMicrosecond);

// The same keys through a pool of four QSoundEffects, one after another.
void BM_QSoundEffectPool(benchmark::State& state) {
    std::array<std::unique_ptr<QSoundEffect>, 4> pool;
    for (auto& effect : pool) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/kalamo/key_classic.wav")));
    }
    while (!pool[0]->isLoaded() && pool[0]->status() != QSoundEffect::Error)
        QCoreApplication::processEvents();
    std::size_t n = 0;
    for (auto _ : state) {
        pool[n++ % pool.size()]->play();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QSoundEffectPool)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalamo::bench
