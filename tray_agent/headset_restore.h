// Puts the chosen presets and the microphone gain back into the headset
// after a standby, in this order: the gain report that goes with the
// microphone preset, the microphone preset, the headphone preset. Every
// object it makes lives for this one call; each step that fails does
// nothing, and the later steps still run.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "agent_settings.h"
#include "device_set.h"
#include "restore_plan.h"

namespace tray {

// What the main window keeps of the last restore.
struct RestoreFields {
    AgentSettings settings;
    bool headsetAttached = false;
    std::string serial;
    int model = 0;
    std::optional<GainRange> gainRange;
};

// window receives the device notifications registered while it runs.
RestoreFields RestoreHeadset(const devices::DeviceSet& devices, HWND window);

}  // namespace tray
