// The shipped presets sound as their pictures show, and their files carry
// the designs' words in the layouts the headsets take.
#include "preset_designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "codec_preset.h"
#include "core/band_store.h"

namespace {

using headset::PresetKind;

constexpr double kDbPerCell = 2.0;
constexpr int kFlatLevel = 4;
// The response may miss a picture's cell centre by a quarter of a cell.
constexpr double kPictureTolerance = 0.5;
// What 18-bit words cost a design's response (most at the lowest bands,
// whose coefficients lie closest to one).
constexpr double kQuantisation = 0.3;

struct Preset {
    PresetKind kind;
    int model, index;
};

std::vector<Preset> Every() {
    std::vector<Preset> all;
    for (int model : presets::kModels) {
        for (int index = 0; index < 7; ++index) {
            all.push_back({PresetKind::Headphone, model, index});
            all.push_back({PresetKind::CodecHeadphone, model, index});
        }
        for (int index = 0; index < 4; ++index) {
            all.push_back({PresetKind::Microphone, model, index});
        }
    }
    return all;
}

std::string Describe(const Preset& p) {
    return std::to_string(static_cast<int>(p.kind)) + "/" + std::to_string(p.model) + "/" +
           std::to_string(p.index);
}

}  // namespace

TEST(PresetDesigns, EveryResponseFollowsItsPictureAndIndexZeroIsFlat) {
    for (const Preset& p : Every()) {
        const presets::Design& design = presets::DesignFor(p.kind, p.model, p.index);
        const auto levels = presets::PictureLevels(design.picture);
        for (std::size_t column = 0; column < levels.size(); ++column) {
            const double wanted = (levels[column] - kFlatLevel) * kDbPerCell;
            const double response = presets::Response(design, presets::kPictureFrequencies[column]);
            EXPECT_NEAR(response, wanted, p.index == 0 ? 1e-9 : kPictureTolerance)
                << Describe(p) << " at " << presets::kPictureFrequencies[column] << " Hz";
        }
        for (const auto& band : design.bands) {
            EXPECT_LE(band.gainTenths, 70) << Describe(p);  // moderate boosts
        }
    }
}

TEST(PresetDesigns, PicturesFollowModelAndFamily) {
    EXPECT_STREQ(presets::DesignFor(PresetKind::Headphone, 200, 3).picture, "A3");
    EXPECT_STREQ(presets::DesignFor(PresetKind::Headphone, 300, 3).picture, "B3");
    EXPECT_STREQ(presets::DesignFor(PresetKind::CodecHeadphone, 200, 6).picture, "B6");
    EXPECT_STREQ(presets::DesignFor(PresetKind::Microphone, 200, 1).picture, "M1");
    EXPECT_STREQ(presets::DesignFor(PresetKind::Microphone, 100, 1).picture, "B1");
    EXPECT_STREQ(presets::DesignFor(PresetKind::Microphone, 500, 3).picture, "M3");
}

TEST(PresetFiles, BlocksCarryTheDesignAndEighteenBitWords) {
    for (const Preset& p : Every()) {
        if (p.kind == PresetKind::CodecHeadphone) {
            continue;
        }
        const auto bytes = presets::MakeFile(p.kind, p.model, p.index);
        ASSERT_EQ(bytes.size(), 94u);
        const auto block = presets::DecodeBlock(bytes);
        ASSERT_TRUE(block.has_value()) << Describe(p);
        EXPECT_EQ(block->model, p.model);
        EXPECT_EQ(block->index, p.index);
        const auto& design = presets::DesignFor(p.kind, p.model, p.index);
        EXPECT_EQ(block->bands, design.bands);
        EXPECT_EQ(block->words, presets::Compute(design).words);
        for (std::int32_t word : block->words) {
            EXPECT_GE(word, -131072);
            EXPECT_LE(word, 131071);
        }
    }
}

TEST(PresetFiles, DamagedBlocksAreNotDecoded) {
    const auto good = presets::MakeFile(PresetKind::Headphone, 100, 2);
    EXPECT_FALSE(presets::DecodeBlock(std::span(good).first(93)).has_value());
    auto longer = good;
    longer.push_back(0);
    EXPECT_FALSE(presets::DecodeBlock(longer).has_value());
    for (std::size_t at : {0u, 4u, 40u, 93u}) {
        auto damaged = good;
        damaged[at] ^= 0x01;
        EXPECT_FALSE(presets::DecodeBlock(damaged).has_value()) << at;
    }
    EXPECT_FALSE(presets::DecodeBlock({}).has_value());
}

TEST(PresetFiles, CodecWordsLoadedBackGiveTheDesignsResponse) {
    for (int model : presets::kModels) {
        for (int index = 0; index < 7; ++index) {
            const auto bytes = presets::MakeFile(PresetKind::CodecHeadphone, model, index);
            ASSERT_EQ(bytes.size(), 128u);
            const auto writes =
                headset::DecodeCodecPreset(std::span<const std::uint8_t, 128>(bytes.data(), 128));
            ASSERT_TRUE(writes.has_value());
            bandcalc::BandStore loaded;
            for (int band = 0; band < 5; ++band) {
                const auto at = static_cast<std::size_t>(band) * 3;
                loaded.SetCof(band + 1, (*writes)[at].value, (*writes)[at + 1].value,
                              (*writes)[at + 2].value);
            }
            const auto& design = presets::DesignFor(PresetKind::CodecHeadphone, model, index);
            for (int band = 0; band < 5; ++band) {
                double words[3] = {};
                loaded.GetCof(band + 1, &words[0], &words[1], &words[2]);
                for (std::size_t word = 0; word < 3; ++word) {
                    EXPECT_EQ(words[word],
                              (*writes)[static_cast<std::size_t>(band) * 3 + word].value);
                }
            }
            for (double frequency : presets::kPictureFrequencies) {
                EXPECT_NEAR(loaded.PrintAbs(frequency), presets::Response(design, frequency),
                            kQuantisation)
                    << model << "/" << index << " at " << frequency;
            }
            EXPECT_EQ(
                headset::PresetValue(std::span<const std::uint8_t, 128>(bytes.data(), 128), 0),
                presets::Compute(design).scale);
        }
    }
}
