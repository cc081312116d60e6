#include "app/sound_player.h"

#include <sndfile.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include "model/resource_folder.h"

namespace larkspan {

namespace {

// The longest sound decoded: the program's own are well under a second.
constexpr sf_count_t kMaxSeconds = 60;

class AudioOutputSink : public SoundSink {
public:
    bool start(const DecodedSound& sound) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(sound.rate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return false;
        bytes_ = QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                            static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t)));
        buffer_.setBuffer(&bytes_);
        if (!buffer_.open(QIODevice::ReadOnly)) return false;
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->start(&buffer_);
        return sink_->error() == QAudio::NoError;
    }

    bool finished() override
    {
        if (!sink_ || sink_->error() != QAudio::NoError) return true;
        return buffer_.atEnd() && sink_->state() != QAudio::ActiveState;
    }

    void stop() override
    {
        if (sink_) sink_->stop();
        sink_.reset();
        buffer_.close();
    }

    ~AudioOutputSink() override { stop(); }

private:
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace

std::chrono::milliseconds DecodedSound::length() const
{
    if (channels <= 0 || rate <= 0) return std::chrono::milliseconds(0);
    const auto frames = static_cast<long long>(samples.size()) / channels;
    return std::chrono::milliseconds(frames * 1000 / rate);
}

std::optional<DecodedSound> decodeSound(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) return std::nullopt;
    const bool usable = info.channels > 0 && info.channels <= 8 && info.samplerate >= 1000 &&
                        info.samplerate <= 192000 && info.frames > 0 && info.frames <= kMaxSeconds * info.samplerate;
    std::optional<DecodedSound> sound;
    if (usable) {
        DecodedSound s;
        s.channels = info.channels;
        s.rate = info.samplerate;
        s.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
        const sf_count_t read = sf_readf_short(file, s.samples.data(), info.frames);
        // A file cut short plays what it holds.
        s.samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0) * info.channels));
        if (!s.samples.empty()) sound = std::move(s);
    }
    sf_close(file);
    return sound;
}

std::unique_ptr<SoundSink> makeAudioOutputSink()
{
    return std::make_unique<AudioOutputSink>();
}

PlayResult playSoundFile(const QString& path, SoundSink& sink, std::chrono::milliseconds margin)
{
    if (!QFileInfo(path).isFile()) return PlayResult::NotFound;
    const auto sound = decodeSound(path);
    if (!sound) return PlayResult::Unreadable;
    if (!sink.start(*sound)) {
        sink.stop();
        return PlayResult::NoOutput;
    }
    QEventLoop loop;
    bool done = sink.finished();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (sink.finished()) {
            done = true;
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (!done) {
        poll.start(17);
        deadline.start(sound->length() + margin);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    sink.stop();
    return done ? PlayResult::Played : PlayResult::TimedOut;
}

PlayResult PlayMovieSoundFromSupportFilename(const QString& fileName, const QString& folder)
{
    const QString path = QDir(QString::fromStdString(resourceFolder(folder.toStdString()))).filePath(fileName);
    const auto sink = makeAudioOutputSink();
    return playSoundFile(path, *sink);
}

}  // namespace larkspan
