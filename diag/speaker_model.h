#pragma once
// A software PC speaker: interval-timer channel 2 and the speaker gate, modelled from the
// bytes written to their ports, and the square wave they make rendered as sound samples.
// The speaker model port backend plays it on the sound device; tests render it to check what
// a cue sounds like.
//
// The model decodes what the speaker code writes, and the rest of the timer's channel 2
// protocol it needs to make sense of it: a control word for channel 2 on port 0x43 (access
// low byte, high byte or low then high; mode 3 or 7 makes a square wave, any other mode a
// signal the model does not sound) stops the channel until a count is written to port 0x42;
// a count of 0 is 65536. Port 0x61 holds the gate byte (bit 0 the timer gate, bit 1 the
// speaker data enable; reading returns the byte as written). The speaker sounds while both
// gate bits are set and a count is loaded in a square-wave mode, at 1193180 / count Hz.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "diag/clock_source.h"
#include "diag/port_backend.h"

namespace quorvel {

// From `time` (seconds on the clock's counter) on, the speaker sounds at `frequency` Hz, or
// is silent.
struct ToneChange {
    double time = 0.0;
    bool sounding = false;
    double frequency = 0.0;
};

class SpeakerModel {
public:
    void Write(std::uint16_t port, std::uint8_t value);
    // The gate byte for port 0x61; 0xFF (an open bus) for any other port.
    std::uint8_t Read(std::uint16_t port) const;

    bool Sounding() const;
    // The frequency of the loaded count, Hz; 0 when no count is loaded.
    double Frequency() const;

private:
    std::uint8_t m_gate = 0;
    int m_access = 3;  // 1 low byte, 2 high byte, 3 low then high
    int m_mode = 3;
    bool m_countLoaded = false;
    bool m_lowWritten = false;
    std::uint8_t m_pendingLow = 0;
    std::uint32_t m_count = 0;
};

// Where the modelled speaker's sound goes.
class ToneSink {
public:
    virtual ~ToneSink() = default;
    // Whether the sink can play at all; `reason` says why not.
    virtual bool Probe(std::string& /*reason*/) { return true; }
    // The speaker's ports were opened: get ready to play.
    virtual void Begin() {}
    // The speaker changed what it sounds. Must not block.
    virtual void Play(const ToneChange& change) = 0;
    // The ports were closed: stop and let the device go.
    virtual void End() {}
};

// Turns tone states into 16-bit samples: a square wave of +-amplitude while sounding, 0 while
// silent. The phase runs on across calls; each tone starts on a rising half-wave. Tones above
// half the sample rate cannot be rendered and stay silent, as they are inaudible anyway.
class SquareWave {
public:
    explicit SquareWave(int sampleRate, std::int16_t amplitude = kDefaultAmplitude);
    void Render(bool sounding, double frequency, std::span<std::int16_t> out);

    static constexpr std::int16_t kDefaultAmplitude = 8000;

private:
    double m_sampleRate;
    std::int16_t m_amplitude;
    double m_phase = 0.0;  // 0..1 of the current cycle
};

// The samples of a sequence of tone changes from the first change's time to `endTime`, each
// state lasting until the next change.
std::vector<std::int16_t> RenderTones(std::span<const ToneChange> changes, double endTime,
                                      int sampleRate);

// The speaker model as a port backend, reporting version 604; the clock stamps its tone
// changes. Probe asks the sink.
std::unique_ptr<PortBackend> MakeSpeakerModelBackend(ClockSource& clock,
                                                     std::unique_ptr<ToneSink> sink);

}  // namespace quorvel
