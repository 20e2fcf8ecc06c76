#include "diag/speaker_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "diag/port_io.h"
#include "diag/speaker.h"
#include "support/fake_clock.h"
#include "support/wav_file.h"

namespace quorvel {
namespace {

using testing::FakeClock;

TEST(SpeakerModelTest, SoundsOnlyWithBothGateBitsAndALoadedSquareWaveCount) {
    SpeakerModel model;
    model.Write(0x61, 0x03);
    EXPECT_FALSE(model.Sounding());  // no count yet

    model.Write(0x43, 0xB6);
    model.Write(0x42, 0xD3);
    EXPECT_FALSE(model.Sounding());  // half a count
    model.Write(0x42, 0x05);
    EXPECT_TRUE(model.Sounding());
    EXPECT_DOUBLE_EQ(model.Frequency(), 1193180.0 / 1491);

    model.Write(0x61, 0x02);
    EXPECT_FALSE(model.Sounding());
    model.Write(0x61, 0x01);
    EXPECT_FALSE(model.Sounding());
    model.Write(0x61, 0x23);
    EXPECT_TRUE(model.Sounding());

    model.Write(0x43, 0xB6);  // a new control word stops the channel until its count
    EXPECT_FALSE(model.Sounding());
}

TEST(SpeakerModelTest, GateReadsBackAsWritten) {
    SpeakerModel model;
    EXPECT_EQ(model.Read(0x61), 0x00);
    model.Write(0x61, 0xA7);
    EXPECT_EQ(model.Read(0x61), 0xA7);
    EXPECT_EQ(model.Read(0x42), 0xFF);
}

TEST(SpeakerModelTest, DecodesOtherAccessModesAndIgnoresOtherChannels) {
    SpeakerModel model;
    model.Write(0x61, 0x03);
    model.Write(0x43, 0x96);  // channel 2, low byte only, mode 3
    model.Write(0x42, 0x80);
    EXPECT_DOUBLE_EQ(model.Frequency(), 1193180.0 / 0x80);

    model.Write(0x43, 0xA6);  // high byte only
    model.Write(0x42, 0x01);
    EXPECT_DOUBLE_EQ(model.Frequency(), 1193180.0 / 0x100);

    model.Write(0x43, 0x36);  // channel 0: not the speaker's
    model.Write(0x43, 0x86);  // channel 2 latch command: no change
    EXPECT_TRUE(model.Sounding());

    model.Write(0x43, 0xB4);  // mode 2, a pulse train, not sounded
    model.Write(0x42, 0x00);
    model.Write(0x42, 0x00);
    EXPECT_FALSE(model.Sounding());
    EXPECT_DOUBLE_EQ(model.Frequency(), 1193180.0 / 65536);  // a count of 0 is 65536
}

TEST(SquareWaveTest, AlternatesHalfPeriodsAndIsSilentWhenOffOrInaudible) {
    SquareWave wave(8000, 100);
    std::vector<std::int16_t> out(8);
    wave.Render(true, 1000.0, out);  // 8 samples a period
    EXPECT_EQ(out, (std::vector<std::int16_t>{100, 100, 100, 100, -100, -100, -100, -100}));
    wave.Render(false, 1000.0, out);
    EXPECT_EQ(out, std::vector<std::int16_t>(8, 0));
    wave.Render(true, 5000.0, out);  // above half the sample rate
    EXPECT_EQ(out, std::vector<std::int16_t>(8, 0));
}

// Collects the model's tone changes.
class ToneRecorder final : public ToneSink {
public:
    explicit ToneRecorder(std::vector<ToneChange>& changes) : m_changes(changes) {}
    void Play(const ToneChange& change) override { m_changes.push_back(change); }

private:
    std::vector<ToneChange>& m_changes;
};

// One stretch of a cue as heard: a frequency (0 for silence) and a nominal length.
struct Stretch {
    double hz;
    double ms;
};

struct CueCase {
    const char* name;
    std::function<void(speakerclass&)> play;
    std::vector<Stretch> heard;
};

// The frequency of the square wave in samples[first, last): from the distance between its
// first and last sign change.
double MeasuredHz(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t last,
                  int rate) {
    std::vector<std::size_t> changes;
    for (std::size_t i = first + 1; i < last; ++i) {
        if ((samples[i] > 0) != (samples[i - 1] > 0)) {
            changes.push_back(i);
        }
    }
    if (changes.size() < 2) {
        return 0.0;
    }
    const double halfPeriods = static_cast<double>(changes.size() - 1);
    return rate * halfPeriods / (2.0 * static_cast<double>(changes.back() - changes.front()));
}

class CueSoundTest : public ::testing::TestWithParam<CueCase> {};

TEST_P(CueSoundTest, RenderedCueHasItsPitchesAndLength) {
    constexpr int kRate = 48000;
    FakeClock clock;
    DriverState driver;
    std::vector<ToneChange> changes;
    speakerclass speaker(
        driver, MakeSpeakerModelBackend(clock, std::make_unique<ToneRecorder>(changes)), clock);
    ASSERT_TRUE(speaker.PortsOpen());
    EXPECT_EQ(driver.version.number, 604);

    GetParam().play(speaker);
    ASSERT_FALSE(changes.empty());
    EXPECT_TRUE(changes.front().sounding);
    EXPECT_FALSE(changes.back().sounding);

    // Left in the build directory, to listen to: play build/cue_warning.wav
    const std::string path = std::string(QUORVEL_BINARY_DIR) + "/cue_" + GetParam().name + ".wav";
    ASSERT_TRUE(
        testing::WriteWavFile(path, RenderTones(changes, changes.back().time, kRate), kRate));
    std::vector<std::int16_t> samples;
    int rate = 0;
    ASSERT_TRUE(testing::ReadWavFile(path, samples, rate));
    ASSERT_EQ(rate, kRate);

    // The waits end on the fake counter, which the yields move on by about 1%.
    double nominalMs = 0;
    for (const Stretch& stretch : GetParam().heard) {
        nominalMs += stretch.ms;
    }
    const double heardMs = samples.size() * 1000.0 / kRate;
    EXPECT_GE(heardMs, nominalMs);
    EXPECT_LE(heardMs, nominalMs * 1.015);

    // Each stretch, measured away from its ends.
    const double scale = heardMs / nominalMs;
    double startMs = 0;
    for (const Stretch& stretch : GetParam().heard) {
        const auto first = static_cast<std::size_t>((startMs + 1.0) * scale * kRate / 1000);
        const auto last =
            static_cast<std::size_t>((startMs + stretch.ms - 1.0) * scale * kRate / 1000);
        startMs += stretch.ms;
        if (stretch.hz == 0) {
            for (std::size_t i = first; i < last; ++i) {
                ASSERT_EQ(samples[i], 0) << "at sample " << i;
            }
        } else {
            EXPECT_NEAR(MeasuredHz(samples, first, last, kRate), stretch.hz, stretch.hz * 0.01)
                << "stretch starting at " << startMs - stretch.ms << " ms";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CueSoundTest,
    ::testing::Values(
        CueCase{"warning", [](speakerclass& s) { s.TwoTone(); }, {{800, 50}, {700, 50}}},
        CueCase{"error",
                [](speakerclass& s) { s.DoubleBuzz(); },
                {{100, 150}, {250, 10}, {0, 100}, {100, 150}, {250, 10}}},
        CueCase{"beep", [](speakerclass& s) { s.Beep(440, 200); }, {{440, 200}}}),
    [](const ::testing::TestParamInfo<CueCase>& info) { return std::string(info.param.name); });

TEST(CueSoundTest, ClickIsOneMillisecondOfOneHalfWave) {
    FakeClock clock;
    DriverState driver;
    std::vector<ToneChange> changes;
    speakerclass speaker(
        driver, MakeSpeakerModelBackend(clock, std::make_unique<ToneRecorder>(changes)), clock);
    speaker.Beep(1, 1);

    ASSERT_EQ(changes.size(), 2u);
    EXPECT_NEAR(changes[0].frequency, 1193180.0 / 13532, 1e-9);  // about 88 Hz
    const std::vector<std::int16_t> samples = RenderTones(changes, changes[1].time, 48000);
    EXPECT_EQ(samples.size(), 48u);
    EXPECT_EQ(samples, std::vector<std::int16_t>(48, SquareWave::kDefaultAmplitude));
}

TEST(RenderTonesTest, EachChangeLastsUntilTheNext) {
    const std::vector<ToneChange> changes = {
        {10.0, true, 1000.0}, {10.002, false, 0.0}, {10.003, true, 1000.0}};
    const std::vector<std::int16_t> samples = RenderTones(changes, 10.005, 8000);
    ASSERT_EQ(samples.size(), 40u);
    EXPECT_EQ(std::count(samples.begin() + 16, samples.begin() + 24, 0), 8);
    EXPECT_GT(samples[24], 0);  // a tone after silence starts on a rising half-wave
    EXPECT_TRUE(RenderTones({}, 1.0, 8000).empty());
}

}  // namespace
}  // namespace quorvel
