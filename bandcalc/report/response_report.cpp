// bandcalc_report: designs a set of equalizer bands with the library's
// operations, prints their DSP words and the magnitude response at the
// standard octave frequencies, and draws the response curve as SVG.
//
//   bandcalc_report [--band BAND,FREQ,GAIN,Q]... [--svg FILE]
//
// Without --band it shows a sample setting of all five bands.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

#include "band_spec.h"
#include "core/band_store.h"
#include "core/dsp_word.h"
#include "response_svg.h"

namespace {

constexpr BandSpec kSampleBands[] = {
    {1, 60, 6, 0.7}, {2, 250, -3, 1.0}, {3, 1000, 2, 1.4}, {4, 4000, 4, 1.0}, {5, 12000, 5, 0.7},
};

constexpr double kOctaves[] = {31.5, 63, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};

struct Options {
    std::vector<BandSpec> bands;
    const char* svgPath = nullptr;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--band") == 0 && hasValue) {
            const std::optional<BandSpec> band = ParseBandSpec(argv[++i]);
            if (!band) {
                std::fprintf(stderr, "bad band '%s': want BAND,FREQ,GAIN,Q with BAND 1 to 5\n",
                             argv[i]);
                return std::nullopt;
            }
            options.bands.push_back(*band);
        } else if (std::strcmp(argv[i], "--svg") == 0 && hasValue) {
            options.svgPath = argv[++i];
        } else {
            std::fprintf(stderr,
                         "usage: bandcalc_report [--band BAND,FREQ,GAIN,Q]... [--svg FILE]\n");
            return std::nullopt;
        }
    }
    if (options.bands.empty()) {
        options.bands.assign(std::begin(kSampleBands), std::end(kSampleBands));
    }
    return options;
}

void PrintWord(const char* name, double word) {
    int high = 0, middle = 0, low = 0;
    bandcalc::PutCof(static_cast<int>(word), &high, &middle, &low);
    std::printf("  %-13s %8.0f  (%3d, %3d, %d)\n", name, word, high, middle, low);
}

void PrintBands(const bandcalc::BandStore& store, const std::vector<BandSpec>& bands) {
    for (const BandSpec& spec : bands) {
        double freq = 0, gain = 0, q = 0, lag2 = 0, lag1 = 0, bandGain = 0;
        store.GetBandCalc(spec.band, &freq, &gain, &q);
        store.GetCof(spec.band, &lag2, &lag1, &bandGain);
        std::printf("Band %d: %.1f Hz, %+.2f dB, Q %.3f\n", spec.band, freq, gain, q);
        PrintWord("fbLag2Word", lag2);
        PrintWord("fbLag1Word", lag1);
        PrintWord("bandGainWord", bandGain);
    }
    int scale = 0;
    store.GetScal(&scale);
    std::printf("Input scale word: %d (%.4f)\n\n", scale,
                bandcalc::UnscaleCof(scale, bandcalc::kFractionBits));
}

void PrintOctaves(const bandcalc::BandStore& store) {
    std::printf("Response at the octave frequencies:\n");
    for (double freq : kOctaves) {
        std::printf("  %7.1f Hz  %+7.2f dB\n", freq, store.PrintAbs(freq));
    }
}

bool WriteSvg(const bandcalc::BandStore& store, const std::vector<BandSpec>& bands,
              const char* path) {
    std::vector<ResponsePoint> curve;
    constexpr int kPoints = 480;
    for (int i = 0; i <= kPoints; ++i) {
        const double freq = 20.0 * std::pow(25000.0 / 20.0, static_cast<double>(i) / kPoints);
        curve.push_back({freq, store.PrintAbs(freq)});
    }
    std::vector<BandMark> marks;
    for (const BandSpec& spec : bands) {
        double freq = 0;
        store.GetBandCalc(spec.band, &freq, nullptr, nullptr);
        marks.push_back({spec.band, {freq, store.PrintAbs(freq)}});
    }
    std::ofstream out(path, std::ios::binary);
    out << RenderResponseSvg(curve, marks);
    out.close();
    if (!out) {
        std::fprintf(stderr, "could not write %s\n", path);
        return false;
    }
    std::printf("\nResponse curve written to %s\n", path);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    bandcalc::BandStore store;
    for (const BandSpec& b : options->bands) {
        store.BandCalc(b.band, b.freq, b.gain, b.q);
    }
    PrintBands(store, options->bands);
    PrintOctaves(store);
    if (options->svgPath != nullptr && !WriteSvg(store, options->bands, options->svgPath)) {
        return 1;
    }
    return 0;
}
