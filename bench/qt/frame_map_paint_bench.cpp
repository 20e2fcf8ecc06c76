// Painting the PCM Data page's frame map with QPainter, as the page's map view does at every
// redisplay: the default frame and the largest, at the size the map has on the page and in
// the larger window. Run with QT_QPA_PLATFORM=offscreen (set here when unset).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "common/qt/picture_painter.h"
#include "pages/pcm/pcm_page.h"
#include "shell/ini_store.h"

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "frame_map_paint_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication application(argc, argv);
}

const char* const kLargestFrame =
    "[Pcm Data]\r\nBitrate=10000000\r\nCwl=12\r\nWpf=16384\r\nNumsf=8192\r\nNumFspWords=3\r\n"
    "FspTrails=YES\r\nDwdWordStart=0\r\nDwdWordStop=16380\r\nDwdWordInterval=7\r\n";

// The map laid out, drawn and painted into an image of its size.
void Paint(benchmark::State& state, const char* section, int width, int height) {
    EnsureApplication();
    quorvel::PcmDataPageModel page;
    page.LoadSettings(quorvel::IniText(section));
    QImage image(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        const quorvel::Picture map = page.MapOfFrame(width, height, false).Draw();
        QPainter painter(&image);
        quorvel::PaintPicture(painter, map, quorvel::DefaultPicturePalette());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintDefaultFrameOnThePage(benchmark::State& state) {
    Paint(state, "[Pcm Data]\r\n", 160, 230);
}
BENCHMARK(BM_PaintDefaultFrameOnThePage);

void BM_PaintLargestFrameOnThePage(benchmark::State& state) {
    Paint(state, kLargestFrame, 160, 230);
}
BENCHMARK(BM_PaintLargestFrameOnThePage);

void BM_PaintDefaultFrameInTheLargerWindow(benchmark::State& state) {
    Paint(state, "[Pcm Data]\r\n", 760, 480);
}
BENCHMARK(BM_PaintDefaultFrameInTheLargerWindow);

}  // namespace
