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
#include "hid_api.h"
#include "pipe_api.h"
#include "platform_api.h"
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

// The device services a restore reaches: the system's in the agent, the
// virtual headset's in tests.
struct RestoreDevices {
    devices::HidApi& hid;
    devices::PlatformApi& platform;
    devices::PipeApi& pipe;
};

// window receives the device notifications registered while it runs.
RestoreFields RestoreHeadset(const RestoreDevices& devices, HWND window);

}  // namespace tray
