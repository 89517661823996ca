// One HID device interface as the tray agent's device list holds it: the
// device's path, a handle opened without access rights for its queries, its
// preparsed data, attributes and capabilities, and the handle notification
// registered for it while it is the attached headset.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "device_notification.h"
#include "hid_file.h"
#include "hid_identity.h"

namespace tray {

struct UsbNode {
    explicit UsbNode(devices::HidApi& api) : preparsed(api) {}
    UsbNode(const UsbNode&) = delete;
    UsbNode& operator=(const UsbNode&) = delete;

    std::string path;
    HidFile query;
    headset::PreparsedData preparsed;
    headset::HidIdentity identity;
    std::unique_ptr<NotificationRegistration> handleNotification;
};

}  // namespace tray
