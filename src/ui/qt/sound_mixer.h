#pragma once

#include <QIODevice>
#include <cstdint>
#include <vector>

namespace kalamo {

// What an audio sink pulls: the sum of the sounds that are playing, 16-bit at the samples'
// rate on `channels` channels, and silence while none plays, so that the sink keeps
// running and a new sound costs no more than joining the list.
class SoundMixer : public QIODevice {
  public:
    static constexpr std::size_t kMaxVoices = 8;

    explicit SoundMixer(QObject* parent = nullptr) : QIODevice(parent) {}

    void setChannels(int channels) { channels_ = channels; }
    // Starts the mono `samples` from their beginning, over whatever plays already; beyond
    // kMaxVoices the oldest stops. The samples must outlive their playing.
    void play(const std::vector<std::int16_t>& samples);
    bool isSilent() const { return voices_.empty(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    struct Voice {
        const std::vector<std::int16_t>* samples;
        std::size_t at;
    };
    std::vector<Voice> voices_;
    std::vector<std::int32_t> sum_;
    int channels_ = 1;
};

}  // namespace kalamo
