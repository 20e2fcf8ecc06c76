// Cost of the texts written into every result label and read from every prompt.
#include <benchmark/benchmark.h>

#include <string>

#include "common/number_text.h"

namespace {

using quorvel::FormatNumber;

void BM_FormatNumber(benchmark::State& state, int precision, int decimals, double value) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = FormatNumber(precision, decimals, value);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK_CAPTURE(BM_FormatNumber, dbm_8_2, 8, 2, 30.0);
BENCHMARK_CAPTURE(BM_FormatNumber, watts_8_2, 8, 2, 123.456);
BENCHMARK_CAPTURE(BM_FormatNumber, small_12_9, 12, 9, 0.000123456789);
BENCHMARK_CAPTURE(BM_FormatNumber, cut_8_2, 8, 2, -123456.789);
BENCHMARK_CAPTURE(BM_FormatNumber, error_value_8_2, 8, 2, 9.9999999999e26);
BENCHMARK_CAPTURE(BM_FormatNumber, fitted_8_2, 8, 2, 123456789.0);
BENCHMARK_CAPTURE(BM_FormatNumber, full_18_18, 18, 18, 3.141592653589793);

void BM_ParseReal(benchmark::State& state, const char* text) {
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorvel::ParseReal(text, value));
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK_CAPTURE(BM_ParseReal, short, "30.00");
BENCHMARK_CAPTURE(BM_ParseReal, settings, "6076.115489000");
BENCHMARK_CAPTURE(BM_ParseReal, exponent, "9.9999999999e26");
BENCHMARK_CAPTURE(BM_ParseReal, refused, "1,5");

void BM_DmsText(benchmark::State& state) {
    double degrees = -123.456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(degrees);
        std::string text = quorvel::DmsText(degrees);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_DmsText);

}  // namespace
