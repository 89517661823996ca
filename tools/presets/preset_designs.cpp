#include "preset_designs.h"

#include <bit>
#include <cstring>
#include <stdexcept>

#include "core/band_store.h"

namespace presets {
namespace {

using headset::PresetKind;

// Frequency (Hz), gain (0.1 dB), Q (0.01) of each band, fitted to the
// pictures below; boosts stay at 7 dB or less. The equalizer's bands are
// not interchangeable: their order is part of a design.
const Design kFlat = {
    "Z", {{{60, 0, 100}, {250, 0, 100}, {1000, 0, 100}, {5000, 0, 100}, {12000, 0, 100}}}};
const Design kDesigns[] = {
    {"A1", {{{537, -2, 30}, {193, 36, 161}, {964, 30, 571}, {7532, -35, 30}, {7942, 70, 184}}}},
    {"A2", {{{48, -20, 125}, {209, 10, 153}, {1681, -44, 37}, {3614, -42, 132}, {7957, 70, 193}}}},
    {"A3", {{{181, 23, 122}, {411, 28, 157}, {8032, -64, 34}, {1801, -90, 158}, {7535, 70, 137}}}},
    {"A4", {{{72, 30, 85}, {481, -40, 57}, {1047, -39, 423}, {3351, -51, 132}, {8757, 26, 31}}}},
    {"A5", {{{88, 42, 85}, {386, -9, 71}, {861, -38, 108}, {9620, -60, 45}, {7035, 70, 600}}}},
    {"A6",
     {{{94, 63, 108}, {435, -65, 93}, {6419, 52, 137}, {4648, -100, 295}, {10813, -98, 124}}}},
    {"B1", {{{60, 0, 100}, {250, 0, 100}, {1000, 0, 100}, {5000, 0, 100}, {12000, 0, 100}}}},
    {"B2", {{{109, 8, 57}, {258, -40, 62}, {1526, -54, 65}, {4303, -40, 45}, {12000, 57, 127}}}},
    {"B3", {{{88, 48, 97}, {497, -16, 82}, {2532, -20, 30}, {6554, -26, 186}, {13718, 46, 79}}}},
    {"B4", {{{86, 54, 50}, {418, 7, 154}, {1257, -23, 35}, {4741, -20, 127}, {15092, 41, 62}}}},
    {"B5", {{{62, 65, 74}, {160, 41, 174}, {4745, -27, 193}, {7267, 21, 193}, {13542, 40, 42}}}},
    {"B6", {{{79, -75, 52}, {284, 17, 156}, {706, 30, 101}, {4376, 29, 73}, {12959, -83, 106}}}},
    {"M1", {{{81, -74, 44}, {333, 30, 72}, {1872, 23, 47}, {7032, 37, 110}, {12390, -52, 59}}}},
    {"M2", {{{58, -41, 42}, {239, 10, 431}, {1574, 52, 134}, {7089, 40, 88}, {13878, -69, 61}}}},
    {"M3", {{{55, -70, 70}, {120, -50, 97}, {936, 19, 156}, {4502, 30, 70}, {13017, -78, 94}}}},
};

struct Picture {
    const char* name;
    std::array<int, 10> levels;
};
const Picture kPictures[] = {
    {"Z", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},  // drawn empty; the response is flat
    {"A1", {4, 5, 5, 4, 5, 3, 3, 5, 4, 3}}, {"A2", {3, 4, 4, 3, 2, 1, 3, 6, 5, 4}},
    {"A3", {4, 5, 5, 5, 3, 1, 3, 6, 4, 2}}, {"A4", {5, 4, 3, 2, 1, 2, 4, 5, 5, 5}},
    {"A5", {5, 5, 4, 3, 2, 3, 2, 5, 1, 2}}, {"A6", {5, 5, 3, 1, 3, 3, 1, 5, 2, 2}},
    {"B1", {4, 4, 4, 4, 4, 4, 4, 4, 4, 4}}, {"B2", {4, 3, 2, 2, 1, 1, 2, 3, 5, 5}},
    {"B3", {5, 5, 4, 3, 3, 3, 3, 3, 5, 6}}, {"B4", {6, 6, 5, 4, 3, 3, 3, 4, 5, 6}},
    {"B5", {7, 7, 5, 4, 4, 4, 4, 6, 6, 6}}, {"B6", {1, 2, 4, 5, 5, 5, 5, 4, 2, 1}},
    {"M1", {1, 2, 4, 5, 5, 5, 5, 5, 3, 2}}, {"M2", {2, 3, 4, 4, 5, 5, 5, 5, 3, 1}},
    {"M3", {0, 1, 3, 4, 5, 5, 5, 4, 2, 1}},
};

const Design& Named(const std::string& picture) {
    for (const Design& design : kDesigns) {
        if (picture == design.picture) {
            return design;
        }
    }
    throw std::logic_error("no design for picture " + picture);
}

// The picture the control center shows: "Pro" headphone presets have their
// own, every other headphone preset (the newer family's included) the B
// set, microphone presets the M set with the first one the Pro's only.
std::string PictureFor(PresetKind kind, int model, int index) {
    const std::string number = std::to_string(index);
    if (kind == PresetKind::Microphone) {
        return index == 1 && model != 200 ? "B1" : "M" + number;
    }
    return (kind == PresetKind::Headphone && model == 200 ? "A" : "B") + number;
}

bandcalc::BandStore StoreFor(const Design& design) {
    bandcalc::BandStore store;
    for (int band = 1; band <= kBands; ++band) {
        const StoredBand& stored = design.bands[static_cast<std::size_t>(band - 1)];
        store.BandCalc(band, stored.frequency, stored.gainTenths / 10.0,
                       stored.qHundredths / 100.0);
    }
    return store;
}

void PutDouble(std::vector<std::uint8_t>& bytes, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int byte = 0; byte < 8; ++byte) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * byte)));
    }
}

}  // namespace

