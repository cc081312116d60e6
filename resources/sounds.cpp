// Synthesizes the program's two sounds as 16-bit mono AIFF files at 44.1 kHz:
// "Shutter.aif", a camera shutter (two short bursts of bright noise, the
// blades opening and closing), and "Click.aif", a short dry click. The noise
// comes from a fixed-seed generator, so every build writes the same files.
//
// Usage: larkspan_sounds OUTPUT_FOLDER
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// A small linear congruential generator: white noise in [-1, 1).
class Noise {
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x5eedULL;
};

// Adds a burst of noise at `start` seconds: a sharp attack, then an
// exponential decay with time constant `decay`; the first difference of the
// noise takes the low end away, as a small mechanism sounds.
void addBurst(std::vector<double>& out, Noise& noise, double start, double decay, double gain)
{
    const auto first = static_cast<std::size_t>(start * kRate);
    double previous = 0;
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double attack = std::min(1.0, t / 0.0008);
        const double n = noise.next();
        out[i] += gain * attack * std::exp(-t / decay) * (n - 0.6 * previous);
        previous = n;
    }
}

std::vector<double> shutter()
{
    std::vector<double> out(static_cast<std::size_t>(0.3 * kRate), 0.0);
    Noise noise;
    addBurst(out, noise, 0.0, 0.012, 0.8);
    addBurst(out, noise, 0.11, 0.02, 0.6);
    return out;
}

std::vector<double> click()
{
    std::vector<double> out(static_cast<std::size_t>(0.02 * kRate), 0.0);
    Noise noise;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        out[i] = std::exp(-t / 0.0025) * (0.7 * std::sin(2 * kPi * 2200 * t) + 0.25 * noise.next());
    }
    return out;
}

bool writeAiff(const std::string& path, const std::vector<double>& signal)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    std::vector<short> samples;
    samples.reserve(signal.size());
    for (const double v : signal) samples.push_back(static_cast<short>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    const bool written = sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size())) ==
                         static_cast<sf_count_t>(samples.size());
    return sf_close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!writeAiff(folder + "/Shutter.aif", shutter()) || !writeAiff(folder + "/Click.aif", click())) {
        std::fprintf(stderr, "%s: cannot write the sounds into %s\n", argv[0], folder.c_str());
        return 1;
    }
    return 0;
}
