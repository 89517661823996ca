#include "virtual_headset.h"

#include <dbt.h>

namespace devices {

namespace {

VirtualMixer::Options MixerOptions(bool soundCardFirst) {
    VirtualMixer::Options options;
    if (soundCardFirst) {
        options.deviceNames.insert(options.deviceNames.begin(), "Onboard Sound Card");
        options.headsetIndex = 1;
    }
    return options;
}

}  // namespace

VirtualHid::Device VirtualHeadset::HidDevice(Family family, int model, const std::string& serial) {
    VirtualHid::Device device;
    device.productId = family == Family::Older ? 0x0B52 : 0x0D31;
    const std::string text = serial.empty() ? std::to_string(model) + "-0417-0102" : serial;
    device.serial.assign(text.begin(), text.end());
    return device;
}

VirtualHeadset::VirtualHeadset(const Setup& setup)
    : hid_({HidDevice(setup.family, setup.model, setup.serial)}),
      mixer_(MixerOptions(setup.soundCardFirst)),
      driverMissing_(setup.driverMissing) {
    Attach(setup.family);
    if (!setup.plugged) {
        Unplug();
    }
}

void VirtualHeadset::Attach(Family family) {
    pipe_.SetPresent(family == Family::Older && !driverMissing_);
    codec_.SetAnswering(family == Family::Newer && !driverMissing_);
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
