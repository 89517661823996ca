// Reading the shipped layout texts, on the host build.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "layout_doc.h"

namespace {

std::string ShippedLayout() {
    std::ifstream in(TAVIMO_LAYOUT_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_ReadLayoutText(benchmark::State& state) {
    const std::string text = ShippedLayout();
    for (auto _ : state) {
        benchmark::DoNotOptimize(skin::ReadLayoutText(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadLayoutText);

}  // namespace

BENCHMARK_MAIN();
