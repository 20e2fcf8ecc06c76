// What the Math/Trig page costs per user action: the whole display list that every redisplay
// writes (20 texts), an entry typed into an edit box with the redisplay after it, and the
// test a focus change makes of whether a box was changed, for random values.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/silent_interaction.h"
#include "common/number_text.h"
#include "pages/mathtrig/mathtrig_page.h"
#include "shell/ini_store.h"

namespace {

using quorvel::bench::NoInteraction;

// A setting's text, with a point whatever the locale.
std::string Text(double value) {
    return quorvel::FixedText(value, 0, 9);
}

// Pages loaded with random values across the ranges the edit boxes take.
std::vector<quorvel::MathTrigPageModel> RandomPages() {
    std::mt19937 random(7U);
    std::uniform_real_distribution<double> angle(-6.28, 6.28);
    std::uniform_real_distribution<double> arc(-1, 1);
    std::uniform_real_distribution<double> base(0, 1000);
    std::uniform_real_distribution<double> exponent(-87, 87);
    std::vector<quorvel::MathTrigPageModel> pages(256);
    for (auto& page : pages) {
        page.LoadSettings(quorvel::IniText(
            "[MathTrig]\r\nTrigAngle=" + Text(angle(random)) + "\r\nTrigArc=" + Text(arc(random)) +
            "\r\nExpXvalue=" + Text(base(random)) + "\r\nExpExpvalue=" + Text(exponent(random)) +
            "\r\nDmsRad=" + Text(angle(random)) + "\r\n"));
    }
    return pages;
}

void BM_MathTrigDisplay(benchmark::State& state) {
    const auto pages = RandomPages();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages[i++ % pages.size()].Display());
    }
}
BENCHMARK(BM_MathTrigDisplay);

void BM_MathTrigEnterThenRedisplay(benchmark::State& state) {
    NoInteraction ui;
    auto pages = RandomPages();
    const std::vector<std::string> texts{"30", "12abc", "-0.25", "87.5", "1e3", ""};
    const std::vector<std::string> boxes{"EditTrigAngle", "EditTrigArc", "EditExponentsX",
                                         "EditExponentsExp"};
    std::size_t i = 0;
    for (auto _ : state) {
        auto& page = pages[i % pages.size()];
        page.EditEntered(boxes[i % boxes.size()], texts[i % texts.size()], ui);
        benchmark::DoNotOptimize(page.Display());
        ++i;
    }
}
BENCHMARK(BM_MathTrigEnterThenRedisplay);

void BM_MathTrigEntryChanged(benchmark::State& state) {
    const auto pages = RandomPages();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages[i++ % pages.size()].EntryChanged("EditExponentsExp", "2"));
    }
}
BENCHMARK(BM_MathTrigEntryChanged);

}  // namespace
