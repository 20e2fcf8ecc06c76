#include "diag/speaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "diag/port_io.h"
#include "support/fake_clock.h"
#include "support/recording_port_backend.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::PortRecord;
using testing::RecordingPortBackend;
using Bytes = std::vector<std::uint8_t>;

class SpeakerTest : public ::testing::Test {
protected:
    std::unique_ptr<speakerclass> MakeSpeaker() {
        auto speaker = std::make_unique<speakerclass>(
            driver, std::make_unique<RecordingPortBackend>(record), clock);
        record->transfers.clear();
        clock.ClearSleeps();
        return speaker;
    }

    // Fake milliseconds that `action` takes.
    template <typename Action>
    double MillisecondsOf(Action action) {
        const std::int64_t before = clock.Counter();
        action();
        return static_cast<double>(clock.Counter() - before) * 1000.0 /
               static_cast<double>(clock.CounterFrequency());
    }

    FakeClock clock;
    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    DriverState driver;
};

TEST_F(SpeakerTest, ConstructorOpensTheThreePortsAndSwitchesTheToneOff) {
    record->gate = 0x23;
    speakerclass speaker(driver, std::make_unique<RecordingPortBackend>(record), clock);

    EXPECT_TRUE(speaker.PortsOpen());
    EXPECT_EQ(record->openedPorts, (std::vector<std::uint16_t>{0x43, 0x42, 0x61}));
    EXPECT_EQ(record->Read(0x61), Bytes{0x23});
    EXPECT_EQ(record->Written(0x61), Bytes{0x20});
}

struct DivisorCase {
    int frequency;
    std::uint8_t low;
    std::uint8_t high;
};

class SetFrequencyTest : public SpeakerTest, public ::testing::WithParamInterface<DivisorCase> {};

