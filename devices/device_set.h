// Every device service the control center uses, handed to it as one set:
// the system's in the product, the virtual headset's in tests and demos.
#pragma once

#include "hid_api.h"
#include "mixer_api.h"
#include "pipe_api.h"
#include "platform_api.h"
#include "wave_api.h"

namespace devices {

struct DeviceSet {
    MixerApi& mixer;
    HidApi& hid;
    PipeApi& pipe;
    PlatformApi& platform;
    WaveApi& wave;
};

inline DeviceSet SystemDevices() {
    return {SystemMixer(), SystemHid(), SystemPipe(), SystemPlatform(), SystemWave()};
}

}  // namespace devices
