// The speaker model's playback thread on a real ALSA device: a file device whose samples go
// to a raw file in a scratch directory, so the test hears what a sound card would play.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "diag/port_backend.h"
#include "diag/port_io.h"
#include "diag/speaker.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

constexpr int kRate = 48000;
constexpr const char* kAlsaConfig = "/usr/share/alsa/alsa.conf";

// Points ALSA's configuration at `path` for the life of the object.
class AlsaConfigOverride {
public:
    explicit AlsaConfigOverride(const std::string& path) {
        if (const char* previous = std::getenv("ALSA_CONFIG_PATH")) {
            m_previous = previous;
        }
        ::setenv("ALSA_CONFIG_PATH", path.c_str(), 1);
    }
    ~AlsaConfigOverride() {
        if (m_previous) {
            ::setenv("ALSA_CONFIG_PATH", m_previous->c_str(), 1);
        } else {
            ::unsetenv("ALSA_CONFIG_PATH");
        }
    }
    AlsaConfigOverride(const AlsaConfigOverride&) = delete;
    AlsaConfigOverride& operator=(const AlsaConfigOverride&) = delete;

private:
    std::optional<std::string> m_previous;
};

std::vector<std::int16_t> ReadSamples(const fs::path& file) {
    const std::string bytes = testing::ReadBytes(file.string());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(low | high << 8);
    }
    return samples;
}

double MeasuredHz(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t last) {
    std::vector<std::size_t> changes;
    for (std::size_t i = first + 1; i < last && i < samples.size(); ++i) {
        if ((samples[i] > 0) != (samples[i - 1] > 0)) {
            changes.push_back(i);
        }
    }
    if (changes.size() < 2) {
        return 0.0;
    }
    return kRate * static_cast<double>(changes.size() - 1) /
           (2.0 * static_cast<double>(changes.back() - changes.front()));
}

TEST(SoundPortBackendTest, PlaysTheCueOnTheSoundDevice) {
    if (!fs::exists(kAlsaConfig)) {
        GTEST_SKIP() << "no ALSA configuration at " << kAlsaConfig;
    }
    ScratchDirectory scratch;
    const fs::path output = scratch.Path() / "played.raw";
    testing::WriteBytes(scratch.File("asound.conf"), std::string("<") + kAlsaConfig +
                                                         ">\n"
                                                         "pcm.!default {\n"
                                                         "    type file\n"
                                                         "    slave.pcm \"null\"\n"
                                                         "    file \"" +
                                                         output.string() +
                                                         "\"\n"
                                                         "    format \"raw\"\n"
                                                         "}\n");
    const AlsaConfigOverride config(scratch.File("asound.conf"));

    std::unique_ptr<PortBackend> backend = MakeSoundPortBackend(SystemClock());
    std::string reason;
    if (!backend->Probe(reason)) {
        GTEST_SKIP() << reason;
    }
    DriverState driver;
    {
        speakerclass speaker(driver, std::move(backend), SystemClock());
        ASSERT_TRUE(speaker.PortsOpen());
        speaker.TwoTone();
        // The device takes its samples in real time; wait until the tones and some of the
        // silence after them are out.
        const auto enough = static_cast<std::uintmax_t>(0.2 * kRate * 2);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!(fs::exists(output) && fs::file_size(output) >= enough) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    const std::vector<std::int16_t> samples = ReadSamples(output);
    std::size_t first = 0;
    while (first < samples.size() && samples[first] == 0) {
        ++first;
    }
    std::size_t last = samples.size();
    while (last > first && samples[last - 1] == 0) {
        --last;
    }
    ASSERT_LT(first, samples.size()) << "nothing was played";
    const double toneMs = (last - first) * 1000.0 / kRate;
    // The exact lengths are checked on the fake clock; here the waits run in real time, and a
    // tone may run on by up to the device buffer before the byte that ends it is played.
    EXPECT_GE(toneMs, 98.0);
    EXPECT_LE(toneMs, 130.0);
    const auto at = [&](double ms) { return first + static_cast<std::size_t>(ms * kRate / 1000); };
    EXPECT_NEAR(MeasuredHz(samples, at(2), at(40)), 800.0, 8.0);
    EXPECT_NEAR(MeasuredHz(samples, at(62), at(90)), 700.0, 7.0);
    EXPECT_GE(samples.size() - last, static_cast<std::size_t>(0.05 * kRate)) << "no silence after";
}

}  // namespace
}  // namespace quorvel
