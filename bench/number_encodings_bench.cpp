// What one redisplay of the Number page costs in the encodings: the bit counts, the reversal,
// the four signed patterns with their values, and the three float decoders, for one word.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "pages/number/float_encodings.h"
#include "pages/number/integer_encodings.h"

namespace {

std::vector<std::uint32_t> Words() {
    std::mt19937 random(5U);
    std::vector<std::uint32_t> words(4096);
    for (auto& w : words) {
        w = random();
    }
    return words;
}

void BM_IntegerEncodings(benchmark::State& state) {
    const auto words = Words();
    const int n = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const std::uint32_t v = words[i++ & 4095U];
        benchmark::DoNotOptimize(quorvel::BitsRequired(v));
        benchmark::DoNotOptimize(quorvel::NumBitsSet(v));
        benchmark::DoNotOptimize(quorvel::ReverseBits(v, 32));
        benchmark::DoNotOptimize(quorvel::SignedValue(quorvel::TwosComplement(v, n), n));
        benchmark::DoNotOptimize(quorvel::SignedValue(quorvel::OffsetBinary(v, n), n));
        benchmark::DoNotOptimize(quorvel::SignedValue(quorvel::OnesComplement(v, n), n));
        benchmark::DoNotOptimize(quorvel::SignedValue(quorvel::SignMagnitude(v, n), n));
    }
}
BENCHMARK(BM_IntegerEncodings)->Arg(8)->Arg(16)->Arg(32);

void BM_FloatDecoders(benchmark::State& state) {
    const auto words = Words();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::uint32_t w = words[i++ & 4095U];
        double ieee = 0;
        benchmark::DoNotOptimize(quorvel::Ieee754FloatValue(w, ieee));
        benchmark::DoNotOptimize(ieee);
        benchmark::DoNotOptimize(quorvel::MilStd1750Value(w));
        benchmark::DoNotOptimize(quorvel::DecFloatValue(w));
    }
}
BENCHMARK(BM_FloatDecoders);

}  // namespace