TEST_P(SetFrequencyTest, WritesTheCommandThenTheDivisorLowAndHighBytes) {
    const auto speaker = MakeSpeaker();
    speaker->SetFrequency(GetParam().frequency);

    EXPECT_EQ(record->Written(0x43), Bytes{0xB6});
    EXPECT_EQ(record->Written(0x42), (Bytes{GetParam().low, GetParam().high}));
    EXPECT_EQ(record->transfers.front().port, 0x43);
    EXPECT_TRUE(record->Written(0x61).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Divisors, SetFrequencyTest,
    ::testing::Values(DivisorCase{800, 0xD3, 0x05},  // 1491
                      DivisorCase{1, 0xDC, 0x34},    // 1193180 keeps its low 16 bits: 13532
                      DivisorCase{100, 0x9B, 0x2E},  // 11931
                      DivisorCase{0, 0x00, 0x00},    // the timer's longest count, 65536
                      DivisorCase{-5, 0x00, 0x00},   //
                      DivisorCase{2000000, 0x00, 0x00}));

TEST_F(SpeakerTest, ToneOnAndOffSetAndClearOnlyTheTwoGateBits) {
    const auto speaker = MakeSpeaker();
    record->gate = 0x20;
    speaker->ToneOn(800);
    EXPECT_EQ(record->Written(0x61), Bytes{0x23});
    speaker->ToneOff();
    EXPECT_EQ(record->Written(0x61), (Bytes{0x23, 0x20}));

    record->gate = 0xFE;
    speaker->ToneOff();
    EXPECT_EQ(record->Written(0x61).back(), 0xFC);
}

TEST_F(SpeakerTest, TwoToneSequence) {
    const auto speaker = MakeSpeaker();
    record->gate = 0x20;
    const double ms = MillisecondsOf([&] { speaker->TwoTone(); });

    // ToneOn(800), ToneOn(700), ToneOff, each gate change a read and a write back.
    using T = testing::PortTransfer;
    EXPECT_EQ(record->transfers, (std::vector<T>{{true, 0x43, 0xB6},
                                                 {true, 0x42, 0xD3},
                                                 {true, 0x42, 0x05},
                                                 {false, 0x61, 0x20},
                                                 {true, 0x61, 0x23},
                                                 {true, 0x43, 0xB6},
                                                 {true, 0x42, 0xA8},
                                                 {true, 0x42, 0x06},
                                                 {false, 0x61, 0x23},
                                                 {true, 0x61, 0x23},
                                                 {false, 0x61, 0x23},
                                                 {true, 0x61, 0x20}}));
    EXPECT_NEAR(ms, 100.0, 2.0);
}

TEST_F(SpeakerTest, DoubleBuzzSequence) {
    const auto speaker = MakeSpeaker();
    const double ms = MillisecondsOf([&] { speaker->DoubleBuzz(); });

    // 100 Hz (11931 = 0x2E9B), 250 Hz (4772 = 0x12A4), off; twice.
    const Bytes buzz = {0x9B, 0x2E, 0xA4, 0x12};
    Bytes both = buzz;
    both.insert(both.end(), buzz.begin(), buzz.end());
    EXPECT_EQ(record->Written(0x42), both);
    EXPECT_EQ(record->Written(0x61), (Bytes{0x03, 0x03, 0x00, 0x03, 0x03, 0x00}));
    EXPECT_NEAR(ms, 420.0, 5.0);
}

TEST_F(SpeakerTest, ClickIsAOneMillisecondBeepAtDivisor13532) {
    const auto speaker = MakeSpeaker();
    speaker->Beep(1, 1);
    EXPECT_EQ(record->Written(0x42), (Bytes{0xDC, 0x34}));
    EXPECT_EQ(record->Written(0x61), (Bytes{0x03, 0x00}));
    EXPECT_EQ(clock.Sleeps(), std::vector<int>{1});
}

TEST_F(SpeakerTest, WaitEndsWhenTheCounterHasRunTheInterval) {
    const auto speaker = MakeSpeaker();
    EXPECT_NEAR(MillisecondsOf([&] { speaker->WaitMs(50); }), 50.0, 1.0);
    // Every tenth 1-ms sleep also yields the time slice.
    EXPECT_EQ(clock.SleptMs(), 50);
    EXPECT_EQ(std::count(clock.Sleeps().begin(), clock.Sleeps().end(), 0), 5);
}

TEST_F(SpeakerTest, WaitEndsEarlyWhenTheSleepsRunLong) {
    // Each sleep oversleeps by 4 ms: the counter says 50 ms after 10 sleeps.
    class SlowClock : public FakeClock {
    public:
        void SleepMs(int ms) override {
            FakeClock::SleepMs(ms);
            if (ms > 0) {
                Advance(std::chrono::milliseconds(4));
            }
        }
    } slow;
    speakerclass slowSpeaker(driver, nullptr, slow);
    slowSpeaker.WaitMs(50);
    EXPECT_EQ(slow.SleptMs(), 10);
}

TEST_F(SpeakerTest, WaitNeverSleepsMoreThanNTimes) {
    const auto speaker = MakeSpeaker();
    // A counter that does not run: the wait ends after its n sleeps.
    clock.SetCounterFrequency(0);
    speaker->WaitMs(30);
    EXPECT_EQ(clock.SleptMs(), 30);
}

TEST_F(SpeakerTest, WaitOfZeroReturnsAtOnce) {
    const auto speaker = MakeSpeaker();
    speaker->WaitMs(0);
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(SpeakerTest, WithoutPortAccessCuesAreSilentButTakeTheirTime) {
    record->present = false;
    const auto speaker = MakeSpeaker();
    EXPECT_FALSE(speaker->PortsOpen());

    // The waits end on the counter; the yields of the wait loop add their bit.
    const double errorMs = MillisecondsOf([&] { speaker->DoubleBuzz(); });
    EXPECT_GE(errorMs, 420.0);
    EXPECT_LE(errorMs, 425.0);
    const double warningMs = MillisecondsOf([&] { speaker->TwoTone(); });
    EXPECT_GE(warningMs, 100.0);
    EXPECT_LE(warningMs, 102.0);
    speaker->ToneOn(440);
    speaker->ToneOff();
    EXPECT_TRUE(record->transfers.empty());
}

TEST_F(SpeakerTest, NoBackendMakesASilentSpeaker) {
    speakerclass speaker(driver, nullptr, clock);
    EXPECT_FALSE(speaker.PortsOpen());
    EXPECT_NEAR(MillisecondsOf([&] { speaker.Buzz(); }), 160.0, 2.0);
}

TEST_F(SpeakerTest, DestructorClosesThePorts) {
    MakeSpeaker().reset();
    EXPECT_EQ(record->closes, 1);
}

}  // namespace
}  // namespace quorvel
