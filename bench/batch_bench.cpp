// quorvel-cli --batch over 100 000 lines, in memory, for the RF, Number and WG 84 pages: the
// lines per second one process answers (items per second), without the process start that
// one run per line pays each time. bench/batch_throughput.sh measures the real program.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"

namespace {

constexpr int kLines = 100000;

// Lines that vary their answer, as a column of inputs would.
std::string RfLines() {
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        lines += "--menu 'Bit Rate' --answer " + std::to_string(1000 + i * 37) + "\n";
    }
    return lines;
}

std::string NumberLines() {
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        lines +=
            "Base10Value=" + std::to_string(static_cast<std::uint32_t>(i) * 2654435761U) + "\n";
    }
    return lines;
}

std::string Wg84Lines() {
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        lines += "--menu PopupMenuTgt:'Edit Range Az El' --type EditRange=" +
                 std::to_string(1 + i % 500) + " --type EditAz=" + std::to_string(i % 360) +
                 " --ok\n";
    }
    return lines;
}

void Batch(benchmark::State& state, std::string_view page, const std::string& lines, bool json) {
    std::vector<std::string_view> args{"--batch"};
    if (json) {
        args.push_back("--json");
    }
    args.push_back(page);
    std::size_t written = 0;
    int status = 0;
    for (auto _ : state) {
        std::istringstream in(lines);
        std::ostringstream out;
        std::ostringstream err;
        status = quorvel::cli::RunCli(args, in, out, err);
        written = out.str().size();
        benchmark::DoNotOptimize(written);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.counters["exit"] = status;
    state.counters["output_bytes"] = static_cast<double>(written);
}

void BM_BatchRf(benchmark::State& state) {
    static const std::string lines = RfLines();
    Batch(state, "RF", lines, false);
}
void BM_BatchRfJson(benchmark::State& state) {
    static const std::string lines = RfLines();
    Batch(state, "RF", lines, true);
}
void BM_BatchNumber(benchmark::State& state) {
    static const std::string lines = NumberLines();
    Batch(state, "Number", lines, false);
}
void BM_BatchWg84(benchmark::State& state) {
    static const std::string lines = Wg84Lines();
    Batch(state, "Wg84", lines, false);
}

BENCHMARK(BM_BatchRf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchRfJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchWg84)->Unit(benchmark::kMillisecond);

}  // namespace
