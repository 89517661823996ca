#include "headset_query.h"

#include "interface_walk.h"

namespace applet {
namespace {

constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

}  // namespace

HeadsetQuery::HeadsetQuery(devices::HidApi& api) : api_(api), preparsed_(api) {
    GUID hid;
    api_.GetHidGuid(&hid);
    // Any device of the maker will do, whatever its product id.
    headset::WalkInterfaces(api_, hid, [this](const std::string& path) {
        return headset::IsVendorDevice(api_, path) && Open(path);
    });
}

bool HeadsetQuery::Open(const std::string& path) {
    read_ = headset::HidFile(api_, api_.CreateDeviceFile(path.c_str(), GENERIC_READ, kShare,
                                                         OPEN_EXISTING, FILE_FLAG_OVERLAPPED));
    headset::HidIdentity identity;
    if (!read_ || !headset::ReadHidIdentity(api_, read_.get(), preparsed_, identity)) {
        Close();
        return false;
    }
    HeadsetInfo info;
    info.productId = identity.attributes.ProductID;
    info.manufacturer =
        headset::ReadAnsiHidString(api_, &devices::HidApi::GetManufacturerString, read_.get());
    info.product =
        headset::ReadAnsiHidString(api_, &devices::HidApi::GetProductString, read_.get());
    info.serial =
        headset::ReadAnsiHidString(api_, &devices::HidApi::GetSerialNumberString, read_.get());
    write_ = headset::HidFile(
        api_, api_.CreateDeviceFile(path.c_str(), GENERIC_WRITE, kShare, OPEN_EXISTING, 0));
    if (!write_) {
        Close();
        return false;
    }
    info.found = true;
    info_ = std::move(info);
    return true;
}

void HeadsetQuery::Close() {
    preparsed_.reset();
    if (read_) {
        api_.CancelIo(read_.get());
    }
    read_.reset();
    write_.reset();
}

}  // namespace applet
