#include "controller_rules.h"

#include "headset_ids.h"

namespace tavimo {
namespace {

constexpr EqualizerPicture kFlat = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // Z
// A1..A6: the headphone presets of the older family's "Pro" model.
constexpr EqualizerPicture kProHeadphone[] = {
    {4, 5, 5, 4, 5, 3, 3, 5, 4, 3}, {3, 4, 4, 3, 2, 1, 3, 6, 5, 4}, {4, 5, 5, 5, 3, 1, 3, 6, 4, 2},
    {5, 4, 3, 2, 1, 2, 4, 5, 5, 5}, {5, 5, 4, 3, 2, 3, 2, 5, 1, 2}, {5, 5, 3, 1, 3, 3, 1, 5, 2, 2},
};
// B1..B6: every other headset's headphone presets.
constexpr EqualizerPicture kHeadphone[] = {
    {4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {4, 3, 2, 2, 1, 1, 2, 3, 5, 5}, {5, 5, 4, 3, 3, 3, 3, 3, 5, 6},
    {6, 6, 5, 4, 3, 3, 3, 4, 5, 6}, {7, 7, 5, 4, 4, 4, 4, 6, 6, 6}, {1, 2, 4, 5, 5, 5, 5, 4, 2, 1},
};
constexpr EqualizerPicture kM1 = {1, 2, 4, 5, 5, 5, 5, 5, 3, 2};
constexpr EqualizerPicture kM2 = {2, 3, 4, 4, 5, 5, 5, 5, 3, 1};
constexpr EqualizerPicture kM3 = {0, 1, 3, 4, 5, 5, 5, 4, 2, 1};

bool IsPro(std::uint16_t productId, int model) {
    return productId == kOlderProductId && model == kProModel;
}

}  // namespace

std::optional<EqualizerPicture> HeadphonePicture(std::uint16_t productId, int model, int index) {
    if (index < 0 || index >= kHeadphonePresetCount) {
        return std::nullopt;
    }
    if (index == 0) {
        return kFlat;
    }
    return IsPro(productId, model) ? kProHeadphone[index - 1] : kHeadphone[index - 1];
}

std::optional<EqualizerPicture> MicPicture(std::uint16_t productId, int model, int index) {
    switch (index) {
        case 0:
            return kFlat;
        case 1:
            return IsPro(productId, model) ? kM1 : kHeadphone[0];
        case 2:
            return kM2;
        case 3:
            return kM3;
        default:
            return std::nullopt;
    }
}

int PresetToSelect(int stored, int count, std::uint16_t productId, int model) {
    if (stored >= 0 && stored < count) {
        return stored;
    }
    return IsPro(productId, model) ? 2 : 0;
}

unsigned ModelNameId(int model) {
    switch (model) {
        case 100:
            return 1002;
        case 200:
            return 1006;
        case 300:
            return 1003;
        case 400:
            return 1004;
        case 500:
            return 1005;
        default:
            return 0;
    }
}

std::string_view HelpTopic(int tab) {
    switch (tab) {
        case 1:
            return "::/Headphone Settings.htm";
        case 2:
            return "::/Microphone Settings.htm";
        case 3:
            return "::/Audio Settings.htm";
        case 4:
            return "::/Talk Settings.htm";
        default:
            return {};
    }
}

std::string_view MakerPage(std::uint16_t productId, int model) {
    return IsPro(productId, model) ? "https://www.quorvel.com/"
                                   : "https://www.quorvel.com/products/digital/";
}

bool IsWindows98SecondEdition(const WindowsVersion& version) {
    return version.major == 4 && version.minor == 10 && version.servicePack.size() >= 2 &&
           version.servicePack[1] == 'A';
}

std::string_view MultimediaSettingsArgument(const WindowsVersion& version) {
    if (IsWindows98SecondEdition(version)) {
        return "\\mmsys.cpl,@0,0";
    }
    if ((version.major == 4 && version.minor == 90) || (version.major == 5 && version.minor == 0)) {
        return "\\mmsys.cpl,@0,1";
    }
    if (version.major == 5) {
        return "\\mmsys.cpl,@0,2";
    }
    return {};
}

}  // namespace tavimo
