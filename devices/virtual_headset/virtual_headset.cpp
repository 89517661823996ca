#include "virtual_headset.h"

#include <dbt.h>

namespace devices {

VirtualHid::Device VirtualHeadset::HidDevice(Family family, int model) {
    VirtualHid::Device device;
    device.productId = family == Family::Older ? 0x0B52 : 0x0D31;
    const std::string serial = std::to_string(model) + "-0417-0102";
    device.serial.assign(serial.begin(), serial.end());
    return device;
}

VirtualHeadset::VirtualHeadset(Family family, int model) : hid_({HidDevice(family, model)}) {
    Attach(family);
}

void VirtualHeadset::Attach(Family family) {
    pipe_.SetPresent(family == Family::Older);
    codec_.SetAnswering(family == Family::Newer);
    mixer_.SetHeadsetPresent(true);
    plugged_ = true;
}

void VirtualHeadset::Announce(WPARAM event) {
    platform_.BroadcastInterface(event, HidPath());
    platform_.SendToRegistered(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    static const UINT audioDevicesChanged = RegisterWindowMessageA("winmm_devicechange");
    platform_.SendToRegistered(audioDevicesChanged, 0, 0);
}

void VirtualHeadset::RequestSafeRemoval() {
    platform_.BroadcastInterface(DBT_DEVICEQUERYREMOVE, HidPath());
    platform_.BroadcastInterface(DBT_DEVICEREMOVEPENDING, HidPath());
}

void VirtualHeadset::Unplug() {
    if (!plugged_) {
        return;
    }
    hid_.Unplug(device_);
    pipe_.SetPresent(false);
    codec_.SetAnswering(false);
    mixer_.SetHeadsetPresent(false);
    plugged_ = false;
    Announce(DBT_DEVICEREMOVECOMPLETE);
}

void VirtualHeadset::Plug(Family family, int model) {
    Unplug();
    device_ = hid_.Plug(HidDevice(family, model));
    Attach(family);
    Announce(DBT_DEVICEARRIVAL);
}

}  // namespace devices
