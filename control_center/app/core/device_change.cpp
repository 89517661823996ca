#include "device_change.h"

#include <algorithm>

#include "headset_ids.h"

namespace tavimo {
namespace {

bool IsRemoval(unsigned event) {
    return event == kDeviceQueryRemove || event == kDeviceRemovePending ||
           event == kDeviceRemoveComplete;
}

// The older family (and no headset): removals close at once, an arrival
// waits for the device nodes to settle.
DeviceAction OlderFamily(unsigned event, const DeviceState& state, Broadcast broadcast) {
    DeviceAction action;
    action.arrivalPending = state.arrivalPending;
    if (event == kDeviceArrival) {
        action.arrivalPending = true;
    } else if (IsRemoval(event)) {
        // Another device going (a mouse, say) leaves the headset alone.
        if (state.mixerOpen && broadcast != Broadcast::OtherDevice) {
            action.closeHeadset = true;
            action.rebuild = true;
        }
    } else if (event == kDevNodesChanged && state.arrivalPending) {
        action.arrivalPending = false;
        action.closeHeadset = state.mixerOpen;
        action.openHeadset = true;
        action.openMixer = true;
        action.rebuild = true;
    }
    return action;
}

// The newer family: its removal shows only as a codec that stops answering.
DeviceAction NewerFamily(unsigned event, const DeviceState& state) {
    DeviceAction action;
    action.arrivalPending = state.arrivalPending;
    if (event == kDeviceArrival) {
        action.arrivalPending = true;
    } else if (event == kDevNodesChanged) {
        action.arrivalPending = false;
        if (state.headsetReady) {
            action.probeCodec = true;
        } else if (state.arrivalPending) {
            action.openHeadset = true;
            action.rebuild = true;
        }
    }
    return action;
}

}  // namespace

DeviceAction DecideDeviceChange(unsigned event, const DeviceState& state, Broadcast broadcast) {
    return state.productId == kNewerProductId ? NewerFamily(event, state)
                                              : OlderFamily(event, state, broadcast);
}

bool SameDevicePath(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace tavimo
