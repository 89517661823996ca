// CUsbMgr: the HID devices present while the agent restores the headset,
// in enumeration order, and the one among them that is the headset (the
// maker's vendor id and the older family's product id; the first found
// wins). Lives for one restore; closing it releases every handle,
// preparsed data and notification registration it made.
#pragma once

#include <windows.h>

#include <list>
#include <memory>

#include "device_notification.h"
#include "hid_api.h"
#include "platform_api.h"
#include "usb_node.h"

namespace tray {

class CHidDevice;

class CUsbMgr {
public:
    CUsbMgr(devices::HidApi& hid, devices::PlatformApi& platform)
        : hid_(hid), platform_(platform) {}
    CUsbMgr(const CUsbMgr&) = delete;
    CUsbMgr& operator=(const CUsbMgr&) = delete;

    // Lists the devices present and registers window for HID interface
    // arrivals and removals. A device that does not open, or whose identity
    // cannot be read, is left out.
    void Initialise(HWND window);
    bool HeadsetPresent() const;
    // Registers a handle notification for the headset and attaches it to
    // device; false (the headset counts as absent) when there is none or
    // the registration fails.
    bool AttachHeadset(CHidDevice& device);
    // The device the headset was attached to last, or none.
    CHidDevice* Attached() const { return attached_; }
    const std::list<UsbNode>& Nodes() const { return nodes_; }

private:
    UsbNode* FindHeadset();
    void AddDevice(const std::string& path);

    devices::HidApi& hid_;
    devices::PlatformApi& platform_;
    HWND window_ = nullptr;
    // Declared first, released last: after every node's own registration.
    std::unique_ptr<NotificationRegistration> interfaceNotification_;
    std::list<UsbNode> nodes_;
    CHidDevice* attached_ = nullptr;
};

}  // namespace tray
