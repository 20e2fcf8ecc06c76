#include "diag/speaker_model.h"

#include <algorithm>
#include <cmath>

#include "diag/speaker.h"

namespace quorvel {

namespace {

constexpr std::uint16_t kControlPort = 0x43;
constexpr std::uint16_t kChannel2Port = 0x42;
constexpr std::uint16_t kGatePort = 0x61;

// Control word fields.
constexpr int kChannelShift = 6;
constexpr int kChannel2 = 2;
constexpr int kAccessShift = 4;
constexpr int kLatchCommand = 0;

double CounterSeconds(ClockSource& clock) {
    const std::int64_t frequency = clock.CounterFrequency();
    if (frequency <= 0) {
        return 0.0;
    }
    const std::int64_t count = clock.Counter();
    // Whole seconds apart from the rest keep the full counter resolution in the double.
    return static_cast<double>(count / frequency) +
           static_cast<double>(count % frequency) / static_cast<double>(frequency);
}

class SpeakerModelBackend final : public PortBackend {
public:
    SpeakerModelBackend(ClockSource& clock, std::unique_ptr<ToneSink> sink)
        : m_clock(clock), m_sink(std::move(sink)) {}
    ~SpeakerModelBackend() override { Close(); }

    bool Probe(std::string& reason) override { return m_sink->Probe(reason); }

    DriverVersion Version() const override {
        return {kSpeakerModelVersion, "PC speaker model (timer channel 2 and gate) on ALSA"};
    }

    bool Open(std::span<const std::uint16_t> /*ports*/, std::string& /*reason*/) override {
        // The model's ports always answer; whether its sound reaches a device is the sink's
        // business, and a sink that cannot play leaves the cues silent.
        if (!m_open) {
            m_open = true;
            m_sink->Begin();
        }
        return true;
    }

    void Close() override {
        if (m_open) {
            m_open = false;
            m_sink->End();
        }
    }

    std::uint8_t ReadByte(std::uint16_t port) override { return m_model.Read(port); }

    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        m_model.Write(port, value);
        const ToneChange now{0.0, m_model.Sounding(),
                             m_model.Sounding() ? m_model.Frequency() : 0.0};
        if (now.sounding != m_last.sounding || now.frequency != m_last.frequency) {
            m_last = now;
            m_last.time = CounterSeconds(m_clock);
            m_sink->Play(m_last);
        }
    }

private:
    ClockSource& m_clock;
    std::unique_ptr<ToneSink> m_sink;
    SpeakerModel m_model;
    ToneChange m_last;
    bool m_open = false;
};

}  // namespace

void SpeakerModel::Write(std::uint16_t port, std::uint8_t value) {
    switch (port) {
        case kControlPort: {
            const int access = (value >> kAccessShift) & 0x3;
            if ((value >> kChannelShift) != kChannel2 || access == kLatchCommand) {
                return;  // another channel, the read-back command or a counter latch
            }
            // A new control word stops the channel until its count is written.
            m_access = access;
            m_mode = (value >> 1) & 0x7;
            m_countLoaded = false;
            m_lowWritten = false;
            return;
        }
        case kChannel2Port:
            if (m_access == 1) {
                m_count = value;
            } else if (m_access == 2) {
                m_count = static_cast<std::uint32_t>(value) << 8;
            } else if (!m_lowWritten) {
                // The first byte of a pair leaves the running count alone.
                m_pendingLow = value;
                m_lowWritten = true;
                return;
            } else {
                m_count = static_cast<std::uint32_t>(value) << 8 | m_pendingLow;
                m_lowWritten = false;
            }
            m_countLoaded = true;
            return;
        case kGatePort:
            m_gate = value;
            return;
        default:
            return;
    }
}

std::uint8_t SpeakerModel::Read(std::uint16_t port) const {
    return port == kGatePort ? m_gate : 0xFF;
}

bool SpeakerModel::Sounding() const {
    const bool squareWave = (m_mode & 0x3) == 3;
    return (m_gate & kSpeakerOnBits) == kSpeakerOnBits && m_countLoaded && squareWave;
}

double SpeakerModel::Frequency() const {
    if (!m_countLoaded) {
        return 0.0;
    }
    const std::uint32_t divisor = m_count == 0 ? 65536 : m_count;
    return static_cast<double>(kTimerInputHz) / divisor;
}

SquareWave::SquareWave(int sampleRate, std::int16_t amplitude)
    : m_sampleRate(sampleRate), m_amplitude(amplitude) {}

void SquareWave::Render(bool sounding, double frequency, std::span<std::int16_t> out) {
    if (!sounding || !(frequency > 0.0) || frequency * 2.0 > m_sampleRate) {
        std::fill(out.begin(), out.end(), std::int16_t{0});
        m_phase = 0.0;
        return;
    }
    const double step = frequency / m_sampleRate;
    const auto negative = static_cast<std::int16_t>(-m_amplitude);
    for (std::int16_t& sample : out) {
        sample = m_phase < 0.5 ? m_amplitude : negative;
        m_phase += step;
        m_phase -= std::floor(m_phase);
    }
}

std::vector<std::int16_t> RenderTones(std::span<const ToneChange> changes, double endTime,
                                      int sampleRate) {
    std::vector<std::int16_t> samples;
    if (changes.empty() || sampleRate <= 0) {
        return samples;
    }
    const double start = changes.front().time;
    SquareWave wave(sampleRate);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const double until = i + 1 < changes.size() ? changes[i + 1].time : endTime;
        // Frame positions come from the times since the start, so rounding never adds up.
        const auto end =
            static_cast<std::size_t>(std::max(0.0, std::round((until - start) * sampleRate)));
        if (end <= samples.size()) {
            continue;
        }
        const std::size_t begin = samples.size();
        samples.resize(end);
        wave.Render(changes[i].sounding, changes[i].frequency,
                    std::span<std::int16_t>(samples).subspan(begin));
    }
    return samples;
}

std::unique_ptr<PortBackend> MakeSpeakerModelBackend(ClockSource& clock,
                                                     std::unique_ptr<ToneSink> sink) {
    return std::make_unique<SpeakerModelBackend>(clock, std::move(sink));
}

}  // namespace quorvel
