#include "ui/qt/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

#include "ui/qt/wav_pcm.h"

// Outside any namespace, as Qt's resource macro requires; registering twice is harmless.
static void InitSoundResources() {
    Q_INIT_RESOURCE(resources);
}

namespace kalamo {
namespace {

// About 60 ms between a key and its sound; a smaller buffer can stall a pulling stream.
constexpr int kBufferMilliseconds = 80;

const char* ResourceOf(BuiltInSound sound) {
    switch (sound) {
        case BuiltInSound::KeyClassic:
            return ":/kalamo/key_classic.wav";
        case BuiltInSound::KeyApple:
            return ":/kalamo/key_apple.wav";
        case BuiltInSound::KeyDrop:
            return ":/kalamo/key_drop.wav";
    }
    return "";
}

QAudioFormat FormatOf(int channels) {
    QAudioFormat format;
    format.setSampleRate(SoundPlayer::kSampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

SoundPlayer::SoundPlayer(int quietMilliseconds) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(quietMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, [this] { suspendWhenQuiet(); });
}

SoundPlayer::~SoundPlayer() {
    if (sink_) sink_->stop();
}

std::vector<std::int16_t> SoundPlayer::SamplesOf(BuiltInSound sound) {
    InitSoundResources();
    QFile file(QString::fromLatin1(ResourceOf(sound)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return MonoPcmOfWav(file.readAll(), kSampleRate);
}

void SoundPlayer::play(BuiltInSound sound) {
    ++requests_;
    if (!ensureStream()) return;
    auto loaded = samples_.find(sound);
    if (loaded == samples_.end()) loaded = samples_.emplace(sound, SamplesOf(sound)).first;
    mixer_.play(loaded->second);
    if (sink_->state() == QAudio::SuspendedState) sink_->resume();
    quiet_.start();
}

// The device is asked for once: the question itself may log that there is no sound server.
bool SoundPlayer::ensureStream() {
    if (failed_) return false;
    if (sink_) return true;
    failed_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    int channels = 1;
    if (!device.isFormatSupported(FormatOf(channels))) channels = 2;
    if (!device.isFormatSupported(FormatOf(channels))) return false;
    const QAudioFormat format = FormatOf(channels);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    mixer_.setChannels(channels);
    mixer_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this] { onStateChanged(); });
    sink_->start(&mixer_);
    failed_ = sink_->error() != QAudio::NoError;
    return !failed_;
}

// A stream that stopped on an error stays closed; the program goes on without sound.
void SoundPlayer::onStateChanged() {
    if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) failed_ = true;
}

void SoundPlayer::suspendWhenQuiet() {
    if (failed_ || !sink_) return;
    if (!mixer_.isSilent()) return quiet_.start();
    sink_->suspend();
}

}  // namespace kalamo
