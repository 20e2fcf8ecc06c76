// The cost of one error-log line (compose, open for append, write, close) and of the clock
// reads behind its stamp.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "diag/error_log.h"
#include "diag/timer.h"

namespace {

std::string ScratchLog() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return "QuorvelII.Log";
    }
    return pattern + "/QuorvelII.Log";
}

void BM_ErrorLogWrite(benchmark::State& state) {
    const std::string path = ScratchLog();
    quorvel::Cerrorlog log(path);
    const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        log.Write(text, 1);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_ErrorLogWrite)->Arg(50)->Arg(8000);

void BM_TimerNow(benchmark::State& state) {
    quorvel::Ctimerclass timer;
    for (auto _ : state) {
        benchmark::DoNotOptimize(timer.Now());
    }
}
BENCHMARK(BM_TimerNow);

void BM_TimeOfYearNow(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::TimeOfYearNow(quorvel::SystemClock()));
    }
}
BENCHMARK(BM_TimeOfYearNow);

void BM_IntervalElapsedPoll(benchmark::State& state) {
    quorvel::Ctimerclass timer;
    timer.SetInterval(3600.0);
    timer.StartInterval();
    for (auto _ : state) {
        benchmark::DoNotOptimize(timer.IntervalElapsed());
    }
}
BENCHMARK(BM_IntervalElapsedPoll);

}  // namespace
