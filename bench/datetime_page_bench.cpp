// What the Date/Time page costs per user action: the whole display list that every redisplay
// writes (10 texts), and each of its three commands answered at once, with the redisplay after
// it, for random dates and times.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/silent_interaction.h"
#include "common/dialog_typing.h"
#include "common/number_text.h"
#include "pages/datetime/datetime_page.h"
#include "shell/ini_store.h"

namespace {

// Answers every text-entry box with `answer` and types `typed` into the dialog's box, then OK.
class AnsweringInteraction final : public quorvel::Interaction {
public:
    AnsweringInteraction(std::string answer, std::string box, std::string typed)
        : m_answer(std::move(answer)), m_box(std::move(box)), m_typed(std::move(typed)) {}

    quorvel::Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view, std::string_view, std::string_view) override {
        return m_answer;
    }
    bool RunDialog(quorvel::DialogModel& dialog) override {
        quorvel::TypeIntoBox(dialog, m_box, m_typed);
        dialog.Ok();
        return true;
    }
    void ShowMessage(std::string_view) override {}

private:
    quorvel::bench::SilentCues m_cues;
    std::string m_answer;
    std::string m_box;
    std::string m_typed;
};

class StillClock final : public quorvel::ClockSource {
public:
    std::int64_t Counter() override { return 0; }
    std::int64_t CounterFrequency() override { return 1000000000; }
    quorvel::CalendarReading LocalCalendar() override { return {2006, 2, 14, 13, 45, 30, 250}; }
    void SleepMs(int) override {}
};

// Pages loaded with random consistent dates and times of the years the dialog takes.
std::vector<quorvel::DateTimePageModel> RandomPages() {
    std::mt19937 random(7U);
    std::uniform_int_distribution<int> year(1900, 2055);
    std::uniform_int_distribution<int> day(1, 365);
    std::uniform_real_distribution<double> time(0, 86399.999);
    StillClock clock;
    std::vector<quorvel::DateTimePageModel> pages;
    pages.reserve(256);
    for (int i = 0; i < 256; ++i) {
        const int doy = day(random);
        const double tod = time(random);
        pages.emplace_back(clock);
        pages.back().LoadSettings(quorvel::IniText(
            "[DateTime]\r\nTod=" + quorvel::FixedText(tod, 0, 9) +
            "\r\nToy=" + quorvel::FixedText(doy * 86400.0 + tod, 0, 9) +
            "\r\nYr=" + std::to_string(year(random)) + "\r\nDoy=" + std::to_string(doy) + "\r\n"));
    }
    return pages;
}

void BM_DateTimeDisplay(benchmark::State& state) {
    const auto pages = RandomPages();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages[i++ % pages.size()].Display());
    }
}
BENCHMARK(BM_DateTimeDisplay);

// One command of PopupMenu1 answered by `ui`, then the redisplay.
void RunCommandThenRedisplay(benchmark::State& state, const char* caption,
                             AnsweringInteraction& ui) {
    auto pages = RandomPages();
    std::size_t i = 0;
    for (auto _ : state) {
        auto& page = pages[i++ % pages.size()];
        page.RunMenuCommand({"PopupMenu1", caption}, ui);
        benchmark::DoNotOptimize(page.Display());
    }
}

void BM_DateTimeJulianEditThenRedisplay(benchmark::State& state) {
    AnsweringInteraction ui("6100", "", "");
    RunCommandThenRedisplay(state, "Edit Julian Date", ui);
}
BENCHMARK(BM_DateTimeJulianEditThenRedisplay);

void BM_DateTimeTimeEditThenRedisplay(benchmark::State& state) {
    AnsweringInteraction ui("", "EditTod", "24:30:15");
    RunCommandThenRedisplay(state, "Edit Time Of Day", ui);
}
BENCHMARK(BM_DateTimeTimeEditThenRedisplay);

void BM_DateTimeDateEditThenRedisplay(benchmark::State& state) {
    AnsweringInteraction ui("", "EditGreg", "02/29/2004");
    RunCommandThenRedisplay(state, "Edit Gregorian Date", ui);
}
BENCHMARK(BM_DateTimeDateEditThenRedisplay);

}  // namespace
