#include "registered_headset.h"

#include "install_api.h"

namespace setup_tests {
namespace {

constexpr char kInstanceId[] = "USB\\VID_A5C1&PID_0D31\\TAVIMOTEST";
// Two strings and the closing empty one.
constexpr char kHardwareIds[] = "USB\\VID_A5C1&PID_0D31&REV_0100\0USB\\VID_A5C1&PID_0D31\0";

// One that an interrupted run left behind goes first.
void RemoveLeftOver(HDEVINFO set) {
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    if (SetupDiOpenDeviceInfoA(set, kInstanceId, nullptr, 0, &device)) {
        SetupDiRemoveDevice(set, &device);
    }
}

}  // namespace

RegisteredHeadset::RegisteredHeadset()
    : set_(SetupDiCreateDeviceInfoList(&devices::kUsbDeviceClass, nullptr)) {
    if (set_ == INVALID_HANDLE_VALUE) {
        return;
    }
    RemoveLeftOver(set_);
    device_.cbSize = sizeof device_;
    registered_ = SetupDiCreateDeviceInfoA(set_, kInstanceId, &devices::kUsbDeviceClass, nullptr,
                                           nullptr, 0, &device_) &&
                  SetupDiSetDeviceRegistryPropertyA(set_, &device_, SPDRP_HARDWAREID,
                                                    reinterpret_cast<const BYTE*>(kHardwareIds),
                                                    sizeof kHardwareIds) &&
                  SetupDiRegisterDeviceInfo(set_, &device_, 0, nullptr, nullptr, nullptr);
}

RegisteredHeadset::~RegisteredHeadset() {
    if (set_ == INVALID_HANDLE_VALUE) {
        return;
    }
    if (registered_) {
        SetupDiRemoveDevice(set_, &device_);
    }
    SetupDiDestroyDeviceInfoList(set_);
}

}  // namespace setup_tests
