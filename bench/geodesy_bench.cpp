// Cost of the geodesy conversions a WGS-84 recompute is made of.
#include <benchmark/benchmark.h>

#include "common/geodesy/ecef_conversions.h"
#include "common/geodesy/local_frame.h"

namespace {

using quorvel::EcefVector;
using quorvel::LlmPosition;

// The page's starting position, and a point 10 arc-minutes north of it.
constexpr LlmPosition kDefaultPosition{0.6228644253256228, -2.053899198162236, 0.37577627655142326};
constexpr LlmPosition kNorthOfDefault{0.6257733074122800, -2.053899198162236, 0.37577627655142326};

void BM_LlmToEcef(benchmark::State& state) {
    LlmPosition position = kDefaultPosition;
    for (auto _ : state) {
        benchmark::DoNotOptimize(position);
        EcefVector ecef = quorvel::LlmToEcef(position);
        benchmark::DoNotOptimize(ecef);
    }
}
BENCHMARK(BM_LlmToEcef);

void BM_EcefToLlm(benchmark::State& state, LlmPosition start) {
    const EcefVector ecef = quorvel::LlmToEcef(start);
    LlmPosition position{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ecef);
        benchmark::DoNotOptimize(quorvel::EcefToLlm(ecef, position));
        benchmark::DoNotOptimize(position);
    }
}
BENCHMARK_CAPTURE(BM_EcefToLlm, default_position, kDefaultPosition);
BENCHMARK_CAPTURE(BM_EcefToLlm, high_north, LlmPosition{1.2, 0.5, 4000});
// A position whose iteration alternates between two neighbouring doubles: all 64 rounds.
BENCHMARK_CAPTURE(BM_EcefToLlm, alternating,
                  LlmPosition{0.97100389292532441, -2.4075746322597866, 0});

void BM_LlmToEnuAndEnuToRae(benchmark::State& state) {
    LlmPosition reference = kDefaultPosition;
    const LlmPosition point = kNorthOfDefault;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reference);
        const quorvel::EnuVector enu = quorvel::LlmToEnu(point, reference);
        quorvel::RaeVector rae = quorvel::EnuToRae(enu);
        benchmark::DoNotOptimize(rae);
    }
}
BENCHMARK(BM_LlmToEnuAndEnuToRae);

}  // namespace
