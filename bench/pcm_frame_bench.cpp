// Cost of what the PCM Data page computes on every redisplay and once per settings read.
#include <benchmark/benchmark.h>

#include <string>

#include "pages/pcm/pcm_inputs.h"
#include "pages/pcm/prn_patterns.h"

namespace {

using quorvel::PcmInputs;

PcmInputs SampledFrame() {
    PcmInputs in;
    in.wordsPerFrame = 16384;
    in.fspTrails = true;
    in.wordStart = 0;
    in.wordStop = 16000;
    in.wordInterval = 1;
    return in;
}

void BM_NormaliseDataWord(benchmark::State& state) {
    PcmInputs in = SampledFrame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        auto shown = quorvel::NormaliseDataWord(in);
        benchmark::DoNotOptimize(shown);
    }
}

BENCHMARK(BM_NormaliseDataWord);

void BM_LastUpdateWordWholeFrame(benchmark::State& state) {
    PcmInputs in = SampledFrame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(quorvel::LastUpdateWord(in));
    }
}

BENCHMARK(BM_LastUpdateWordWholeFrame);

void BM_LimitStoredInputs(benchmark::State& state) {
    for (auto _ : state) {
        PcmInputs in = SampledFrame();
        in.wordInterval = -5;
        benchmark::DoNotOptimize(in);
        quorvel::LimitStoredInputs(in);
        benchmark::DoNotOptimize(in);
    }
}

BENCHMARK(BM_LimitStoredInputs);

void BM_FrameRatesAndRepetitionText(benchmark::State& state) {
    const PcmInputs in;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        const auto rates = quorvel::ComputeFrameRates(in);
        std::string text = quorvel::RepetitionRateText(quorvel::PrnRepetitionRate(in.bitRate, 7));
        benchmark::DoNotOptimize(rates);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_FrameRatesAndRepetitionText);

}  // namespace
