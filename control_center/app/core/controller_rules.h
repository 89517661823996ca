// The controller's rules that depend only on the headset's identity and on
// plain values: equalizer pictures, preset choices, model names, help topics,
// the maker's pages and the multimedia settings' argument.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

// Ten column levels of an equalizer picture, left to right.
using EqualizerPicture = std::array<int, 10>;

inline constexpr int kHeadphonePresetCount = 7;  // entries 351..357
inline constexpr int kMicPresetCount = 4;        // entries 361..364

// The picture of headphone preset `index` (0..6) or microphone preset
// `index` (0..3); nothing for an index outside the list.
std::optional<EqualizerPicture> HeadphonePicture(std::uint16_t productId, int model, int index);
std::optional<EqualizerPicture> MicPicture(std::uint16_t productId, int model, int index);

// The preset a drop-down of `count` entries selects when `stored` is what
// the registry holds (-1 when nothing): the stored index when it is in the
// list, else 2 for the older family's "Pro" model and 0 for the others.
int PresetToSelect(int stored, int count, std::uint16_t productId, int model);

// The string id of the model's name (100 -> 1002 ... 200 -> 1006); 0 for an
// unknown model.
unsigned ModelNameId(int model);

// The help topic of tab 1..4; empty for any other tab.
std::string_view HelpTopic(int tab);

// The maker's page for the headset: the home page for the older family's
// "Pro" model, the digital-products page for every other headset.
std::string_view MakerPage(std::uint16_t productId, int model);

// Windows' version as the controller asks for it.
struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    std::string servicePack;  // szCSDVersion
};

// What the multimedia settings are started with after the system directory
// to open on their audio page; empty where no argument is known.
std::string_view MultimediaSettingsArgument(const WindowsVersion& version);

// Windows 98 Second Edition: 4.10 with an "A" as the service-pack string's
// second character.
bool IsWindows98SecondEdition(const WindowsVersion& version);

}  // namespace tavimo
