// Whether a device whose hardware ids begin with the headset's is present
// among the USB devices of the current hardware profile.
#pragma once

#include "install_api.h"

namespace setup {

bool HeadsetPresent(devices::InstallApi& api, const char* hardwareId);

}  // namespace setup
