#include "diag/speaker.h"

#include "diag/port_io.h"

namespace quorvel {

namespace {

// Every tenth 1-ms sleep of a wait also gives up the rest of the time slice.
constexpr int kSleepsPerYield = 10;

}  // namespace

speakerclass::speakerclass(DriverState& driver, std::unique_ptr<PortBackend> backend,
                           ClockSource& clock)
    : m_clock(clock),
      m_ports(std::make_unique<plxgenioclass>(driver, std::move(backend))),
      m_timer(clock) {
    m_portsOpen = m_ports->Open(3, kSpeakerPorts);
    m_timer.Anchor();
    ToneOff();
}

speakerclass::~speakerclass() {
    m_ports->Close();
}

void speakerclass::SetFrequency(int f) {
    if (!m_portsOpen) {
        return;
    }
    const int divisor = f > 0 ? (kTimerInputHz / f) & 0xFFFF : 0;
    m_ports->WriteByte(kControlPortIndex, kChannel2SquareWave);
    m_ports->WriteByte(kChannel2PortIndex, static_cast<std::uint8_t>(divisor & 0xFF));
    m_ports->WriteByte(kChannel2PortIndex, static_cast<std::uint8_t>(divisor >> 8));
}

void speakerclass::ToneOn(int f) {
    if (!m_portsOpen) {
        return;
    }
    SetFrequency(f);
    const std::uint8_t gate = m_ports->ReadByte(kGatePortIndex);
    m_ports->WriteByte(kGatePortIndex, gate | kSpeakerOnBits);
}

void speakerclass::ToneOff() {
    if (!m_portsOpen) {
        return;
    }
    const std::uint8_t gate = m_ports->ReadByte(kGatePortIndex);
    m_ports->WriteByte(kGatePortIndex, gate & static_cast<std::uint8_t>(~kSpeakerOnBits));
}

void speakerclass::WaitMs(int n) {
    m_timer.SetInterval(n / 1000.0);
    m_timer.StartInterval();
    int sleepsSinceYield = 0;
    for (int i = 0; i < n; ++i) {
        m_clock.SleepMs(1);
        if (++sleepsSinceYield == kSleepsPerYield) {
            m_clock.SleepMs(0);
            sleepsSinceYield = 0;
        }
        if (m_timer.IntervalElapsed()) {
            break;
        }
    }
}

void speakerclass::Beep(int f, int n) {
    ToneOn(f);
    WaitMs(n);
    ToneOff();
}

void speakerclass::TwoTone() {
    ToneOn(800);
    WaitMs(50);
    ToneOn(700);
    WaitMs(50);
    ToneOff();
}

void speakerclass::Buzz() {
    ToneOn(100);
    WaitMs(150);
    ToneOn(250);
    WaitMs(10);
    ToneOff();
}

void speakerclass::DoubleBuzz() {
    Buzz();
    WaitMs(100);
    Buzz();
}

}  // namespace quorvel
