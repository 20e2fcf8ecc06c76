// The cost of a hardcopy file without the toolkit's grab: encoding a 470 x 413 window picture
// with libjpeg's defaults, and encoding plus replacing the file on disk. Also reports the size
// of the file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/jpeg_file.h"

namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 413;

// Something like a page: a grey window, a coloured panel, rows of dark digits.
std::vector<std::uint8_t> WindowLikePicture() {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * kWidth + x) * 3];
            const bool panel = x > 10 && x < 460 && y > 30 && y < 400;
            const bool digit =
                panel && (y % 20) > 6 && (y % 20) < 16 && (x % 9) < 5 && ((x * 7 + y * 3) % 11) < 6;
            const std::uint8_t grey = digit ? 20 : (panel ? 236 : 212);
            p[0] = grey;
            p[1] = grey;
            p[2] = static_cast<std::uint8_t>(panel && !digit ? 250 : grey);
        }
    }
    return rgb;
}

void BM_EncodeHardcopy(benchmark::State& state) {
    const std::vector<std::uint8_t> rgb = WindowLikePicture();
    const quorvel::RgbRows rows{rgb.data(), kWidth, kHeight, kWidth * 3};
    std::string jpeg;
    std::string error;
    for (auto _ : state) {
        quorvel::EncodeJpeg(rows, jpeg, error);
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.counters["file_bytes"] = static_cast<double>(jpeg.size());
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_EncodeHardcopy)->Unit(benchmark::kMicrosecond);

void BM_WriteHardcopyFile(benchmark::State& state) {
    std::string directory =
        (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (mkdtemp(directory.data()) == nullptr) {
        state.SkipWithError("no scratch directory");
        return;
    }
    const std::string path = directory + "/QuorvelIIHdcpy_0.jpg";
    const std::vector<std::uint8_t> rgb = WindowLikePicture();
    const quorvel::RgbRows rows{rgb.data(), kWidth, kHeight, kWidth * 3};
    std::string error;
    for (auto _ : state) {
        quorvel::WriteJpegFile(path, rows, error);
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_WriteHardcopyFile)->Unit(benchmark::kMicrosecond);

}  // namespace
