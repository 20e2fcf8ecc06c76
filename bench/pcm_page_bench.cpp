// What the PCM Data page costs per user action: the display list and the menus with their
// check marks that every redisplay builds, a command without a prompt, and the read of the
// page's section at start-up.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/silent_interaction.h"
#include "pages/pcm/pcm_page.h"
#include "shell/ini_store.h"

namespace {

using quorvel::bench::NoInteraction;

const std::string kSection =
    "[Pcm Data]\r\nBitrate=10000000\r\nCwl=12\r\nWpf=16384\r\nNumsf=8192\r\nNumFspWords=3\r\n"
    "FspTrails=YES\r\nDwdWordStart=0\r\nDwdWordStop=16000\r\nDwdWordInterval=1\r\nPrnPat=7\r\n";

quorvel::PcmDataPageModel LoadedPage() {
    quorvel::PcmDataPageModel page;
    page.LoadSettings(quorvel::IniText(kSection));
    return page;
}

void BM_PcmDisplay(benchmark::State& state) {
    const quorvel::PcmDataPageModel page = LoadedPage();
    for (auto _ : state) {
        quorvel::DisplayList list = page.Display();
        benchmark::DoNotOptimize(list);
    }
}

BENCHMARK(BM_PcmDisplay);

void BM_PcmMenus(benchmark::State& state) {
    const quorvel::PcmDataPageModel page = LoadedPage();
    for (auto _ : state) {
        auto menus = page.Menus();
        benchmark::DoNotOptimize(menus);
    }
}

BENCHMARK(BM_PcmMenus);

void BM_PcmFspPositionCommand(benchmark::State& state) {
    quorvel::PcmDataPageModel page = LoadedPage();
    NoInteraction ui;
    bool trails = false;
    for (auto _ : state) {
        trails = !trails;
        page.RunMenuCommand({"PopupMenuBasic", trails ? "Trails" : "Leads"}, ui);
        benchmark::DoNotOptimize(page.Values());
    }
}

BENCHMARK(BM_PcmFspPositionCommand);

void BM_PcmLoadSettings(benchmark::State& state) {
    const quorvel::IniText section(kSection);
    for (auto _ : state) {
        quorvel::PcmDataPageModel page;
        page.LoadSettings(section);
        benchmark::DoNotOptimize(page.Values());
    }
}

BENCHMARK(BM_PcmLoadSettings);

}  // namespace
