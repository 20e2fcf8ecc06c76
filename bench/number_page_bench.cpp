// What the Number page costs per user action: the whole display list that every redisplay
// writes (36 texts), and reading a typed entry, for random words at N = 32.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/silent_interaction.h"
#include "pages/number/number_page.h"
#include "shell/ini_store.h"

namespace {

using quorvel::bench::NoInteraction;

quorvel::NumberPageModel PageInRadix(int radix) {
    quorvel::NumberPageModel page;
    page.LoadSettings(quorvel::IniText("[Number]\r\nNumBits=32\r\nBitsToRotate=7\r\nConvertBase=" +
                                       std::to_string(radix) + "\r\n"));
    return page;
}

std::vector<std::string> DecimalTexts() {
    std::mt19937 random(7U);
    std::vector<std::string> texts(1024);
    for (auto& text : texts) {
        text = std::to_string(random());
    }
    return texts;
}

void BM_NumberDisplay(benchmark::State& state) {
    NoInteraction ui;
    const auto texts = DecimalTexts();
    std::vector<quorvel::NumberPageModel> pages;
    for (const std::string& text : texts) {
        pages.push_back(PageInRadix(2));
        pages.back().ButtonClicked("ButtonRadixDec", ui);
        pages.back().EditEntered("EditBaseNumber", text, ui);
        pages.back().ButtonClicked("ButtonRadixBinary", ui);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages[i++ & 1023U].Display());
    }
}
BENCHMARK(BM_NumberDisplay);

void BM_NumberEntry(benchmark::State& state) {
    quorvel::NumberPageModel page = PageInRadix(10);
    NoInteraction ui;
    const auto texts = DecimalTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        page.EditEntered("EditBaseNumber", texts[i++ & 1023U], ui);
        benchmark::DoNotOptimize(page.Values().baseValue);
    }
}
BENCHMARK(BM_NumberEntry);

}  // namespace
