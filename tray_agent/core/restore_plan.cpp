#include "restore_plan.h"

#include <algorithm>
#include <array>

#include "model_number.h"
#include "preset_files.h"

namespace tray {
namespace {

constexpr std::array<int, 5> kKnownModels = {100, 200, 300, 400, 500};
constexpr int kFallbackModel = 300;

std::optional<std::string> PresetFile(headset::PresetKind kind, const AgentSettings& settings,
                                      int model, int index) {
    std::string name = headset::PresetFileName(kind, settings.directory, model, index);
    if (name.empty()) {
        return std::nullopt;
    }
    return name;
}

}  // namespace

int PresetModel(std::string_view serial) {
    const int model = headset::ModelNumber(serial);
    return std::find(kKnownModels.begin(), kKnownModels.end(), model) != kKnownModels.end()
               ? model
               : kFallbackModel;
}

RestorePlan PlanRestore(const AgentSettings& settings, std::string_view serial,
                        std::optional<GainRange> gainRange) {
    const int model = PresetModel(serial);
    RestorePlan plan;
    if (gainRange) {
        plan.gain =
            headset::GainForMicPreset(gainRange->minimum, gainRange->maximum, settings.micPreset);
    }
    plan.micPresetFile =
        PresetFile(headset::PresetKind::Microphone, settings, model, settings.micPreset);
    plan.headphonePresetFile =
        PresetFile(headset::PresetKind::Headphone, settings, model, settings.headsetPreset);
    return plan;
}

}  // namespace tray
