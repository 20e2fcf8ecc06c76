// What the speaker model costs: decoding a cue's port bytes, and rendering one device period
// of square wave, which the playback thread does every couple of milliseconds while a tone
// sounds.

#include <benchmark/benchmark.h>

#include <vector>

#include "diag/speaker_model.h"

namespace {

void BM_DecodeToneOn(benchmark::State& state) {
    quorvel::SpeakerModel model;
    for (auto _ : state) {
        model.Write(0x43, 0xB6);
        model.Write(0x42, 0xD3);
        model.Write(0x42, 0x05);
        model.Write(0x61, model.Read(0x61) | 0x03);
        benchmark::DoNotOptimize(model.Sounding());
        model.Write(0x61, model.Read(0x61) & 0xFC);
    }
}
BENCHMARK(BM_DecodeToneOn);

void BM_RenderPeriod(benchmark::State& state) {
    quorvel::SquareWave wave(48000);
    std::vector<std::int16_t> period(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        wave.Render(true, 800.3, period);
        benchmark::DoNotOptimize(period.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RenderPeriod)->Arg(96)->Arg(1024);

void BM_RenderDoubleBuzz(benchmark::State& state) {
    const std::vector<quorvel::ToneChange> changes = {{0.0, true, 100.0},   {0.150, true, 250.0},
                                                      {0.160, false, 0.0},  {0.260, true, 100.0},
                                                      {0.410, true, 250.0}, {0.420, false, 0.0}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::RenderTones(changes, 0.420, 48000));
    }
}
BENCHMARK(BM_RenderDoubleBuzz);

}  // namespace
