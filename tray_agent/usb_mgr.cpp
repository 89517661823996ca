#include "usb_mgr.h"

#include <dbt.h>

#include <algorithm>

#include "headset_ids.h"
#include "hid_device.h"
#include "interface_walk.h"

namespace tray {
namespace {

constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

bool IsHeadset(const UsbNode& node) {
    const HIDD_ATTRIBUTES& attributes = node.identity.attributes;
    return attributes.Size == sizeof(HIDD_ATTRIBUTES) && attributes.VendorID == tavimo::kVendorId &&
           attributes.ProductID == tavimo::kOlderProductId;
}

}  // namespace

void CUsbMgr::Initialise(HWND window) {
    window_ = window;
    GUID hidClass;
    hid_.GetHidGuid(&hidClass);
    headset::WalkInterfaces(hid_, hidClass, [this](const std::string& path) {
        AddDevice(path);
        return false;  // every interface
    });
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = hidClass;
    interfaceNotification_ = std::make_unique<NotificationRegistration>(platform_, window, &filter);
}

void CUsbMgr::AddDevice(const std::string& path) {
    UsbNode& node = nodes_.emplace_back(hid_);
    node.path = path;
    node.query = HidFile(hid_, hid_.CreateDeviceFile(path.c_str(), 0, kShare, OPEN_EXISTING, 0));
    if (!node.query ||
        !headset::ReadHidIdentity(hid_, node.query.get(), node.preparsed, node.identity)) {
        nodes_.pop_back();
    }
}

UsbNode* CUsbMgr::FindHeadset() {
    const auto found = std::find_if(nodes_.begin(), nodes_.end(), IsHeadset);
    return found == nodes_.end() ? nullptr : &*found;
}

bool CUsbMgr::HeadsetPresent() const {
    return std::any_of(nodes_.begin(), nodes_.end(), IsHeadset);
}

bool CUsbMgr::AttachHeadset(CHidDevice& device) {
    UsbNode* node = FindHeadset();
    if (node == nullptr) {
        return false;
    }
    DEV_BROADCAST_HANDLE filter = {};
    filter.dbch_size = sizeof filter;
    filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
    filter.dbch_handle = node->query.get();
    auto registration = std::make_unique<NotificationRegistration>(platform_, window_, &filter);
    if (!*registration) {
        return false;
    }
    node->handleNotification = std::move(registration);
    device.AttachNode(node);
    attached_ = &device;
    return true;
}

}  // namespace tray
