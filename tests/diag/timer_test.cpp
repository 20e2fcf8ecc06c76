#include "diag/timer.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/fake_clock.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;

CalendarReading Reading(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                        int millisecond = 0) {
    return {year, month, day, hour, minute, second, millisecond};
}

// 2006-02-14 12:00:00.000, where a default FakeClock starts: day 45.
constexpr double kFakeStart = 45 * 86400.0 + 43200.0;

struct TimeOfYearCase {
    const char* name;
    CalendarReading reading;
    double expected;
};

class TimeOfYearTest : public ::testing::TestWithParam<TimeOfYearCase> {};

TEST_P(TimeOfYearTest, CountsFromMidnightBeforeDayZero) {
    EXPECT_DOUBLE_EQ(TimeOfYear(GetParam().reading), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, TimeOfYearTest,
    ::testing::Values(TimeOfYearCase{"NewYearMidnight", Reading(2006, 1, 1), 86400.0},
                      TimeOfYearCase{"LastMillisecondOfLeapYear",
                                     Reading(2004, 12, 31, 23, 59, 59, 999),
                                     366 * 86400.0 + 86399.999},
                      TimeOfYearCase{"LastMillisecondOfCommonYear",
                                     Reading(2006, 12, 31, 23, 59, 59, 999),
                                     365 * 86400.0 + 86399.999},
                      // The day of year follows the full leap rule: 1900 has no February 29.
                      TimeOfYearCase{"CenturyYearIsCommon", Reading(1900, 3, 1), 60 * 86400.0},
                      TimeOfYearCase{"MillisecondsKept", Reading(2006, 2, 14, 14, 5, 9, 123),
                                     45 * 86400.0 + 14 * 3600.0 + 5 * 60.0 + 9.123},
                      TimeOfYearCase{"BeyondLimitReadsZero", Reading(2004, 12, 31, 48), 0.0},
                      TimeOfYearCase{"BeforeDayZeroReadsZero", Reading(2006, 1, 0, -1), 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimeOfYearNowTest, ReadsTheLocalCalendar) {
    FakeClock clock(Reading(2004, 12, 31, 23, 59, 59, 999));
    EXPECT_DOUBLE_EQ(TimeOfYearNow(clock), 366 * 86400.0 + 86399.999);
}

TEST(CtimeclassTest, StartsAtTheCalendarTime) {
    FakeClock clock;
    Ctimeclass time(clock);
    EXPECT_DOUBLE_EQ(time.Current(), kFakeStart);
    EXPECT_TRUE(time.Valid());
}

TEST(CtimeclassTest, SetTimeClampsToTheValidRangeAndKeepsThePreviousValue) {
    FakeClock clock;
    Ctimeclass time(clock);

    time.SetTime(-5.0);
    EXPECT_EQ(time.Current(), 0.0);
    EXPECT_EQ(time.Previous(), kFakeStart);
    EXPECT_FALSE(time.Valid());

    time.SetTime(4.0e7);
    EXPECT_EQ(time.Current(), kTimeOfYearLimit);
    EXPECT_EQ(time.Previous(), 0.0);
    EXPECT_FALSE(time.Valid());

    time.SetTime(kTimeOfYearLimit);
    EXPECT_EQ(time.Current(), kTimeOfYearLimit);
    EXPECT_TRUE(time.Valid());

    time.SetTime(0.0);
    EXPECT_TRUE(time.Valid());
}

TEST(CtimerclassTest, NowCountsOnTheCounterFromTheAnchoredCalendar) {
    FakeClock clock;
    Ctimerclass timer(clock);
    EXPECT_DOUBLE_EQ(timer.Current(), kFakeStart);
    EXPECT_DOUBLE_EQ(timer.IntervalEnd(), kFakeStart);

    // The calendar jumps (a user sets the system clock); the anchored time does not follow.
    clock.SetCalendar(Reading(2006, 7, 1));
    clock.Advance(1500ms);
    EXPECT_NEAR(timer.Now(), kFakeStart + 1.5, 1e-9);

    timer.Anchor();
    EXPECT_DOUBLE_EQ(timer.Now(), 182 * 86400.0 + 1.5);
}

TEST(CtimerclassTest, ElapsedSecondsIsTheCounterDistance) {
    FakeClock clock;
    clock.SetCounter(5'000'000'000);
    Ctimerclass timer(clock);
    clock.SetCounter(4'750'000'000);
    EXPECT_NEAR(timer.ElapsedSeconds(), 0.25, 1e-12);
}

TEST(CtimerclassTest, ElapsedSecondsIsOneWhenTheCounterRateIsUnknown) {
    FakeClock clock;
    clock.SetCounterFrequency(0);
    Ctimerclass timer(clock);
    clock.Advance(10ms);
    EXPECT_EQ(timer.ElapsedSeconds(), 1.0);
    EXPECT_DOUBLE_EQ(timer.Now(), kFakeStart + 1.0);
}

TEST(CtimerclassTest, CounterRateOtherThanNanoseconds) {
    FakeClock clock;
    clock.SetCounterFrequency(3'579'545);
    Ctimerclass timer(clock);
    clock.Advance(2s);
    EXPECT_NEAR(timer.ElapsedSeconds(), 2.0, 1e-6);
}

TEST(CtimerclassTest, SetIntervalClampsTheLength) {
    FakeClock clock;
    Ctimerclass timer(clock);
    EXPECT_DOUBLE_EQ(timer.IntervalLength(), 0.001);

    timer.SetInterval(-1.0);
    EXPECT_EQ(timer.IntervalLength(), 0.0);
    timer.SetInterval(100000.0);
    EXPECT_EQ(timer.IntervalLength(), 86400.0);
    timer.SetInterval(0.25);
    EXPECT_EQ(timer.IntervalLength(), 0.25);
}

TEST(CtimerclassTest, SetIntervalKeepsAStartInsideTheFirstDay) {
    FakeClock clock;
    Ctimerclass timer(clock);
    // The start after construction is 0, which lies inside 0..86400: it stays.
    timer.SetInterval(0.5);
    EXPECT_EQ(timer.IntervalStart(), 0.0);
    EXPECT_EQ(timer.IntervalEnd(), 0.5);

    // A start beyond 86400 is replaced by the time now.
    timer.StartInterval();
    EXPECT_DOUBLE_EQ(timer.IntervalStart(), kFakeStart);
    clock.Advance(3s);
    timer.SetInterval(0.1);
    EXPECT_DOUBLE_EQ(timer.IntervalStart(), kFakeStart + 3.0);
    EXPECT_DOUBLE_EQ(timer.IntervalEnd(), kFakeStart + 3.1);
}

TEST(CtimerclassTest, IntervalElapsesOnceThenTheNextIsTwoMillisecondsShorter) {
    FakeClock clock;
    Ctimerclass timer(clock);
    timer.SetInterval(0.05);
    clock.Advance(7ms);
    timer.StartInterval();
    const double start = timer.IntervalStart();
    EXPECT_NEAR(timer.IntervalEnd() - start, 0.05, 1e-9);

    clock.Advance(49ms);
    EXPECT_FALSE(timer.IntervalElapsed());
    EXPECT_EQ(timer.IntervalStart(), start);
    clock.Advance(1ms);
    EXPECT_TRUE(timer.IntervalElapsed());
    EXPECT_FALSE(timer.IntervalElapsed());
    EXPECT_NEAR(timer.Rate(), 20.0, 1e-6);

    EXPECT_NEAR(timer.IntervalStart() - start, 0.05, 1e-9);
    EXPECT_NEAR(timer.IntervalEnd() - timer.IntervalStart(), 0.048, 1e-9);
    clock.Advance(47900us);
    EXPECT_FALSE(timer.IntervalElapsed());
    clock.Advance(200us);
    EXPECT_TRUE(timer.IntervalElapsed());
    EXPECT_NEAR(timer.Rate(), 1.0 / 0.0481, 1e-3);
}

TEST(CtimerclassTest, ZeroLengthIntervalElapsesAtOnceWithRateZero) {
    FakeClock clock;
    Ctimerclass timer(clock);
    timer.SetInterval(0.0);
    timer.StartInterval();
    EXPECT_TRUE(timer.IntervalElapsed());
    EXPECT_EQ(timer.Rate(), 0.0);
}

TEST(CtimerclassTest, StartIntervalReadsTheCalendarAgain) {
    FakeClock clock;
    Ctimerclass timer(clock);
    timer.SetInterval(1.0);
    clock.SetCalendar(Reading(2006, 2, 14, 12, 0, 0, 300));
    timer.StartInterval();
    EXPECT_DOUBLE_EQ(timer.IntervalStart(), kFakeStart + 0.3);
}

// A clock whose calendar reads as the very start of the count once told to, as a clock does
// that wrapped to a new count.
class WrappingClock : public FakeClock {
public:
    CalendarReading LocalCalendar() override {
        return wrapped ? Reading(2007, 1, 0) : FakeClock::LocalCalendar();
    }
    bool wrapped = false;
};

TEST(CtimerclassTest, IntervalEndingBeforeTheWrapElapsesWhenTheClockWrapped) {
    WrappingClock clock;
    clock.SetCalendar(Reading(2006, 12, 31, 23, 59, 59, 990));
    Ctimerclass timer(clock);
    timer.SetInterval(0.05);
    timer.StartInterval();

    clock.wrapped = true;
    timer.Anchor();
    clock.Advance(500us);
    EXPECT_LT(timer.Now(), 1.0);
    EXPECT_TRUE(timer.IntervalElapsed());
    EXPECT_NEAR(timer.IntervalEnd(), 0.0005 + 0.048, 1e-9);
}

TEST(CtimerclassTest, ClockNearZeroDoesNotEndAnIntervalThatEndsEarlyInTheCount) {
    WrappingClock clock;
    clock.wrapped = true;
    Ctimerclass timer(clock);
    timer.SetInterval(0.05);
    timer.StartInterval();
    EXPECT_FALSE(timer.IntervalElapsed());
}

}  // namespace
}  // namespace quorvel
