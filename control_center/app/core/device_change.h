// What the frame does when a device comes or goes: the decision for each
// WM_DEVICECHANGE event, by headset family, apart from the doing.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavimo {

inline constexpr unsigned kDevNodesChanged = 0x0007;
inline constexpr unsigned kDeviceArrival = 0x8000;
inline constexpr unsigned kDeviceQueryRemove = 0x8001;
inline constexpr unsigned kDeviceRemovePending = 0x8003;
inline constexpr unsigned kDeviceRemoveComplete = 0x8004;

// What the event's device-interface broadcast names, if it carries one.
enum class Broadcast { None, OpenHeadset, OtherDevice };

struct DeviceState {
    std::uint16_t productId = 0;  // of the last opened headset; kept after a close
    bool arrivalPending = false;
    bool mixerOpen = false;
    bool headsetReady = false;
};

// Done in this order: close, open headset, open mixer, probe, rebuild.
struct DeviceAction {
    bool closeHeadset = false;
    bool openHeadset = false;  // without messages
    bool openMixer = false;    // without the output-switch suggestion
    // Probe the codec; only when it no longer answers: close, then rebuild.
    bool probeCodec = false;
    bool rebuild = false;
    bool arrivalPending = false;  // the flag afterwards
    bool operator==(const DeviceAction&) const = default;
};

DeviceAction DecideDeviceChange(unsigned event, const DeviceState& state, Broadcast broadcast);

// Device paths compare without regard to case.
bool SameDevicePath(std::string_view a, std::string_view b);

}  // namespace tavimo
