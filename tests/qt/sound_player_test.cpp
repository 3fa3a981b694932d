#include "ui/qt/sound_player.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>

#include "qt_test_support.h"
#include "ui/qt/sound_mixer.h"
#include "ui/qt/wav_pcm.h"

namespace kalamo::test {
namespace {

constexpr int kRate = SoundPlayer::kSampleRate;

TEST(SoundPlayerTest, TheBuiltInSoundsAreShortAudibleAndUnclipped) {
    for (BuiltInSound sound :
         {BuiltInSound::KeyClassic, BuiltInSound::KeyApple, BuiltInSound::KeyDrop}) {
        const auto samples = SoundPlayer::SamplesOf(sound);
        const int which = static_cast<int>(sound);
        ASSERT_FALSE(samples.empty()) << which;
        EXPECT_LT(samples.size(), kRate * 3u / 10) << which;  // under 0.3 s
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
        EXPECT_GT(peak, 8000) << which;
        EXPECT_LT(peak, 32767) << which;
    }
}

QByteArray Le(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray out = QByteArray(id, 4) + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2) out.append('\0');
    return out;
}

QByteArray Fmt(int encoding, int channels, int rate, int bits) {
    const int block = channels * bits / 8;
    return Chunk("fmt ", Le(encoding, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * block, 4) +
                             Le(block, 2) + Le(bits, 2));
}

QByteArray Wav(const QByteArray& chunks) {
    return "RIFF" + Le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

TEST(SoundPlayerTest, OnlyWholeSixteenBitMonoPcmAtTheRateIsRead) {
    const QByteArray data = Chunk("data", Le(0x0102, 2) + Le(0xFFFF, 2));
    const std::vector<std::int16_t> both{0x0102, -1};
    const struct {
        const char* what;
        QByteArray wav;
        std::vector<std::int16_t> expected;
    } cases[] = {
        {"plain", Wav(Fmt(1, 1, kRate, 16) + data), both},
        {"after an odd chunk", Wav(Fmt(1, 1, kRate, 16) + Chunk("LIST", "abc") + data), both},
        {"stereo", Wav(Fmt(1, 2, kRate, 16) + data), {}},
        {"8 bit", Wav(Fmt(1, 1, kRate, 8) + data), {}},
        {"float", Wav(Fmt(3, 1, kRate, 16) + data), {}},
        {"other rate", Wav(Fmt(1, 1, 22050, 16) + data), {}},
        {"no format", Wav(data), {}},
        {"cut short", Wav(Fmt(1, 1, kRate, 16) + data).chopped(1), {}},
        {"not RIFF", "RIFX" + Wav(Fmt(1, 1, kRate, 16) + data).mid(4), {}},
        {"empty", QByteArray(), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(MonoPcmOfWav(c.wav, kRate), c.expected) << c.what;
}

std::vector<std::int16_t> Read(SoundMixer& mixer, int frames, int channels = 1) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames * channels), 7);
    const qint64 got = mixer.read(reinterpret_cast<char*>(out.data()),
                                  static_cast<qint64>(out.size() * sizeof(std::int16_t)));
    EXPECT_EQ(got, static_cast<qint64>(out.size() * sizeof(std::int16_t)));
    return out;
}

// Sounds overlap: a new one joins what plays, they add up within the 16-bit range, and
// when all have ended the stream goes on in silence.
TEST(SoundPlayerTest, TheMixerAddsOverlappingSoundsAndThenIsSilent) {
    const std::vector<std::int16_t> a{1000, 2000, 3000, 30000};
    const std::vector<std::int16_t> b{10, 20, 30000, -5};
    SoundMixer mixer;
    mixer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    EXPECT_EQ(Read(mixer, 2), (std::vector<std::int16_t>{0, 0}));
    mixer.play(a);
    EXPECT_EQ(Read(mixer, 1), (std::vector<std::int16_t>{1000}));
    mixer.play(b);
    EXPECT_EQ(Read(mixer, 3), (std::vector<std::int16_t>{2010, 3020, 32767}));
    EXPECT_FALSE(mixer.isSilent());
    EXPECT_EQ(Read(mixer, 3), (std::vector<std::int16_t>{-5, 0, 0}));
    EXPECT_TRUE(mixer.isSilent());

    mixer.setChannels(2);
    mixer.play(b);
    EXPECT_EQ(Read(mixer, 2, 2), (std::vector<std::int16_t>{10, 10, 20, 20}));
}

// A held key repeats faster than its sound ends: the oldest voice gives way to the newest.
TEST(SoundPlayerTest, TheMixerKeepsTheNewestVoicesOnly) {
    const std::vector<std::int16_t> quiet(10, 1), loud(10, 100);
    SoundMixer mixer;
    mixer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    for (std::size_t i = 0; i < SoundMixer::kMaxVoices; ++i) mixer.play(quiet);
    mixer.play(loud);
    const auto sum = static_cast<std::int16_t>(SoundMixer::kMaxVoices - 1 + 100);
    EXPECT_EQ(Read(mixer, 1), std::vector<std::int16_t>{sum});
}

// Only where there is a sound server: a sound is pulled to its end, also the first one after
// the stream was suspended for quiet.
TEST(SoundPlayerTest, WithADeviceSoundsPlayToTheirEnd) {
    if (QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "no audio device";
    SoundPlayer player(100);
    player.play(BuiltInSound::KeyClassic);
    player.play(BuiltInSound::KeyApple);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(WaitFor([&] { return !player.isPlaying(); }));
    QTest::qWait(300);
    player.play(BuiltInSound::KeyDrop);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(WaitFor([&] { return !player.isPlaying(); }));
}

}  // namespace
}  // namespace kalamo::test
