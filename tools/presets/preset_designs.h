// The shipped equalizer presets: a five-band design for each, chosen so
// that the response at the equalizer page's ten band frequencies follows
// the picture the control center shows for the preset (one cell = 2 dB,
// level 4 = 0 dB), and the files made from them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "preset_block.h"
#include "preset_files.h"

namespace presets {

inline constexpr std::array<int, 5> kModels = {100, 200, 300, 400, 500};
// The equalizer page's band frequencies, in Hz.
inline constexpr std::array<double, 10> kPictureFrequencies = {50,   150,  250,  500,   1000,
                                                               3000, 5000, 7000, 10000, 15000};

struct Design {
    const char* picture;  // "Z" for the flat preset
    std::array<StoredBand, kBands> bands;
};

const Design& DesignFor(headset::PresetKind kind, int model, int index);
// The picture's ten column levels.
std::array<int, 10> PictureLevels(const char* picture);

struct Coefficients {
    std::array<std::int32_t, kWords> words;  // three a band, in GetCof's order
    std::int32_t scale;                      // GetScal's word
};
Coefficients Compute(const Design& design);
// The whole equalizer's response to design at frequency, in dB.
double Response(const Design& design, double frequency);

// The file's bytes: a 94-byte block, or sixteen doubles for the newer family.
std::vector<std::uint8_t> MakeFile(headset::PresetKind kind, int model, int index);
// Every shipped file: its name and bytes.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> AllFiles();

}  // namespace presets
