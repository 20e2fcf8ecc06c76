// What the PCM Data page's frame map costs at every redisplay: the display list with its
// sample figures and the map laid out and drawn for the page's panel, for the default frame
// and for the largest (16384 words by 8192 minor frames), and the map at its natural size
// with its figures, as quorvel-cli --svg writes it.
#include <benchmark/benchmark.h>

#include <string>

#include "common/picture_svg.h"
#include "pages/pcm/pcm_page.h"
#include "shell/ini_store.h"

namespace {

// About the room the map has on the page, and in the larger window.
constexpr double kPanelWidth = 160;
constexpr double kPanelHeight = 230;
constexpr double kWindowWidth = 760;
constexpr double kWindowHeight = 480;

const std::string kLargestFrame =
    "[Pcm Data]\r\nBitrate=10000000\r\nCwl=12\r\nWpf=16384\r\nNumsf=8192\r\nNumFspWords=3\r\n"
    "FspTrails=YES\r\nDwdWordStart=0\r\nDwdWordStop=16380\r\nDwdWordInterval=7\r\n";

quorvel::PcmDataPageModel Page(const std::string& section) {
    quorvel::PcmDataPageModel page;
    page.LoadSettings(quorvel::IniText(section));
    return page;
}

// The display list and the map of the panel, as one redisplay of the page makes them.
void Redisplay(benchmark::State& state, const std::string& section, double width, double height) {
    const quorvel::PcmDataPageModel page = Page(section);
    for (auto _ : state) {
        quorvel::DisplayList list = page.Display();
        quorvel::Picture map = page.MapOfFrame(width, height, false).Draw();
        benchmark::DoNotOptimize(list);
        benchmark::DoNotOptimize(map);
    }
}

void BM_FrameMapRedisplayDefaultFrame(benchmark::State& state) {
    Redisplay(state, "[Pcm Data]\r\n", kPanelWidth, kPanelHeight);
}
BENCHMARK(BM_FrameMapRedisplayDefaultFrame);

void BM_FrameMapRedisplayLargestFrame(benchmark::State& state) {
    Redisplay(state, kLargestFrame, kPanelWidth, kPanelHeight);
}
BENCHMARK(BM_FrameMapRedisplayLargestFrame);

void BM_FrameMapLargestFrameInTheLargerWindow(benchmark::State& state) {
    Redisplay(state, kLargestFrame, kWindowWidth, kWindowHeight);
}
BENCHMARK(BM_FrameMapLargestFrameInTheLargerWindow);

// The most cells the map draws one by one in the larger window: every data word sampled in
// a frame whose cells all stand apart.
void BM_FrameMapEveryWordSampledInTheLargerWindow(benchmark::State& state) {
    Redisplay(state,
              "[Pcm Data]\r\nWpf=128\r\nNumsf=64\r\nDwdWordStart=3\r\nDwdWordStop=127\r\n"
              "DwdWordInterval=1\r\n",
              kWindowWidth, kWindowHeight);
}
BENCHMARK(BM_FrameMapEveryWordSampledInTheLargerWindow);

void BM_FrameMapHoverText(benchmark::State& state) {
    const quorvel::PcmDataPageModel page = Page(kLargestFrame);
    for (auto _ : state) {
        std::string text = page.MapOfFrame(kPanelWidth, kPanelHeight, false).HoverText({80, 100});
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FrameMapHoverText);

void BM_FrameMapSvgOfTheDefaultFrame(benchmark::State& state) {
    const quorvel::PcmDataPageModel page;
    for (auto _ : state) {
        std::string svg = quorvel::PictureSvg(*page.PagePicture());
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(BM_FrameMapSvgOfTheDefaultFrame);

}  // namespace
