// Reading and decoding the newer family's preset files, on the host build.
#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <span>

#include "codec_preset.h"

namespace {

constexpr char kShippedFile[] = TAVIMO_PRESET_DIR "/ZHS2003.BIN";

std::array<std::uint8_t, headset::kCodecPresetSize> ReadFile() {
    std::array<std::uint8_t, headset::kCodecPresetSize> bytes{};
    std::ifstream in(kShippedFile, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void BM_DecodeCodecPreset(benchmark::State& state) {
    const auto bytes = ReadFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(headset::DecodeCodecPreset(bytes));
    }
}
BENCHMARK(BM_DecodeCodecPreset);

void BM_ReadAndDecodeCodecPreset(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(headset::DecodeCodecPreset(ReadFile()));
    }
}
BENCHMARK(BM_ReadAndDecodeCodecPreset);

}  // namespace

BENCHMARK_MAIN();