const Design& DesignFor(PresetKind kind, int model, int index) {
    return index == 0 ? kFlat : Named(PictureFor(kind, model, index));
}

std::array<int, 10> PictureLevels(const char* picture) {
    for (const Picture& known : kPictures) {
        if (std::strcmp(known.name, picture) == 0) {
            return known.levels;
        }
    }
    throw std::logic_error(std::string("no picture ") + picture);
}

Coefficients Compute(const Design& design) {
    const bandcalc::BandStore store = StoreFor(design);
    Coefficients result{};
    for (int band = 1; band <= kBands; ++band) {
        double words[3] = {};
        store.GetCof(band, &words[0], &words[1], &words[2]);
        for (std::size_t word = 0; word < 3; ++word) {
            result.words[static_cast<std::size_t>(band - 1) * 3 + word] =
                static_cast<std::int32_t>(words[word]);
        }
    }
    store.GetScal(&result.scale);
    return result;
}

double Response(const Design& design, double frequency) {
    return StoreFor(design).PrintAbs(frequency);
}

std::vector<std::uint8_t> MakeFile(PresetKind kind, int model, int index) {
    const Design& design = DesignFor(kind, model, index);
    const Coefficients coefficients = Compute(design);
    if (kind == PresetKind::CodecHeadphone) {
        std::vector<std::uint8_t> bytes;
        PutDouble(bytes, coefficients.scale);
        for (std::int32_t word : coefficients.words) {
            PutDouble(bytes, word);
        }
        return bytes;
    }
    PresetBlock block;
    block.kind = kind == PresetKind::Headphone ? BlockKind::Headphone : BlockKind::Microphone;
    block.index = static_cast<std::uint8_t>(index);
    block.model = static_cast<std::uint16_t>(model);
    block.bands = design.bands;
    block.words = coefficients.words;
    block.scale = coefficients.scale;
    const auto encoded = EncodeBlock(block);
    return {encoded.begin(), encoded.end()};
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> AllFiles() {
    const std::pair<PresetKind, int> kinds[] = {
        {PresetKind::Headphone, headset::kHeadphonePresets},
        {PresetKind::Microphone, headset::kMicrophonePresets},
        {PresetKind::CodecHeadphone, headset::kHeadphonePresets}};
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (int model : kModels) {
        for (const auto& [kind, count] : kinds) {
            for (int index = 0; index < count; ++index) {
                files.emplace_back(headset::PresetFileName(kind, "", model, index),
                                   MakeFile(kind, model, index));
            }
        }
    }
    return files;
}

}  // namespace presets
