// Cost of the WG 84 page's line of sight after an edit: the figures (GeographicLib's geodesic
// and curvature, both clearances), the profile's points, the figures' texts, and the whole
// picture the window draws for its size. The painting itself is not measured.
#include <benchmark/benchmark.h>

#include "pages/wg84/line_of_sight.h"
#include "pages/wg84/line_of_sight_picture.h"

namespace {

// An antenna at 100 ft and a target about 125 nmi away at 10000 ft: the straight line blocked,
// the radio path clear.
const quorvel::LlmPosition kAntenna{0.6228644253256228, -2.053899198162236, 0.016457883};
const quorvel::LlmPosition kTarget{0.659276, -2.053899198162236, 1.645788336};

void BM_Figures(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::ComputeLineOfSight(kAntenna, kTarget));
    }
}
BENCHMARK(BM_Figures);

// What an edit costs the model before any drawing: the figures, their texts and the points
// of the profile.
void BM_FiguresTextsAndProfile(benchmark::State& state) {
    for (auto _ : state) {
        const quorvel::LineOfSightFigures figures = quorvel::ComputeLineOfSight(kAntenna, kTarget);
        benchmark::DoNotOptimize(quorvel::LineOfSightFigureTexts(figures));
        benchmark::DoNotOptimize(quorvel::ProfileSamples(figures, 0, figures.pathLength, 97));
    }
}
BENCHMARK(BM_FiguresTextsAndProfile);

// The whole picture for the window's default room and for a large one.
void BM_Picture(benchmark::State& state) {
    const quorvel::LineOfSightFigures figures = quorvel::ComputeLineOfSight(kAntenna, kTarget);
    const quorvel::LookAngles look{{0, 0.01}, {3.14, -0.03}};
    const double width = static_cast<double>(state.range(0));
    const double height = static_cast<double>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::LineOfSightPicture(figures, look, width, height));
    }
}
BENCHMARK(BM_Picture)->Args({792, 380})->Args({1900, 1000});

}  // namespace
