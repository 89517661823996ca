#include "virtual_headset.h"

#include <dbt.h>

#include <functional>

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
      pluggedDevice_(HidDevice(setup.family, setup.model, setup.serial)),
      family_(setup.family),
      driverMissing_(setup.driverMissing) {
    platform_.SleepWaits(setup.sleepWaits);
    Attach(setup.family);
    if (!setup.plugged) {
        Unplug();
    }
}

void VirtualHeadset::Attach(Family family) {
    family_ = family;
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
    PlugDevice(family, HidDevice(family, model));
}

void VirtualHeadset::Plug() {
    PlugDevice(family_, pluggedDevice_);
}

void VirtualHeadset::PlugDevice(Family family, const VirtualHid::Device& device) {
    Unplug();
    pluggedDevice_ = device;
    device_ = hid_.Plug(device);
    Attach(family);
    Announce(DBT_DEVICEARRIVAL);
}

void VirtualHeadset::Observe(HWND window, UINT message) {
    const auto tell = [window, message](Change change) -> std::function<void()> {
        if (window == nullptr) {
            return {};
        }
        return [=] { PostMessageA(window, message, static_cast<WPARAM>(change), 0); };
    };
    mixer_.SetWriteObserver(tell(Change::Mixer));
    pipe_.SetWriteObserver(tell(Change::Download));
    hid_.SetOutputObserver(tell(Change::GainReport));
    codec_.NotifyOnWrite(window, message, static_cast<WPARAM>(Change::Download));
}

}  // namespace devices
