// What a restore after a standby puts back into the headset, in this order:
// the microphone's gain report, the microphone preset, the headphone preset.
// The gain follows the control center's rule for the preset, and the preset
// files lie in the installation directory under the headset's model number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "agent_settings.h"
#include "mic_gain.h"

namespace tray {

// The model number the preset files are named by: the serial's leading
// model number when it is one of the known models, else 300.
int PresetModel(std::string_view serial);

// The logical bounds of the headset's gain value, as 16-bit numbers.
struct GainRange {
    std::uint16_t minimum, maximum;
};

struct RestorePlan {
    // Nothing when the headset has no gain value, or its range runs
    // backwards.
    std::optional<headset::GainReport> gain;
    // Nothing when the file's name would not fit a Windows path: such a
    // preset is skipped, never cut.
    std::optional<std::string> micPresetFile;
    std::optional<std::string> headphonePresetFile;
};

RestorePlan PlanRestore(const AgentSettings& settings, std::string_view serial,
                        std::optional<GainRange> gainRange);

}  // namespace tray
