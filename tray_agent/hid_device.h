// CHidDevice: the headset found by CUsbMgr. One instance reads the
// headset's serial text through the node's query handle; another opens the
// device for writing and sends the gain report. It never outlives the
// CUsbMgr that holds its node.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "hid_api.h"
#include "hid_file.h"
#include "hid_identity.h"
#include "hid_report.h"
#include "restore_plan.h"
#include "usb_node.h"

namespace tray {

// The serial text of a headset whose serial number does not convert to the
// ANSI code page.
inline constexpr char kUnconvertibleSerial[] = "Cannot convert wide-character string";

class CHidDevice {
public:
    explicit CHidDevice(devices::HidApi& api) : api_(api), preparsed_(api) {}
    ~CHidDevice() { Close(); }
    CHidDevice(const CHidDevice&) = delete;
    CHidDevice& operator=(const CHidDevice&) = delete;

    void AttachNode(const UsbNode* node) { node_ = node; }
    const UsbNode* AttachedNode() const { return node_; }

    // Opens the attached node's device for writing and reads its output
    // report's groups; false, holding nothing, on any failure.
    bool OpenForWriting();
    // The logical bounds of the output report's gain value, each taken as an
    // unsigned 16-bit number; none when the report carries no gain value.
    std::optional<GainRange> OutputRange() const;
    // Writes the output report with the gain value and the mute button; true
    // only when the report was filled and written.
    bool SendGainReport(std::uint16_t value, bool mute);
    void Close();
    // The serial-number string in the ANSI code page; empty when the device
    // does not give it, kUnconvertibleSerial when it does not convert.
    std::string SerialText() const;

private:
    devices::HidApi& api_;
    const UsbNode* node_ = nullptr;
    HidFile write_;
    headset::PreparsedData preparsed_;
    headset::HidIdentity identity_;
    headset::HidReport output_;
};

}  // namespace tray
