// Names and sizes of the equalizer preset files in the installation
// directory: "HS", "MIC" or "ZHS", the model number and the preset index + 1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace headset {

enum class PresetKind { Headphone, Microphone, CodecHeadphone };

// Blocks written as they are into the filter driver's pipe.
inline constexpr std::size_t kPipePresetSize = 94;
// Sixteen little-endian doubles: an unused one, then fifteen DSP words.
inline constexpr std::size_t kCodecPresetSize = 128;
// Room for a file name, its terminating zero included.
inline constexpr std::size_t kMaxFileName = 260;

inline constexpr int kHeadphonePresets = 7;
inline constexpr int kMicrophonePresets = 4;

// directory is a plain prefix (it ends with a backslash, or is empty for the
// current directory). Empty when the name would not fit kMaxFileName.
std::string PresetFileName(PresetKind kind, std::string_view directory, int model, int index);

}  // namespace headset
