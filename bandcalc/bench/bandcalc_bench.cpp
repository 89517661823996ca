// Cost of the library's working operations, on the host build.
#include <benchmark/benchmark.h>

#include "core/band_store.h"

namespace {

void BM_BandCalc(benchmark::State& state) {
    bandcalc::BandStore store;
    double freq = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.BandCalc(3, freq, 6.0, 1.0));
        freq = freq < 20000 ? freq * 1.01 : 1000;  // vary the input a little
    }
}
BENCHMARK(BM_BandCalc);

void BM_SetCof(benchmark::State& state) {
    bandcalc::BandStore store;
    int word = 5542;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.SetCof(3, -119936, 124514, word));
        word = word < 6000 ? word + 1 : 5542;
    }
}
BENCHMARK(BM_SetCof);

void BM_PrintAbs(benchmark::State& state) {
    bandcalc::BandStore store;
    const double freqs[] = {60, 250, 1000, 4000, 12000};
    for (int band = 1; band <= 5; ++band) {
        store.BandCalc(band, freqs[band - 1], 4.0, 1.0);
    }
    double freq = 20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.PrintAbs(freq));
        freq = freq < 20000 ? freq * 1.01 : 20;
    }
}
BENCHMARK(BM_PrintAbs);

}  // namespace

BENCHMARK_MAIN();
