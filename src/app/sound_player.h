// The program's sounds: a file of the resource folder decoded with libsndfile
// and played on the default audio output, the caller waiting for its end.
// Nothing here can hold the program up for longer than the sound lasts plus
// a short margin: no output device, a missing or broken file, or an output
// that stops taking data all end the wait.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace larkspan {

// A sound as interleaved 16-bit samples.
struct DecodedSound {
    std::vector<std::int16_t> samples;
    int channels = 1;
    int rate = 44100;
    std::chrono::milliseconds length() const;
};

// Decodes any file libsndfile reads (AIFF here); nothing when the file is
// missing, not a sound, empty or longer than a minute.
std::optional<DecodedSound> decodeSound(const QString& path);

// Where a decoded sound goes.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts playing the sound; false when there is no way to play it.
    virtual bool start(const DecodedSound& sound) = 0;
    // Whether the sound has been played out (or the output gave up).
    virtual bool finished() = 0;
    virtual void stop() = 0;
};

// The default audio output of the system, through QAudioSink.
std::unique_ptr<SoundSink> makeAudioOutputSink();

enum class PlayResult { Played, NotFound, Unreadable, NoOutput, TimedOut };

// Plays the file through `sink` and waits for its end, looking every 17 ms,
// with user input held back meanwhile. Gives up after the sound's length plus
// `margin`.
PlayResult playSoundFile(const QString& path, SoundSink& sink,
                         std::chrono::milliseconds margin = std::chrono::milliseconds(400));

// Plays `fileName` from the resource folder `folder` ("Images") on the
// default output.
PlayResult PlayMovieSoundFromSupportFilename(const QString& fileName, const QString& folder);

}  // namespace larkspan
