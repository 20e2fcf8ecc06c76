// Cost of the WG 84 page's own work after an edit: the recompute of each side in each of the
// three forms with what ShowValues derives (limits, altitudes, horizons), and the display
// list of 38 texts the window and quorvel-cli show. The window's widgets are not measured.
#include <benchmark/benchmark.h>

#include "pages/wg84/wg84_page.h"
#include "pages/wg84/wg84_recompute.h"
#include "shell/ini_store.h"

namespace {

using quorvel::Wg84Side;
using quorvel::Wg84Values;

// Reference at the default position, target 10 arc-minutes north and 1000 ft higher, their
// relative values derived.
Wg84Values Separated() {
    Wg84Values v;
    v.refLlm = quorvel::kWg84DefaultPosition;
    v.tgtLlm = {0.6257733074122800, -2.053899198162236, 0.5403};
    quorvel::RecomputeFromLlm(v, Wg84Side::Reference);
    return v;
}

using Recompute = void (*)(Wg84Values&, Wg84Side);

// One recompute of each side, then what ShowValues derives.
void BM_RecomputeBothSidesWithShowValues(benchmark::State& state, Recompute recompute) {
    const Wg84Values start = Separated();
    for (auto _ : state) {
        Wg84Values v = start;
        benchmark::DoNotOptimize(v);
        recompute(v, Wg84Side::Target);
        recompute(v, Wg84Side::Reference);
        quorvel::PrepareShownValues(v);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK_CAPTURE(BM_RecomputeBothSidesWithShowValues, lat_long_msl, &quorvel::RecomputeFromLlm);
BENCHMARK_CAPTURE(BM_RecomputeBothSidesWithShowValues, east_north_up, &quorvel::RecomputeFromEnu);
BENCHMARK_CAPTURE(BM_RecomputeBothSidesWithShowValues, range_az_el, &quorvel::RecomputeFromRae);

// The display list: ShowValues' derivations on a copy of the block and the 38 texts.
void BM_DisplayList(benchmark::State& state) {
    quorvel::Wg84PageModel page;
    page.LoadSettings(quorvel::IniText(
        "[Wg84]\nTgtLlm0=0.625773307\nTgtLlm2=0.5403\nMissDx3=0.01\nMissDy3=-0.02\n"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.Display());
    }
}
BENCHMARK(BM_DisplayList);

}  // namespace
