// A whole virtual headset of either family: HID device, mixer device, and
// the older family's filter-driver pipe or the newer family's codec, with
// every device service the control center uses. Unplugging and plugging
// take the whole headset away or bring one (maybe another) back and tell
// the registered windows what Windows tells them: the HID interface's
// broadcast, then DBT_DEVNODES_CHANGED, then "winmm_devicechange".
#pragma once

#include <memory>
#include <string>

#include "device_set.h"
#include "virtual_codec.h"
#include "virtual_hid.h"
#include "virtual_mixer.h"
#include "virtual_pipe.h"
#include "virtual_platform.h"
#include "virtual_wave.h"

namespace devices {

class VirtualHeadset {
public:
    enum class Family { Older, Newer };
    // The headset a test or the demo starts with, and how its system is set up.
    struct Setup {
        Family family = Family::Older;
        int model = 400;
        // The whole USB serial-number string; the model's when empty.
        std::string serial;
        // Another sound card is mixer device 0, where Windows plays; the
        // headset is device 1.
        bool soundCardFirst = false;
        // The older family's filter driver or the newer family's codec is
        // not there, for as long as the headset lives.
        bool driverMissing = false;
        bool plugged = true;
        // The prescribed pauses are slept, as the system would, besides
        // being counted.
        bool sleepWaits = false;
    };
    // What an observer is told of (the wParam of its message).
    enum class Change : WPARAM { Mixer = 1, Download, GainReport };

    explicit VirtualHeadset(const Setup& setup);
    VirtualHeadset(Family family, int model)
        : VirtualHeadset(Setup{.family = family, .model = model, .serial = {}}) {}

    DeviceSet Devices() { return {mixer_, hid_, pipe_, platform_, wave_}; }
    VirtualHid& Hid() { return hid_; }
    VirtualMixer& Mixer() { return mixer_; }
    VirtualPipe& Pipe() { return pipe_; }
    VirtualPlatform& Platform() { return platform_; }
    VirtualCodec& Codec() { return codec_; }
    VirtualWave& Wave() { return wave_; }
    // The HID interface path of the headset plugged in now.
    std::string HidPath() const { return VirtualHid::Path(device_); }

    // The query and pending events of a safe removal, naming the headset.
    void RequestSafeRemoval();
    void Unplug();
    void Plug(Family family, int model);
    // A headset of the family with this HID side.
    void Plug(Family family, const VirtualHid::Device& device) { PlugDevice(family, device); }
    // The headset unplugged last (or set up) comes back, serial and all.
    void Plug();
    bool Plugged() const { return plugged_; }
    // The headset plugged in now, or unplugged last.
    const VirtualHid::Device& PluggedDevice() const { return pluggedDevice_; }

    // From now on message is posted to window (wParam: the Change) after the
    // control center writes the mixer, downloads a preset (pipe block or DSP
    // write) or sends a gain report. A null window stops it.
    void Observe(HWND window, UINT message);

    static VirtualHid::Device HidDevice(Family family, int model, const std::string& serial = {});

private:
    void Attach(Family family);
    void Announce(WPARAM event);
    void PlugDevice(Family family, const VirtualHid::Device& device);

    VirtualHid hid_;
    VirtualMixer mixer_;
    VirtualPipe pipe_;
    VirtualPlatform platform_;
    VirtualCodec codec_;
    VirtualWave wave_;
    std::size_t device_ = 0;
    VirtualHid::Device pluggedDevice_;
    Family family_;
    bool plugged_ = true;
    bool driverMissing_ = false;
};

}  // namespace devices
