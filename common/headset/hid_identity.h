// What every program reads of an open HID device: its preparsed data,
// attributes and capabilities, and its strings (the serial-number string
// carries the model number).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "hid_api.h"

namespace headset {

// A device's preparsed data, freed exactly once through the boundary that
// gave it.
class PreparsedData {
public:
    explicit PreparsedData(devices::HidApi& api) : api_(&api) {}
    ~PreparsedData() { reset(); }
    PreparsedData(const PreparsedData&) = delete;
    PreparsedData& operator=(const PreparsedData&) = delete;

    PHIDP_PREPARSED_DATA get() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }
    // Frees what is held; the next Read fills it anew.
    void reset();
    // Reads the open device's preparsed data; false (holding none) on failure.
    bool Read(HANDLE device);

private:
    devices::HidApi* api_;
    PHIDP_PREPARSED_DATA data_ = nullptr;
};

struct HidIdentity {
    HIDD_ATTRIBUTES attributes = {};
    HIDP_CAPS caps = {};
};

// The preparsed data, attributes and capabilities of an open device. False
// when any of them cannot be read; preparsed then holds what was read, for
// its owner to free.
bool ReadHidIdentity(devices::HidApi& api, HANDLE device, PreparsedData& preparsed,
                     HidIdentity& identity);

// Whether the device at path is one of the maker's (vendor id 0xA5C1): it is
// opened for overlapped reading, its attributes read and the file closed
// again. False when any step fails.
bool IsVendorDevice(devices::HidApi& api, const std::string& path);

// One of the device's strings (manufacturer, product, serial number), read
// into room for 256 UTF-16 characters and terminated whatever the device
// wrote; nothing when the device does not give it.
using HidStringQuery = BOOLEAN (devices::HidApi::*)(HANDLE device, void* buffer, ULONG size);
std::optional<std::wstring> ReadHidString(devices::HidApi& api, HidStringQuery query,
                                          HANDLE device);

// One of the device's strings in the ANSI code page; empty when it cannot be
// read or converted.
std::string ReadAnsiHidString(devices::HidApi& api, HidStringQuery query, HANDLE device);

// UTF-16 to the ANSI code page, at most 255 bytes and the terminating zero; nothing when the text
// does not convert or does not fit.
std::optional<std::string> ToAnsi(const std::wstring& text);

}  // namespace headset
