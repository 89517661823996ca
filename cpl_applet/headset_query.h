// What the applet learns of the attached headset: the first HID device of
// the maker, in enumeration order, that opens for reading and for writing;
// its product id and strings. The device stays open while the query lives.
#pragma once

#include <windows.h>

#include <string>

#include "hid_api.h"
#include "hid_device_file.h"
#include "hid_identity.h"

namespace applet {

struct HeadsetInfo {
    bool found = false;
    USHORT productId = 0;
    std::string manufacturer, product, serial;
};

class HeadsetQuery {
public:
    // Looks for the headset and opens it.
    explicit HeadsetQuery(devices::HidApi& api);
    // Frees the preparsed data, cancels what is pending on the read handle
    // and closes both handles.
    ~HeadsetQuery() { Close(); }
    HeadsetQuery(const HeadsetQuery&) = delete;
    HeadsetQuery& operator=(const HeadsetQuery&) = delete;

    const HeadsetInfo& Info() const { return info_; }

private:
    bool Open(const std::string& path);
    void Close();

    devices::HidApi& api_;
    headset::HidFile read_, write_;
    headset::PreparsedData preparsed_;
    HeadsetInfo info_;
};

}  // namespace applet
