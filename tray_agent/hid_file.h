// The tray agent's HID device files: the shared owner, closed exactly once
// through the boundary that opened it.
#pragma once

#include "hid_device_file.h"

namespace tray {

using HidFile = headset::HidFile;

}  // namespace tray
