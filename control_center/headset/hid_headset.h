// HidHeadset: the headset's HID interface. Found among the HID devices by
// the maker's vendor id, opened for overlapped reading and for writing; a
// reader thread turns button reports into WM_USER+512 for the frame, and the
// frame's thread writes the gain and mute report.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "hid_api.h"
#include "hid_identity.h"
#include "hid_report.h"
#include "unique_handle.h"

namespace headset {

// Posted to the notify window for each usage of a pressed button group:
// wParam = usage page, lParam = usage.
inline constexpr UINT kButtonMessage = WM_USER + 512;

class HidHeadset {
public:
    explicit HidHeadset(devices::HidApi& api) : api_(api) {}
    ~HidHeadset() { Close(); }
    HidHeadset(const HidHeadset&) = delete;
    HidHeadset& operator=(const HidHeadset&) = delete;

    // Opens the first HID device of the maker's vendor id; 1 when open.
    int FindAndOpen();
    int Open(const std::string& path);
    void Close();
    bool IsOpen() const { return write_ != INVALID_HANDLE_VALUE; }
    // The device interface path of the device opened last.
    const std::string& Path() const { return path_; }
    void SetNotifyWindow(HWND window);

    USHORT VendorId() const { return identity_.attributes.VendorID; }
    USHORT ProductId() const { return identity_.attributes.ProductID; }
    const std::string& Manufacturer() const { return manufacturer_; }
    const std::string& Product() const { return product_; }
    const std::string& SerialNumber() const { return serial_; }
    int ModelNumber() const;

    // Logical bounds of the output value that carries usage; -1, -1 when none.
    std::pair<LONG, LONG> OutputValueRange(USAGE page, USAGE usage) const;
    // The gain (0xE0) and mute (0xE2) output report; 1 when written.
    int SendGainReport(ULONG value, bool mute);

    // Whether the reader thread is still reading (it ends by itself when a
    // read fails, for example when the headset is unplugged).
    bool IsReading() const;

private:
    static DWORD WINAPI ReaderThread(void* self);
    void ReadLoop();
    // Waits for or starts a read; false when the thread must end.
    bool ReadStep(bool& reportArrived);
    // Reads the pressed buttons and the values of the input report; false
    // when the report cannot be decoded.
    bool Decode();
    void PostButtons();
    void StopReader();
    void CloseFile(HANDLE& file);
    bool ReadIdentity();

    devices::HidApi& api_;
    std::string path_;
    HANDLE read_ = INVALID_HANDLE_VALUE;
    HANDLE write_ = INVALID_HANDLE_VALUE;
    HidIdentity identity_;
    PreparsedData preparsed_{api_};
    std::string manufacturer_, product_, serial_;
    HidReport input_, output_;
    OVERLAPPED overlapped_ = {};
    bool readPending_ = false;

    std::mutex mutex_;  // the notify window and the button groups
    HWND notify_ = nullptr;
    tavimo::UniqueHandle reportEvent_, stop_, done_, thread_;
};

}  // namespace headset
