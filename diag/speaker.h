#pragma once
// The PC speaker behind the audible cues: interval-timer channel 2 makes a square wave and the
// speaker gate lets it through. speakerclass programs both through the port access object, on
// the timer's control port 0x43, channel 2's data port 0x42 and the gate port 0x61, and times
// tones and pauses with the interval timer. When the ports could not be opened every tone
// operation does nothing but the waits still take their time, so a cue always lasts as long.

#include <cstdint>
#include <memory>

#include "diag/clock_source.h"
#include "diag/port_backend.h"
#include "diag/timer.h"

namespace quorvel {

class plxgenioclass;
struct DriverState;

// The interval timer's input clock, Hz.
inline constexpr int kTimerInputHz = 1193180;

// The speaker's ports, in the order the port access object lists them.
inline constexpr std::uint16_t kSpeakerPorts[3] = {0x43, 0x42, 0x61};
inline constexpr int kControlPortIndex = 0;
inline constexpr int kChannel2PortIndex = 1;
inline constexpr int kGatePortIndex = 2;

// Channel 2, low byte then high byte, mode 3 (square wave), binary count.
inline constexpr std::uint8_t kChannel2SquareWave = 0xB6;
// Gate byte bits: timer channel 2 gate and speaker data enable.
inline constexpr std::uint8_t kSpeakerOnBits = 0x03;

class speakerclass {
public:
    // Opens the three ports through `backend` (which may be null: a silent speaker), anchors
    // the timer and switches the tone off. A failure to open is not retried.
    speakerclass(DriverState& driver, std::unique_ptr<PortBackend> backend,
                 ClockSource& clock = SystemClock());
    ~speakerclass();
    speakerclass(const speakerclass&) = delete;
    speakerclass& operator=(const speakerclass&) = delete;

    // Programs channel 2 for f Hz: divisor 1193180 / f, its low 16 bits. A frequency of 0 or
    // below programs the divisor 0, which the timer counts as 65536: its lowest tone, 18.2 Hz.
    void SetFrequency(int f);
    // SetFrequency(f), then gate and speaker data on.
    void ToneOn(int f);
    // Gate and speaker data off, the gate byte's other bits kept.
    void ToneOff();
    // Waits until n ms have passed on the counter or n 1-ms sleeps are done; 0 returns at once.
    void WaitMs(int n);

    void Beep(int f, int n);
    // 800 Hz 50 ms, 700 Hz 50 ms.
    void TwoTone();
    // 100 Hz 150 ms, 250 Hz 10 ms.
    void Buzz();
    // Buzz, 100 ms pause, Buzz.
    void DoubleBuzz();

    bool PortsOpen() const { return m_portsOpen; }

private:
    ClockSource& m_clock;
    std::unique_ptr<plxgenioclass> m_ports;
    bool m_portsOpen = false;
    Ctimerclass m_timer;
};

}  // namespace quorvel
